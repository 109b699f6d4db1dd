#pragma once
// One copy of the program per user: a second start asks the running copy to
// come to the front and ends. The channel is a local socket named per user.

#include <QObject>
#include <QString>

class QLocalServer;

namespace quorvel {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // "quorvel-" and the user's login name.
    static QString defaultName();

    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it then listens for later starts);
    // false when a running copy was found and told to come to the front.
    bool start();

signals:
    // A later start asked this copy to come to the front.
    void activationRequested();

private:
    bool notifyRunningCopy();
    bool listen();
    void onNewConnection();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace quorvel
