#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using quorvel::SingleInstance;

namespace {

QString uniqueName()
{
    return QStringLiteral("quorvel-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

QStringList programArgs(const QString& name)
{
    return {QStringLiteral("--instance-name"), name};
}

void startProgram(QProcess& p, const QString& name)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUORVEL_EXE), programArgs(name));
}

bool listening(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(100);
}

TEST(SingleInstanceTest, secondStartActivatesTheRunningCopyAndEndsAtOnce)
{
    const QString name = uniqueName();
    QProcess first;
    startProgram(first, name);
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listening(name); }, 10000)) << "the first copy never listened";

    QProcess second;
    startProgram(second, name);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    QByteArray firstErr;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            firstErr += first.readAllStandardError();
            return firstErr.contains("activated by a second start");
        },
        10000));
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(5000);
}

// A socket file with nobody behind it, as a crashed copy leaves it.
bool leaveStaleSocket(const QString& name)
{
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (fd < 0 || size_t(path.size()) >= sizeof(addr.sun_path))
        return false;
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return bound && QFile::exists(QFile::decodeName(path));
}

TEST(SingleInstanceTest, nameLeftByACrashedCopyDoesNotBlockTheNextStart)
{
    const QString name = uniqueName();
    ASSERT_TRUE(leaveStaleSocket(name));
    SingleInstance guard(name);
    EXPECT_TRUE(guard.start());

    QSignalSpy activations(&guard, &SingleInstance::activationRequested);
    SingleInstance later(name);
    EXPECT_FALSE(later.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations.count() == 1; }, 5000));
}

TEST(SingleInstanceTest, namesArePerUser)
{
    EXPECT_TRUE(SingleInstance::defaultName().startsWith(QStringLiteral("quorvel-")));
    EXPECT_GT(SingleInstance::defaultName().size(), QStringLiteral("quorvel-").size());
}

} // namespace
