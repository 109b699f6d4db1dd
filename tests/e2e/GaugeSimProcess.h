#pragma once
// gauge-sim run as a child process with --log: its device path, and the
// lines it logs of what it received ("<- :0700H4f") and sent ("-> ...").

#include <QProcess>
#include <QStringList>

namespace quorvel::test {

class GaugeSimProcess {
public:
    GaugeSimProcess() = default;
    ~GaugeSimProcess();

    // Starts the simulator; false (with the reason in error()) when it gives no device.
    bool start(const QStringList& arguments);
    void stop();

    const QString& device() const { return device_; }
    const QString& error() const { return error_; }
    // Log lines so far (pumps nothing: the caller's event loop collects them).
    const QStringList& log() const { return log_; }
    int count(const QString& line) const { return int(log_.count(line)); }
    bool waitForCount(const QString& line, int n, int timeoutMs);

private:
    void collectLog();

    QProcess process_;
    QString device_;
    QString error_;
    QByteArray partial_;
    QStringList log_;
};

// The log line of a received command frame: "<- :0700H4f" for 'H'.
QString received(char letter);

} // namespace quorvel::test
