#pragma once
// The port the link talks through: QSerialPort at the gauge's line settings,
// a packet collector on the received bytes, one-shot timer triggers counted
// in ticks, the transmit/receive lamps and the link's event log. All on the
// GUI thread: QSerialPort and QTimer deliver their signals there.

#include "platform/ComPort.h"
#include "platform/PacketCollector.h"
#include "platform/serial/EventLog.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <map>

namespace quorvel {

class SerialComPort : public QObject, public ComPort {
    Q_OBJECT
public:
    static constexpr int kBaud = 2400;
    static constexpr int kTransmitBuffer = 4096;
    static constexpr int kLampHoldMs = 100;   // long enough for a lamp to be seen

    explicit SerialComPort(QObject* parent = nullptr);
    ~SerialComPort() override;

    // Where the event log is written ("APRO.LOG" in the working directory by default).
    void setEventLogPath(const QString& path) { log_.setPath(path); }
    void setEventLogEnabled(bool on) { log_.setEnabled(on); }
    const EventLog& eventLog() const { return log_; }
    // The length of a timer tick; only tests shorten it.
    void setTickMs(int ms) { tickMs_ = ms > 0 ? ms : kTickMs; }

    // Bytes moved since construction, for speed figures.
    quint64 bytesSent() const { return bytesSent_; }
    quint64 bytesReceived() const { return bytesReceived_; }

    // ComPort
    void setListener(ComPortListener* listener) override { listener_ = listener; }
    bool open(const QString& device, QString* error) override;
    void close() override;
    bool isOpen() const override { return open_ && port_.isOpen(); }
    int outBuffFree() const override;
    void write(const uint8_t* data, int len) override;
    void flush(int maxMs) override;
    uint16_t addTimerTrigger() override;
    void removeTimerTrigger(uint16_t handle) override;
    void setTimerTrigger(uint16_t handle, int ticks, bool activate) override;

signals:
    void transmitActivity(bool lit);
    void receiveActivity(bool lit);

private:
    void onReadyRead();
    void onBytesWritten();
    void onError(QSerialPort::SerialPortError error);
    void onTxHoldEnded();
    void lightTx();
    void lightRx();
    void lampsOff();
    bool configure(QString* error);
    void drainDriver(qint64 untilMs);
    qint64 nowMs() const { return clock_.elapsed(); }

    QSerialPort port_;
    ComPortListener* listener_ = nullptr;
    bool open_ = false;   // ours, since QSerialPort closes itself on a lost device
    PacketCollector collector_;
    QElapsedTimer clock_;
    EventLog log_;
    std::map<uint16_t, QTimer*> triggers_;
    uint16_t lastHandle_ = 0;
    int tickMs_ = kTickMs;
    QTimer txHold_;
    QTimer rxHold_;
    bool txLit_ = false;
    bool rxLit_ = false;
    quint64 bytesSent_ = 0;
    quint64 bytesReceived_ = 0;
};

} // namespace quorvel
