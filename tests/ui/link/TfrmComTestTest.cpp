#include "link/ui/TfrmComTest.h"

#include <QLabel>
#include <gtest/gtest.h>

using quorvel::TfrmComTest;

namespace {

TEST(TfrmComTestTest, isANonModalNoticeKeptOnTopThatClosingOnlyHides)
{
    QWidget owner;
    owner.setGeometry(100, 100, 800, 514);
    TfrmComTest notice(&owner);
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Connecting"));
    auto* label = notice.findChild<QLabel*>(QStringLiteral("LMDLabel1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Trying to connect the instrument via serial interface..."));
    EXPECT_TRUE(notice.windowFlags() & Qt::WindowStaysOnTopHint);

    notice.showNotice();
    EXPECT_TRUE(notice.isVisible());
    EXPECT_FALSE(notice.isModal());
    notice.close();
    EXPECT_FALSE(notice.isVisible());
    notice.showNotice();   // the same notice serves the next connect
    EXPECT_TRUE(notice.isVisible());
}

} // namespace
