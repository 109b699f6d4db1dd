#include "platform/displays/NumericInput.h"

#include <QFocusEvent>
#include <QLocale>
#include <QRegularExpressionValidator>

namespace quorvel {

namespace {
const QString kUnits = QStringLiteral(u" \u03BCm");
}

NumericInput::NumericInput(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only what the user types is checked; the resting text with its units
    // is put in by setText, which the validator does not see.
    const QRegularExpression pattern(QStringLiteral("(?=.{0,11}$)-?[0-9]*\\.?[0-9]*"));
    auto* validator = new QRegularExpressionValidator(pattern, this);
    setValidator(validator);
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
