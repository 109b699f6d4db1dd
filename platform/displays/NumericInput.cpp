#include "platform/displays/NumericInput.h"

#include <QFocusEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QValidator>

namespace quorvel {

namespace {

const QString kUnits = QStringLiteral(u" \u03BCm");

// A decimal number of at most kMaxChars characters; "", "-" and "." are
// accepted on the way to one.
class DecimalValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        static const QRegularExpression pattern(QStringLiteral("\\A-?[0-9]*\\.?[0-9]*\\z"));
        if (input.size() > NumericInput::kMaxChars || !pattern.match(input).hasMatch())
            return Invalid;
        bool ok = false;
        QLocale::c().toDouble(input, &ok);
        return ok ? Acceptable : Intermediate;
    }
};

} // namespace

NumericInput::NumericInput(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only what the user types is checked; the resting text with its units
    // is put in by setText, which the validator does not see.
    setValidator(new DecimalValidator(this));
    connect(this, &QLineEdit::editingFinished, this, &NumericInput::commit);
    showResting();
}

void NumericInput::setValue(double value)
{
    m_value = value;
    if (m_editing)
        setText(QString::number(m_value, 'g', 15));
    else
        showResting();
}

double NumericInput::value() const
{
    double typed = 0.0;
    if (m_editing && parse(text(), typed))
        return typed;
    return m_value;
}

bool NumericInput::parse(const QString& text, double& out) const
{
    if (text.isEmpty() || text.size() > kMaxChars)
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (ok)
        out = v;
    return ok;
}

void NumericInput::commit()
{
    double typed = 0.0;
    if (parse(text(), typed))
        m_value = typed;
    if (!hasFocus())
        showResting();
}

void NumericInput::showResting()
{
    m_editing = false;
    setText(QString::number(m_value, 'f', 1) + kUnits);
}

void NumericInput::focusInEvent(QFocusEvent* event)
{
    if (!m_editing) {
        m_editing = true;
        setText(QString::number(m_value, 'g', 15));
        selectAll();
    }
    QLineEdit::focusInEvent(event);
}

void NumericInput::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);   // may emit editingFinished, which commits
    if (m_editing) {
        commit();
        showResting();
    }
}

void NumericInput::changeEvent(QEvent* event)
{
    // A disabled input cannot be typed in; keep it showing its value.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && m_editing) {
        commit();
        showResting();
    }
    QLineEdit::changeEvent(event);
}

} // namespace quorvel
