#include "records/ui/TfrmSave.h"

#include "measure/ProbeTypes.h"
#include "platform/Messages.h"
#include "records/RecordsStore.h"
#include "records/ui/GroupTimeEdit.h"
#include "records/ui/RecordsCommands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

void fillProbeBox(QComboBox* box, int selected)
{
    for (int n = 1; n <= probeNames().size(); ++n)
        box->addItem(probeName(n), n);
    box->setCurrentIndex(box->findData(selected));
    box->setMaxVisibleItems(8);
}

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
    btnQuit->setObjectName(QStringLiteral("btnQuit"));
    edtTime->setObjectName(QStringLiteral("edtTime"));
    edtSen->setObjectName(QStringLiteral("edtSen"));
    edtRem->setObjectName(QStringLiteral("edtRem"));
    btnSave->setObjectName(QStringLiteral("btnSave"));

    edtTime->setDateTime(QDateTime::currentDateTime());
    fillProbeBox(edtSen, curData.Sensor);
    edtRem->setMaxLength(RecordsStore::kMaxRem);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Time:"), this), 0, 0);
    grid->addWidget(edtTime, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sensor:"), this), 1, 0);
    grid->addWidget(edtSen, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Comments"), this), 2, 0);
    grid->addWidget(edtRem, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
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
