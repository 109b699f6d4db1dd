#pragma once
// A numeric input holding a double. At rest it shows the value with one
// decimal and " μm"; while it has the focus it shows the plain number for
// editing, and takes a decimal number of at most 11 characters.

#include <QLineEdit>

namespace quorvel {

class NumericInput : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxChars = 11;

    explicit NumericInput(QWidget* parent = nullptr);

    void setValue(double value);
    // Includes a number being typed but not yet confirmed, so that a dialog
    // closed straight from the input reads what the user sees.
    double value() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void commit();
    void showResting();
    bool parse(const QString& text, double& out) const;

    double m_value = 0.0;
    bool m_editing = false;
};

} // namespace quorvel
