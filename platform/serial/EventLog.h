#pragma once
// The link's event log: what went over the line while the port was open, kept
// in memory and written to "APRO.LOG" when the port closes. Only the first
// connection of a run is written, so the file shows how the trouble started.

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string_view>

namespace quorvel {

class EventLog {
public:
    static constexpr qsizetype kMaxEntries = 100000;   // a long live measurement stays bounded

    explicit EventLog(QString path = QStringLiteral("APRO.LOG"));

    void setPath(const QString& path) { path_ = path; }
    const QString& path() const { return path_; }
    // Logging is on until one log has been written (or it is switched off).
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

    void portOpened(const QString& device);
    void frameSent(const uint8_t* data, int len);
    void packetReceived(std::string_view text);
    void note(const QString& text);
    // Writes the log, replacing an earlier file, and switches logging off.
    // Returns false (with a reason) when the file could not be written.
    bool portClosed(QString* error = nullptr);

    const QStringList& entries() const { return entries_; }

private:
    void add(const char* kind, const QString& text);

    QString path_;
    bool enabled_ = true;
    bool active_ = false;
    QElapsedTimer sinceOpen_;
    QStringList entries_;
    qsizetype dropped_ = 0;
};

// Shows line bytes as text: printable characters as they are, the rest as <hh>
// (so a frame reads ":0700H4f<0d><0a>").
QString printableBytes(std::string_view bytes);

} // namespace quorvel
