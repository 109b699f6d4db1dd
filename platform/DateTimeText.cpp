#include "DateTimeText.h"

#include <cmath>

namespace quorvel {

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;
} // namespace

QDateTime dateTimeFromDays(double days)
{
    // Whole days count from the epoch; the fraction is the time of day, also
    // for days before it (the fraction's sign does not follow the day's).
    const double whole = std::trunc(days);
    const qint64 ms = qint64(std::llround(std::fabs(days - whole) * kMsPerDay));
    return QDateTime(kEpoch.addDays(qint64(whole)), QTime(0, 0)).addMSecs(ms);
}

double daysFromDateTime(const QDateTime& dt)
{
    const qint64 whole = kEpoch.daysTo(dt.date());
    const double fraction = double(dt.time().msecsSinceStartOfDay()) / kMsPerDay;
    return whole >= 0 ? double(whole) + fraction : double(whole) - fraction;
}

QString dateTimeText(const QDateTime& dt, const QLocale& locale)
{
    QString text = locale.toString(dt.date(), QLocale::ShortFormat);
    const QTime t = dt.time();
    if (t.hour() == 0 && t.minute() == 0 && t.second() == 0)
        return text;
    // Hours, minutes and seconds in the locale's order, without a time zone.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QLatin1String("  "), QLatin1String(" "));
    return text + QLatin1Char(' ') + locale.toString(t, timeFormat.trimmed());
}

} // namespace quorvel
