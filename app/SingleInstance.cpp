#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace quorvel {

namespace {
constexpr int kConnectMs = 500;
const QByteArray kActivate = QByteArrayLiteral("activate\n");
} // namespace

QString SingleInstance::defaultName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QStringLiteral("user");
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return QStringLiteral("quorvel-") + user;
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::start()
{
    if (notifyRunningCopy())
        return false;
    if (listen())
        return true;
    // Another copy may have started listening between our two steps.
    return !notifyRunningCopy();
}

bool SingleInstance::notifyRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectMs);
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered, so a name still there is left over from a copy that crashed.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            qWarning("One-instance guard inactive: %s", qPrintable(m_server->errorString()));
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kActivate.trimmed()))
                emit activationRequested();
        });
    }
}

} // namespace quorvel
