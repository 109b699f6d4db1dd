#pragma once
// The date and the time, lime on black, updating itself every second.

#include <QDateTime>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quorvel {

class ClockDisplay : public QWidget {
    Q_OBJECT
public:
    using Now = std::function<QDateTime()>;

    explicit ClockDisplay(QWidget* parent = nullptr);

    // What is shown now.
    QString text() const;
    // Replaces the clock the display reads, for tests.
    void setNow(Now now);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Now m_now;
    QTimer m_timer;
};

} // namespace quorvel
