#include "GaugeSimProcess.h"

#include "Wait.h"
#include "link/CommInc.h"

namespace quorvel::test {

QString received(char letter)
{
    TFrameRec frame;
    frame.Cmd = letter;
    uint8_t buffer[kFrameBufferSize];
    const uint8_t len = EncodeFrame(frame, buffer);
    return QStringLiteral("<- ") + QString::fromLatin1(reinterpret_cast<const char*>(buffer), len - 2);
}

GaugeSimProcess::~GaugeSimProcess()
{
    stop();
}

bool GaugeSimProcess::start(const QStringList& arguments)
{
    QObject::connect(&process_, &QProcess::readyReadStandardError, [this] { collectLog(); });
    process_.start(QStringLiteral(GAUGE_SIM_PATH), QStringList{QStringLiteral("--log")} + arguments);
    if (!process_.waitForStarted(5000)) {
        error_ = process_.errorString();
        return false;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(5000)) {
            error_ = QStringLiteral("no device from gauge-sim: ") + QString::fromLocal8Bit(process_.readAllStandardError());
            return false;
        }
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return !device_.isEmpty();
}

void GaugeSimProcess::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
    collectLog();
}

void GaugeSimProcess::collectLog()
{
    partial_ += process_.readAllStandardError();
    qsizetype nl;
    while ((nl = partial_.indexOf('\n')) >= 0) {
        log_.append(QString::fromLatin1(partial_.left(nl)));
        partial_.remove(0, nl + 1);
    }
}

bool GaugeSimProcess::waitForCount(const QString& line, int n, int timeoutMs)
{
    return waitUntil([&] { return count(line) >= n; }, timeoutMs);
}

} // namespace quorvel::test
