#include "EventLog.h"

#include <QDateTime>
#include <QSaveFile>

namespace quorvel {

QString printableBytes(std::string_view bytes)
{
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f)
            out += QChar(c);
        else
            out += QStringLiteral("<%1>").arg(uint(c), 2, 16, QLatin1Char('0'));
    }
    return out;
}

EventLog::EventLog(QString path) : path_(std::move(path)) {}

void EventLog::add(const char* kind, const QString& text)
{
    if (!active_)
        return;
    if (entries_.size() >= kMaxEntries) {
        ++dropped_;
        return;
    }
    const double seconds = double(sinceOpen_.nsecsElapsed()) / 1e9;
    entries_.append(QStringLiteral("%1  %2  %3")
                        .arg(seconds, 10, 'f', 3)
                        .arg(QLatin1String(kind), -5)
                        .arg(text));
}

void EventLog::portOpened(const QString& device)
{
    if (!enabled_)
        return;
    entries_.clear();
    dropped_ = 0;
    active_ = true;
    sinceOpen_.start();
    entries_.append(QStringLiteral("Link log started %1")
                        .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs)));
    add("open", device + QStringLiteral(" at 2400 baud, 8 data bits, no parity, 1 stop bit"));
}

void EventLog::frameSent(const uint8_t* data, int len)
{
    add("sent", printableBytes(std::string_view(reinterpret_cast<const char*>(data), size_t(len))));
}

void EventLog::packetReceived(std::string_view text)
{
    add("recv", printableBytes(text));
}

void EventLog::note(const QString& text)
{
    add("note", text);
}

bool EventLog::portClosed(QString* error)
{
    if (!active_)
        return true;
    add("close", QString());
    active_ = false;
    enabled_ = false;   // only the first connection of a run is written
    if (dropped_ > 0)
        entries_.append(QStringLiteral("(%1 later events were not kept)").arg(dropped_));

    QSaveFile file(path_);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Text);
    if (ok) {
        for (const QString& line : std::as_const(entries_))
            file.write(line.toUtf8() + '\n');
        ok = file.commit();
    }
    if (!ok && error)
        *error = file.errorString();
    entries_.clear();
    return ok;
}

} // namespace quorvel
