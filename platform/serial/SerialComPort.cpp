#include "SerialComPort.h"

#include <QDeadlineTimer>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace quorvel {

SerialComPort::SerialComPort(QObject* parent) : QObject(parent)
{
    clock_.start();
    txHold_.setSingleShot(true);
    rxHold_.setSingleShot(true);
    txHold_.setInterval(kLampHoldMs);
    rxHold_.setInterval(kLampHoldMs);
    connect(&txHold_, &QTimer::timeout, this, &SerialComPort::onTxHoldEnded);
    connect(&rxHold_, &QTimer::timeout, this, [this] {
        rxLit_ = false;
        emit receiveActivity(false);
    });
    connect(&port_, &QSerialPort::readyRead, this, &SerialComPort::onReadyRead);
    connect(&port_, &QSerialPort::bytesWritten, this, &SerialComPort::onBytesWritten);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialComPort::onError);
}

SerialComPort::~SerialComPort()
{
    listener_ = nullptr;
    close();
}

// ---- opening and closing ---------------------------------------------------

bool SerialComPort::open(const QString& device, QString* error)
{
    close();
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite)) {
        if (error)
            *error = port_.errorString();
        port_.clearError();
        return false;
    }
    if (!configure(error)) {
        port_.close();
        port_.clearError();
        return false;
    }
    collector_.reset();
    open_ = true;
    log_.portOpened(device);
    return true;
}

bool SerialComPort::configure(QString* error)
{
    const bool ok = port_.setBaudRate(kBaud) && port_.setDataBits(QSerialPort::Data8)
                    && port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop)
                    && port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        if (error)
            *error = port_.errorString();
        return false;
    }
    // Modem lines: a pseudo-terminal has none, and the gauge does not need
    // them to talk, so a refusal here is not a failure to open.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    return true;
}

void SerialComPort::close()
{
    if (!open_)
        return;
    open_ = false;
    collector_.reset();
    if (port_.isOpen()) {
        port_.clear(QSerialPort::AllDirections);
        port_.close();
    }
    port_.clearError();
    lampsOff();
    QString error;
    if (!log_.portClosed(&error))
        qWarning("The link log %s could not be written: %s", qPrintable(log_.path()), qPrintable(error));
}

void SerialComPort::onError(QSerialPort::SerialPortError error)
{
    // A pulled USB adapter gives a resource error; a hung-up terminal reads
    // end-of-file, which QSerialPort reports as a read error and repeats.
    // Either way the device is gone: close, then say so once. QSerialPort
    // may already have closed itself, so ask our own flag.
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !open_)
        return;
    const QString reason = port_.errorString();
    log_.note(QStringLiteral("device lost: ") + reason);
    close();
    if (listener_)
        listener_->onPortLost(reason);
}

// ---- writing ---------------------------------------------------------------

int SerialComPort::outBuffFree() const
{
    const qint64 pending = port_.bytesToWrite();
    return pending >= kTransmitBuffer ? 0 : int(kTransmitBuffer - pending);
}

void SerialComPort::write(const uint8_t* data, int len)
{
    if (!port_.isOpen() || len <= 0)
        return;
    log_.frameSent(data, len);
    const qint64 written = port_.write(reinterpret_cast<const char*>(data), len);
    if (written > 0)
        bytesSent_ += quint64(written);
    lightTx();
}

void SerialComPort::flush(int maxMs)
{
    if (!port_.isOpen() || maxMs <= 0)
        return;
    const qint64 until = nowMs() + maxMs;
    while (port_.isOpen() && port_.bytesToWrite() > 0) {
        const qint64 left = until - nowMs();
        if (left <= 0 || !port_.waitForBytesWritten(int(left)))
            break;
    }
    drainDriver(until);
}

// What the driver still holds would be dropped by close(); wait for it too.
void SerialComPort::drainDriver(qint64 untilMs)
{
#ifdef Q_OS_UNIX
    int queued = 0;
    while (port_.isOpen() && nowMs() < untilMs) {
        if (::ioctl(int(port_.handle()), TIOCOUTQ, &queued) != 0 || queued <= 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
#else
    Q_UNUSED(untilMs);
#endif
}

// ---- reading ---------------------------------------------------------------

void SerialComPort::onReadyRead()
{
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty())
        return;
    bytesReceived_ += quint64(bytes.size());
    lightRx();
    const auto packets = collector_.feed(bytes.constData(), size_t(bytes.size()), nowMs());
    for (const std::string& packet : packets) {
        // A packet can end the link (a B frame); what followed it is not ours.
        if (!port_.isOpen())
            return;
        log_.packetReceived(packet);
        if (listener_)
            listener_->onPacket(packet);
    }
}

// ---- timer triggers --------------------------------------------------------

uint16_t SerialComPort::addTimerTrigger()
{
    do {
        ++lastHandle_;
    } while (lastHandle_ == 0 || triggers_.count(lastHandle_) > 0);
    const uint16_t handle = lastHandle_;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, handle] {
        if (listener_)
            listener_->onTimerTrigger(handle);
    });
    triggers_[handle] = timer;
    return handle;
}

void SerialComPort::removeTimerTrigger(uint16_t handle)
{
    const auto it = triggers_.find(handle);
    if (it == triggers_.end())
        return;
    it->second->stop();
    it->second->deleteLater();   // may be inside its own timeout
    triggers_.erase(it);
}

void SerialComPort::setTimerTrigger(uint16_t handle, int ticks, bool activate)
{
    const auto it = triggers_.find(handle);
    if (it == triggers_.end())
        return;
    if (activate)
        it->second->start(std::max(ticks, 0) * tickMs_);
    else
        it->second->stop();
}

// ---- lamps -----------------------------------------------------------------

void SerialComPort::lightTx()
{
    if (!txLit_) {
        txLit_ = true;
        emit transmitActivity(true);
    }
    txHold_.start();
}

void SerialComPort::onBytesWritten()
{
    if (txLit_)
        txHold_.start();
}

void SerialComPort::onTxHoldEnded()
{
    if (port_.isOpen() && port_.bytesToWrite() > 0) {
        txHold_.start();
        return;
    }
    txLit_ = false;
    emit transmitActivity(false);
}

void SerialComPort::lightRx()
{
    if (!rxLit_) {
        rxLit_ = true;
        emit receiveActivity(true);
    }
    rxHold_.start();
}

void SerialComPort::lampsOff()
{
    txHold_.stop();
    rxHold_.stop();
    if (txLit_) {
        txLit_ = false;
        emit transmitActivity(false);
    }
    if (rxLit_) {
        rxLit_ = false;
        emit receiveActivity(false);
    }
}

} // namespace quorvel
