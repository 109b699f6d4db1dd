#pragma once
// A value with a fixed number of decimals and a units text, aqua bold on black.

#include <QWidget>

namespace quorvel {

class NumericDisplay : public QWidget {
    Q_OBJECT
public:
    explicit NumericDisplay(QWidget* parent = nullptr);

    void setDecimals(int decimals);
    void setUnits(const QString& units);
    void setValue(double value);
    double value() const { return m_value; }
    // What is shown, e.g. "12.3 μm".
    QString text() const;

    QSize sizeHint() const override { return {100, 24}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_value = 0.0;
    int m_decimals = 0;
    QString m_units;
};

} // namespace quorvel
