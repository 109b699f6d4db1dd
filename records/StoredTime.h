#pragma once
// Date-times travel to and from the database as naive text
// ("yyyy-MM-dd HH:mm:ss.zzz"), so no engine or driver shifts them by a time zone.

#include <QDateTime>
#include <QVariant>
#include <optional>

namespace quorvel {

QString storedTimeText(const QDateTime& dt);
// Reads what an engine gives back: text with a blank or a 'T', with or
// without a fraction (of any length), or a date alone; also a QDateTime.
std::optional<QDateTime> timeFromStored(const QVariant& value);

} // namespace quorvel
