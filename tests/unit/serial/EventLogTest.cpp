#include "platform/serial/EventLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

class EventLogTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("APRO.LOG")); }
    QString fileText() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void writeFile(const QByteArray& text) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    QTemporaryDir dir;
};

TEST_F(EventLogTest, shouldWriteOneConnectionOnCloseReplacingAnEarlierFile)
{
    writeFile("an older log\n");
    EventLog log(path());
    log.portOpened(QStringLiteral("/dev/pts/3"));
    const uint8_t h[] = {':', '0', '7', '0', '0', 'H', '4', 'f', '\r', '\n'};
    log.frameSent(h, sizeof h);
    log.packetReceived("0700H4f");
    EXPECT_EQ(fileText(), QStringLiteral("an older log\n"));   // nothing before the close

    ASSERT_TRUE(log.portClosed());
    const QStringList lines = fileText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Link log started ")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("open   /dev/pts/3")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("sent   :0700H4f<0d><0a>")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("recv   0700H4f")));
    EXPECT_TRUE(lines[4].contains(QStringLiteral("close")));
}

TEST_F(EventLogTest, shouldWriteOnlyTheFirstConnectionOfARun)
{
    EventLog log(path());
    log.portOpened(QStringLiteral("first"));
    ASSERT_TRUE(log.portClosed());
    EXPECT_FALSE(log.enabled());

    log.portOpened(QStringLiteral("second"));
    log.packetReceived("0700B49");
    EXPECT_TRUE(log.portClosed());
    const QString text = fileText();
    EXPECT_TRUE(text.contains(QStringLiteral("first")));
    EXPECT_FALSE(text.contains(QStringLiteral("second")));
    EXPECT_FALSE(text.contains(QStringLiteral("0700B49")));
}

TEST_F(EventLogTest, shouldWriteNothingWhenSwitchedOffOrNeverOpened)
{
    EventLog never(path());
    EXPECT_TRUE(never.portClosed());
    EventLog off(path());
    off.setEnabled(false);
    off.portOpened(QStringLiteral("x"));
    EXPECT_TRUE(off.portClosed());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(EventLogTest, shouldReportAFileThatCannotBeWrittenAndStopLogging)
{
    EventLog log(dir.filePath(QStringLiteral("no/such/dir/APRO.LOG")));
    log.portOpened(QStringLiteral("x"));
    QString error;
    EXPECT_FALSE(log.portClosed(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(log.enabled());
}

TEST(PrintableBytes, shouldShowControlAndHighBytesAsHex)
{
    EXPECT_EQ(printableBytes(std::string_view(":0\r\n\x00\xff", 6)), QStringLiteral(":0<0d><0a><00><ff>"));
}

} // namespace
