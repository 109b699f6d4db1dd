#pragma once
// Date-times as the program shows and stores them. A group's time is kept as
// days since 1899-12-30 (a double), the form saved groups carry.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quorvel {

QDateTime dateTimeFromDays(double days);
double daysFromDateTime(const QDateTime& dt);

// The locale's short date, a blank and its long time of hours, minutes and
// seconds (no time zone); the blank and the time are left out at midnight.
QString dateTimeText(const QDateTime& dt, const QLocale& locale = QLocale());

} // namespace quorvel
