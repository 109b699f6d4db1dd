#include "records/StoredTime.h"

#include <cmath>

namespace quorvel {

QString storedTimeText(const QDateTime& dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

std::optional<QDateTime> timeFromStored(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = value.toDateTime();
        return dt.isValid() ? std::optional<QDateTime>(QDateTime(dt.date(), dt.time())) : std::nullopt;
    }
    QString text = value.toString().trimmed();
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    const QDate dateOnly = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (dateOnly.isValid())
        return QDateTime(dateOnly, QTime(0, 0));
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? text : text.left(dot);
    QDateTime dt = QDateTime::fromString(whole, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        return std::nullopt;
    if (dot >= 0) {
        bool ok = false;
        const double fraction = (QStringLiteral("0.") + text.mid(dot + 1)).toDouble(&ok);
        if (!ok)
            return std::nullopt;
        dt = dt.addMSecs(qint64(std::llround(fraction * 1000.0)));
    }
    return dt;
}

} // namespace quorvel
