#include "link/ui/TfrmComset.h"

#include "link/ui/ChoiceDialogLayout.h"
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
    const ChoiceDialogWidgets w =
        buildChoiceDialog(this, QStringLiteral("Please Select the Port:"), QStringLiteral("cbComsel"));
    m_label = w.label;
    m_cbComsel = w.list;
    m_btnOK = w.btnOK;
    m_btnCancel = w.btnCancel;
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
