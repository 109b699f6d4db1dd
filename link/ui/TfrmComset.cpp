#include "link/ui/TfrmComset.h"

#include "platform/Messages.h"
#include "platform/widgets/Fonts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

TfrmComset::TfrmComset(PortProvider ports, Messages& messages, QWidget* parent)
    : QDialog(parent), m_ports(std::move(ports)), m_messages(messages)
{
    setObjectName(QStringLiteral("frmComset"));
    setWindowTitle(QStringLiteral("Comm Port"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setFont(fonts::smallSans());
    buildLayout();
}

void TfrmComset::buildLayout()
{
    setFixedSize(226, 112);
    m_label = new QLabel(QStringLiteral("Please Select the Port:"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setGeometry(16, 12, 194, 16);

    m_cbComsel = new QComboBox(this);   // not editable: choose only
    m_cbComsel->setObjectName(QStringLiteral("cbComsel"));
    m_cbComsel->setGeometry(16, 34, 194, 22);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->setGeometry(30, 72, 75, 25);
    m_btnOK->setDefault(true);
    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setGeometry(121, 72, 75, 25);

    setTabOrder(m_cbComsel, m_btnOK);
    setTabOrder(m_btnOK, m_btnCancel);
    connect(m_btnOK, &QPushButton::clicked, this, &TfrmComset::btnOKClick);
    connect(m_btnCancel, &QPushButton::clicked, this, &TfrmComset::btnCancelClick);
}

void TfrmComset::FormShow()
{
    m_portList = m_ports ? m_ports() : QList<PortEntry>{};
    if (m_portList.size() > kMaxListedPorts)
        m_portList.resize(kMaxListedPorts);
    m_cbComsel->clear();
    for (const PortEntry& port : m_portList)
        m_cbComsel->addItem(port.name);
    m_cbComsel->setCurrentIndex(m_portList.isEmpty() ? -1 : 0);
    m_cbComsel->setFocus();
}

int TfrmComset::exec()
{
    FormShow();
    if (m_portList.isEmpty()) {
        m_messages.show(texts::kNoPortCaption, texts::kNoPort, MsgIcon::Warning);
        setResult(kResultCancel);
        return kResultCancel;
    }
    return QDialog::exec();
}

void TfrmComset::btnOKClick()
{
    const int i = m_cbComsel->currentIndex();
    if (i < 0 || i >= m_portList.size()) {
        btnCancelClick();   // nothing to take: as Cancel
        return;
    }
    m_chosen = m_portList[i];
    done(kResultOk);
}

void TfrmComset::btnCancelClick()
{
    done(kResultCancel);
}

} // namespace quorvel
