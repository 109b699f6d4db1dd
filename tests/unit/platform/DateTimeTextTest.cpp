#include "platform/DateTimeText.h"
#include <gtest/gtest.h>

using namespace quorvel;

TEST(DateTimeText, shouldLeaveTheTimeOutAtMidnight)
{
    const QLocale c(QLocale::English, QLocale::UnitedStates);
    const QDateTime midnight(QDate(2026, 3, 4), QTime(0, 0));
    EXPECT_EQ(dateTimeText(midnight, c), c.toString(QDate(2026, 3, 4), QLocale::ShortFormat));
    const QString withTime = dateTimeText(QDateTime(QDate(2026, 3, 4), QTime(13, 5, 9)), c);
    EXPECT_TRUE(withTime.endsWith("1:05:09 PM")) << withTime.toStdString();
}

TEST(DateTimeText, shouldRoundTripDaysSinceTheEpoch)
{
    const QDateTime dt(QDate(2026, 12, 10), QTime(22, 15, 30));
    EXPECT_EQ(dateTimeFromDays(daysFromDateTime(dt)), dt);
    EXPECT_EQ(dateTimeFromDays(2.25), QDateTime(QDate(1900, 1, 1), QTime(6, 0)));
    EXPECT_EQ(dateTimeFromDays(0.0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
}
