#pragma once
// The serial ports the port dialog offers: devices named with --port first,
// then the system's ports that can be opened right now, at most 16 in all.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace quorvel {

struct PortEntry {
    QString name;     // what the user sees: "COM3", "ttyUSB0", "pts/3"
    QString device;   // what is opened: "COM3", "/dev/ttyUSB0", "/dev/pts/3"
};

using CanOpenFn = std::function<bool(const QString& device)>;

constexpr int kMaxListedPorts = 16;

// The ports to offer. canOpen is the availability test (open, close at once);
// by default it opens the device with QSerialPort.
QList<PortEntry> availablePorts(const QStringList& extraDevices, const CanOpenFn& canOpen = {});

// The same with the system's ports given, for tests.
QList<PortEntry> availablePortsFrom(const QStringList& extraDevices, const QList<PortEntry>& systemPorts,
                                    const CanOpenFn& canOpen);

// How a device named on the command line is shown: "/dev/pts/3" -> "pts/3",
// any other path by its file name ("/tmp/gauge" -> "gauge").
QString portDisplayName(const QString& device);

// Natural order: "COM2" before "COM10", "ttyS9" before "ttyUSB0".
bool portNameLess(const QString& a, const QString& b);

// Ports numbered above COM16 are never offered.
bool isOfferablePortName(const QString& name);

// Opens the device and closes it at once; a port held by another program fails.
bool canOpenSerialDevice(const QString& device);

} // namespace quorvel
