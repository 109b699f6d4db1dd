#include "records/ui/GroupTimeEdit.h"

namespace quorvel {

GroupTimeEdit::GroupTimeEdit(QWidget* parent) : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // Years below 100 are let through so that a two-digit year can be read.
    setMinimumDate(QDate(1, 1, 1));
    connect(this, &QDateTimeEdit::editingFinished, this, &GroupTimeEdit::expandShortYear);
}

int GroupTimeEdit::fullYear(int year)
{
    if (year < 0 || year > 99)
        return year;
    return year >= 50 ? 1900 + year : 2000 + year;
}

QDateTime GroupTimeEdit::fullDateTime() const
{
    const QDateTime dt = dateTime();
    // Whole seconds, as shown: the preset "now" must not carry hidden milliseconds.
    const QTime t(dt.time().hour(), dt.time().minute(), dt.time().second());
    const QDate d = dt.date();
    if (d.year() >= 100)
        return QDateTime(d, t);
    const QDate first(fullYear(d.year()), d.month(), 1);
    return QDateTime(first.addDays(std::min(d.day(), first.daysInMonth()) - 1), t);
}

void GroupTimeEdit::expandShortYear()
{
    if (date().year() < 100)
        setDateTime(fullDateTime());
}

} // namespace quorvel
