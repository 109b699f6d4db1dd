#pragma once
// The limit dialog: switches marking on or off and sets the two limits.

#include "measure/Limits.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvel {

class CheckLed;
class Messages;
class NumericInput;

class TfrmLimit : public QDialog {
    Q_OBJECT
public:
    // Edits limits in place, and only when OK accepts the entries.
    TfrmLimit(TLimits& limits, Messages& messages, QWidget* parent = nullptr);

    void FormCreate();
    void chkLimitChange();
    void btnOKClick();
    void btnCancelClick();

private:
    void buildWidgets();

    TLimits& m_limits;
    Messages& m_messages;
    CheckLed* m_chkLimit = nullptr;
    QLabel* m_label1 = nullptr;
    NumericInput* m_edtHi = nullptr;
    QLabel* m_label2 = nullptr;
    NumericInput* m_edtLo = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

} // namespace quorvel
