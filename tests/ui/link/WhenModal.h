#pragma once
// Answers a modal dialog that a call is about to open: the action runs on
// the dialog once it is the active modal widget, or the test fails when none
// opens before the deadline.

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace quorvel::test {

inline void whenModal(std::function<void(QWidget*)> action, int deadlineMs = 5000)
{
    auto* poll = new QTimer;
    const QDeadlineTimer deadline(deadlineMs);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, action = std::move(action)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        } else if (deadline.hasExpired()) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal dialog opened";
        }
    });
    poll->start();
}

template <typename T>
T* child(QWidget* parent, const char* name)
{
    T* w = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace quorvel::test
