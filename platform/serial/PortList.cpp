#include "PortList.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>

namespace quorvel {

QString portDisplayName(const QString& device)
{
    static const QString devPrefix = QStringLiteral("/dev/");
    if (device.startsWith(devPrefix) && device.size() > devPrefix.size())
        return device.mid(devPrefix.size());
    const QString name = QFileInfo(device).fileName();
    return name.isEmpty() ? device : name;
}

namespace {

// Splits "ttyS10" into ("ttyS", 10); a name without a trailing number gets -1.
std::pair<QString, long long> splitTrailingNumber(const QString& name)
{
    qsizetype i = name.size();
    while (i > 0 && name.at(i - 1).isDigit())
        --i;
    if (i == name.size() || name.size() - i > 9)
        return {name, -1};
    return {name.left(i), name.mid(i).toLongLong()};
}

QList<PortEntry> systemPorts()
{
    QList<PortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        ports.append({info.portName(), info.systemLocation()});
    return ports;
}

} // namespace

bool portNameLess(const QString& a, const QString& b)
{
    const auto [pa, na] = splitTrailingNumber(a);
    const auto [pb, nb] = splitTrailingNumber(b);
    const int c = pa.compare(pb, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    if (na != nb)
        return na < nb;
    return a < b;
}

bool isOfferablePortName(const QString& name)
{
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(name);
    if (!m.hasMatch())
        return true;
    const int n = m.captured(1).toInt();
    return n >= 1 && n <= 16;
}

bool canOpenSerialDevice(const QString& device)
{
    QSerialPort port;
    port.setPortName(device);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

QList<PortEntry> availablePortsFrom(const QStringList& extraDevices, const QList<PortEntry>& systemPorts,
                                    const CanOpenFn& canOpen)
{
    QList<PortEntry> result;
    QStringList taken;
    // Named on the command line: offered as asked; if the device is busy,
    // opening it says why, which beats a port silently missing from the list.
    for (const QString& device : extraDevices) {
        if (result.size() >= kMaxListedPorts)
            return result;
        if (device.isEmpty() || taken.contains(device))
            continue;
        result.append({portDisplayName(device), device});
        taken.append(device);
    }

    QList<PortEntry> candidates;
    for (const PortEntry& p : systemPorts)
        if (isOfferablePortName(p.name) && !taken.contains(p.device))
            candidates.append(p);
    std::sort(candidates.begin(), candidates.end(),
              [](const PortEntry& a, const PortEntry& b) { return portNameLess(a.name, b.name); });

    for (const PortEntry& p : std::as_const(candidates)) {
        if (result.size() >= kMaxListedPorts)
            break;
        if (taken.contains(p.device))
            continue;
        taken.append(p.device);
        if (canOpen(p.device))
            result.append(p);
    }
    return result;
}

QList<PortEntry> availablePorts(const QStringList& extraDevices, const CanOpenFn& canOpen)
{
    return availablePortsFrom(extraDevices, systemPorts(), canOpen ? canOpen : CanOpenFn(canOpenSerialDevice));
}

} // namespace quorvel
