#include "platform/serial/PortList.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

QStringList names(const QList<PortEntry>& ports)
{
    QStringList out;
    for (const PortEntry& p : ports)
        out << p.name;
    return out;
}

QList<PortEntry> comPorts(std::initializer_list<int> numbers)
{
    QList<PortEntry> ports;
    for (int n : numbers)
        ports.append({QStringLiteral("COM%1").arg(n), QStringLiteral("COM%1").arg(n)});
    return ports;
}

TEST(PortList, shouldOfferOnlyFreePortsInNaturalOrder)
{
    QStringList asked;
    const auto canOpen = [&](const QString& device) {
        asked << device;
        return device != QStringLiteral("COM2");   // held by another program
    };
    const auto ports = availablePortsFrom({}, comPorts({4, 2, 1, 10}), canOpen);
    EXPECT_EQ(names(ports), (QStringList{"COM1", "COM4", "COM10"}));
    EXPECT_EQ(ports[1].device, QStringLiteral("COM4"));
    EXPECT_EQ(asked, (QStringList{"COM1", "COM2", "COM4", "COM10"}));
}

TEST(PortList, shouldNeverOfferOrProbePortsAboveCom16)
{
    QStringList asked;
    const auto ports = availablePortsFrom({}, comPorts({17, 16, 99}), [&](const QString& d) {
        asked << d;
        return true;
    });
    EXPECT_EQ(names(ports), QStringList{"COM16"});
    EXPECT_EQ(asked, QStringList{"COM16"});
}

TEST(PortList, shouldListAtMostSixteenPorts)
{
    QList<PortEntry> system;
    for (int n = 0; n < 20; ++n)
        system.append({QStringLiteral("ttyS%1").arg(n), QStringLiteral("/dev/ttyS%1").arg(n)});
    const auto ports = availablePortsFrom({QStringLiteral("/dev/pts/7")}, system, [](const QString&) { return true; });
    ASSERT_EQ(ports.size(), kMaxListedPorts);
    EXPECT_EQ(ports.front().name, QStringLiteral("pts/7"));
    EXPECT_EQ(ports.back().name, QStringLiteral("ttyS14"));
}

TEST(PortList, shouldPutExtraDevicesFirstWithoutRepeatingThem)
{
    const QList<PortEntry> system{{"ttyUSB0", "/dev/ttyUSB0"}, {"ttyS0", "/dev/ttyS0"}};
    const auto ports = availablePortsFrom({"/dev/ttyUSB0", "/tmp/gauge", "/tmp/gauge"}, system,
                                          [](const QString&) { return true; });
    EXPECT_EQ(names(ports), (QStringList{"ttyUSB0", "gauge", "ttyS0"}));
    EXPECT_EQ(ports[1].device, QStringLiteral("/tmp/gauge"));
}

TEST(PortList, shouldOfferExtraDevicesEvenWhenBusySoOpeningCanSayWhy)
{
    const auto ports = availablePortsFrom({"/dev/pts/3"}, {}, [](const QString&) { return false; });
    EXPECT_EQ(names(ports), QStringList{"pts/3"});
}

TEST(PortList, shouldNameDevicesForTheUser)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/dev/pts/3", "pts/3"}, {"/dev/ttyUSB0", "ttyUSB0"}, {"/tmp/sim/gauge", "gauge"}, {"COM3", "COM3"},
    };
    for (const auto& [device, name] : cases)
        EXPECT_EQ(portDisplayName(QString::fromLatin1(device)), QString::fromLatin1(name)) << device;
}

} // namespace
