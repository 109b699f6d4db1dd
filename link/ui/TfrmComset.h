#pragma once
// The port dialog: the serial ports that can be opened right now, one to
// choose. Result 1 with a port chosen, 2 on Cancel.

#include "platform/serial/PortList.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace quorvel {

class Messages;

using PortProvider = std::function<QList<PortEntry>()>;

class TfrmComset : public QDialog {
    Q_OBJECT
public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    TfrmComset(PortProvider ports, Messages& messages, QWidget* parent = nullptr);

    // Fills the list afresh; an empty list tells the user and returns as Cancel.
    int exec() override;

    // Refills PortList and the list, first entry selected.
    void FormShow();
    void btnOKClick();
    void btnCancelClick();

    const QList<PortEntry>& PortList() const { return m_portList; }
    // The port chosen with OK.
    const PortEntry& chosen() const { return m_chosen; }

    void reject() override { btnCancelClick(); }

private:
    void buildLayout();

    PortProvider m_ports;
    Messages& m_messages;
    QList<PortEntry> m_portList;
    PortEntry m_chosen;
    QLabel* m_label = nullptr;
    QComboBox* m_cbComsel = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

// The texts of the dialog's failure.
namespace texts {
inline const QString kNoPortCaption = QStringLiteral("Comm Port");
inline const QString kNoPort = QStringLiteral(
    "No serial port could be opened.\r\n\r\n"
    "Plug in the cable or the USB serial adapter, close any other program that uses the port, "
    "and press CONN again.");
} // namespace texts

} // namespace quorvel
