#include "platform/widgets/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using quorvel::MsgIcon;
using quorvel::QtMessages;

namespace {

// Answers the next message box with the given button and records what it showed.
struct BoxAnswer {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

void answerNextBox(BoxAnswer* seen, QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(seen, button);   // not open yet: look again
            return;
        }
        *seen = {box->windowTitle(), box->text(), box->icon(), true};
        box->button(button)->click();
    });
}

TEST(QtMessagesTest, showsCaptionTextWithPlainLineEndsAndIcon)
{
    QtMessages messages;
    BoxAnswer seen;
    answerNextBox(&seen, QMessageBox::Ok);
    messages.show(QStringLiteral("Comm Error"), QStringLiteral("Comm port Error.\r\nPlease reset it."),
                  MsgIcon::Error);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.caption, QStringLiteral("Comm Error"));
    EXPECT_EQ(seen.text, QStringLiteral("Comm port Error.\nPlease reset it."));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(QtMessagesTest, questionAnswersYesAndNo)
{
    QtMessages messages;
    BoxAnswer seen;
    answerNextBox(&seen, QMessageBox::Yes);
    EXPECT_TRUE(messages.askYesNo(QStringLiteral("Clear"), QStringLiteral("Sure?")));
    answerNextBox(&seen, QMessageBox::No);
    EXPECT_FALSE(messages.askYesNo(QStringLiteral("Clear"), QStringLiteral("Sure?")));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
}

} // namespace
