#include "records/DatabaseInit.h"

#include "records/StoreSchema.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace quorvel {

namespace {

QAtomicInt initCounter;

bool createIn(const DatabaseConfig& config, const QString& connection, QString* why)
{
    QSqlDatabase d = QSqlDatabase::addDatabase(config.isPostgres() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                               connection);
    if (config.isPostgres()) {
        d.setHostName(config.host);
        d.setPort(config.port);
        d.setUserName(config.user);
        d.setPassword(config.password);
        d.setDatabaseName(config.name);
        d.setConnectOptions(QStringLiteral("connect_timeout=10"));
    } else {
        d.setDatabaseName(config.resolvedFile());
    }
    if (!d.open()) {
        *why = d.lastError().text();
        return false;
    }
    // On PostgreSQL tables that were already there are kept; they must still be
    // of the right kinds, or the program could not use them.
    const bool ok = StoreSchema::createTables(d, config.isPostgres(), why)
                    && StoreSchema::checkTables(d, config.isPostgres(), why);
    d.close();
    return ok;
}

// Makes the empty file, failing if anything is there already, so that a
// file that appears meanwhile is neither overwritten nor removed later.
bool claimNewFile(const QString& path, QString* message)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    if (QFileInfo::exists(path))
        *message = QStringLiteral("The file \"%1\" already exists and was left as it is.\r\n"
                                  "Give another file name, or move the file away first.").arg(path);
    else
        *message = QStringLiteral("The file \"%1\" cannot be created: %2\r\n"
                                  "Check the folder and its permissions.").arg(path, f.errorString());
    return false;
}

} // namespace

int initDatabase(const DatabaseConfig& config, QString* message)
{
    const QString path = config.resolvedFile();
    if (!config.isPostgres() && !claimNewFile(path, message))
        return 1;
    const QString connection = QStringLiteral("quorvel-init-%1").arg(initCounter.fetchAndAddRelaxed(1));
    QString why;
    const bool ok = createIn(config, connection, &why);
    QSqlDatabase::removeDatabase(connection);
    if (!ok) {
        if (!config.isPostgres())
            QFile::remove(path);   // no half-made file left behind
        *message = QStringLiteral("The records %1 could not be made ready: %2").arg(config.describe(), why);
        return 1;
    }
    *message = config.isPostgres()
                   ? QStringLiteral("The records tables are ready in the %1.").arg(config.describe())
                   : QStringLiteral("Created the empty records database \"%1\".").arg(path);
    return 0;
}

} // namespace quorvel
