#include "records/ui/TfrmUpdate.h"

#include "platform/Messages.h"
#include "records/ui/GroupTimeEdit.h"
#include "records/ui/RecordsCommands.h"
#include "records/ui/TfrmSave.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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
    btnQuit->setObjectName(QStringLiteral("btnQuit"));
    edtTime->setObjectName(QStringLiteral("edtTime"));
    edtSen->setObjectName(QStringLiteral("edtSen"));
    edtRem->setObjectName(QStringLiteral("edtRem"));
    btnSave->setObjectName(QStringLiteral("btnSave"));

    edtTime->setDateTime(group.time.isValid() ? group.time.toDateTime() : QDateTime::currentDateTime());
    fillProbeBox(edtSen, group.sen.isValid() ? group.sen.toInt() : 0);
    edtRem->setMaxLength(RecordsStore::kMaxRem);
    edtRem->setText(group.rem.toString());

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Time:"), this), 0, 0);
    grid->addWidget(edtTime, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sensor:"), this), 1, 0);
    grid->addWidget(edtSen, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Comments:"), this), 2, 0);
    grid->addWidget(edtRem, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSave);
    buttons->addWidget(btnQuit);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(btnQuit, edtTime);
    setTabOrder(edtTime, edtSen);
    setTabOrder(edtSen, edtRem);
    setTabOrder(edtRem, btnSave);
    btnQuit->setFocus();

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
