#include "measure/ui/TfrmLimit.h"

#include "platform/Messages.h"
#include "platform/displays/CheckLed.h"
#include "platform/displays/NumericInput.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

TfrmLimit::TfrmLimit(TLimits& limits, Messages& messages, QWidget* parent)
    : QDialog(parent), m_limits(limits), m_messages(messages)
{
    setObjectName(QStringLiteral("frmLimit"));
    setWindowTitle(QStringLiteral("Set OverBound Prompt"));
    // A fixed dialog without title-bar buttons; Esc still cancels.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildWidgets();
    FormCreate();
}

void TfrmLimit::buildWidgets()
{
    m_chkLimit = new CheckLed(QStringLiteral("Set Prompt"), this);
    m_chkLimit->setObjectName(QStringLiteral("chkLimit"));
    m_label1 = new QLabel(QStringLiteral("Upper Limit:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_edtHi = new NumericInput(this);
    m_edtHi->setObjectName(QStringLiteral("edtHi"));
    m_label1->setBuddy(m_edtHi);
    m_label2 = new QLabel(QStringLiteral("Lower Limit:"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_edtLo = new NumericInput(this);
    m_edtLo->setObjectName(QStringLiteral("edtLo"));
    m_label2->setBuddy(m_edtLo);
    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->setDefault(true);
    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_chkLimit, 0, 0, 1, 2);
    grid->addWidget(m_label1, 1, 0);
    grid->addWidget(m_edtHi, 1, 1);
    grid->addWidget(m_label2, 2, 0);
    grid->addWidget(m_edtLo, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnOK);
    buttons->addWidget(m_btnCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_edtHi->setMinimumWidth(120);

    connect(m_chkLimit, &CheckLed::toggled, this, &TfrmLimit::chkLimitChange);
    connect(m_btnOK, &QPushButton::clicked, this, &TfrmLimit::btnOKClick);
    connect(m_btnCancel, &QPushButton::clicked, this, &TfrmLimit::btnCancelClick);
}

void TfrmLimit::FormCreate()
{
    m_chkLimit->setChecked(m_limits.LimitOn);
    chkLimitChange();
    m_edtHi->setValue(m_limits.LimitHi);
    m_edtLo->setValue(m_limits.LimitLo);
}

void TfrmLimit::chkLimitChange()
{
    const bool on = m_chkLimit->isChecked();
    m_edtHi->setEnabled(on);
    m_edtLo->setEnabled(on);
}

void TfrmLimit::btnOKClick()
{
    const bool on = m_chkLimit->isChecked();
    const double hi = m_edtHi->value();
    const double lo = m_edtLo->value();
    if (on && hi < lo) {
        m_messages.show(QStringLiteral(u"错误"),
                        QStringLiteral(u"高限值不能小于低限值，请重新输入"), MsgIcon::Error);
        return;
    }
    m_limits.LimitOn = on;
    m_limits.LimitHi = float(hi);
    m_limits.LimitLo = float(lo);
    accept();
}

void TfrmLimit::btnCancelClick()
{
    reject();
}

} // namespace quorvel
