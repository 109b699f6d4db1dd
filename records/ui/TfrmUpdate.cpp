#include "records/ui/TfrmUpdate.h"

#include "platform/Messages.h"
#include "records/ui/GroupEditorsLayout.h"
#include "records/ui/GroupTimeEdit.h"
#include "records/ui/RecordsCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

TfrmUpdate::TfrmUpdate(RecordsStore& store, const GroupRow& group, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      btnQuit(new QPushButton(QStringLiteral("Quit"), this)),
      edtTime(new GroupTimeEdit(this)),
      edtSen(new QComboBox(this)),
      edtRem(new QLineEdit(this)),
      btnSave(new QPushButton(QStringLiteral("Save"), this)),
      m_store(store),
      m_group(group),
      m_messages(messages)
{
    setWindowTitle(QStringLiteral("Modify Parameters"));
    edtTime->setDateTime(group.time.isValid() ? group.time.toDateTime() : QDateTime::currentDateTime());
    fillProbeBox(edtSen, group.sen.isValid() ? group.sen.toInt() : 0);
    edtRem->setMaxLength(RecordsStore::kMaxRem);
    edtRem->setText(group.rem.toString());
    layOutGroupEditors(this, {btnQuit, edtTime, edtSen, edtRem, btnSave}, QStringLiteral("Comments:"), false);

    connect(btnQuit, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSave, &QPushButton::clicked, this, &TfrmUpdate::btnSaveClick);
}

void TfrmUpdate::btnSaveClick()
{
    // A probe number the list does not know stays as it was unless one is chosen.
    const int sen = edtSen->currentIndex() >= 0 ? edtSen->currentData().toInt() : m_group.sen.toInt();
    QString why;
    if (!m_store.updateGroup(m_group.gid, {edtTime->fullDateTime(), sen, edtRem->text()}, &why)) {
        m_messages.show(QString::fromLatin1(kErrorCaption), why, MsgIcon::Error);
        return;   // the edit stays for another try, or Quit
    }
    accept();
}

} // namespace quorvel
