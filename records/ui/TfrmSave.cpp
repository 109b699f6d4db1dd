#include "records/ui/TfrmSave.h"

#include "platform/Messages.h"
#include "records/RecordsStore.h"
#include "records/ui/GroupEditorsLayout.h"
#include "records/ui/GroupTimeEdit.h"
#include "records/ui/RecordsCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

TfrmSave::TfrmSave(TDataRec& curData, DatabaseConfig db, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      btnQuit(new QPushButton(QStringLiteral("Quit"), this)),
      edtTime(new GroupTimeEdit(this)),
      edtSen(new QComboBox(this)),
      edtRem(new QLineEdit(this)),
      btnSave(new QPushButton(QStringLiteral("Save"), this)),
      m_cur(curData),
      m_db(std::move(db)),
      m_messages(messages)
{
    setWindowTitle(QStringLiteral("Save Data"));
    edtTime->setDateTime(QDateTime::currentDateTime());
    fillProbeBox(edtSen, curData.Sensor);
    edtRem->setMaxLength(RecordsStore::kMaxRem);
    layOutGroupEditors(this, {btnQuit, edtTime, edtSen, edtRem, btnSave}, QStringLiteral("Comments"), true);

    connect(btnQuit, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSave, &QPushButton::clicked, this, &TfrmSave::btnSaveClick);
}

void TfrmSave::btnSaveClick()
{
    if (m_cur.Count == 0) {
        accept();
        return;
    }
    const int sen = edtSen->currentIndex() >= 0 ? edtSen->currentData().toInt() : m_cur.Sensor;
    RecordsStore store(m_db);
    QString why;
    int gid = 0;
    if (!store.open(&why)
        || !store.saveGroup({edtTime->fullDateTime(), sen, edtRem->text()}, &m_cur.Data[1], m_cur.Count, &gid, &why)) {
        m_messages.show(QString::fromLatin1(kErrorCaption), why, MsgIcon::Error);
        return;
    }
    m_cur.Count = 0;
    m_cur.Sensor = uint8_t(sen);
    accept();
}

} // namespace quorvel
