#include "StoreTestSupport.h"

#include "records/DatabaseInit.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace quorvel::test {

namespace {
QAtomicInt rawCounter;
}

QString pgTestUrl()
{
    return qEnvironmentVariable("QUORVEL_TEST_PG_URL");
}

ScratchDatabase::~ScratchDatabase()
{
    if (!m_ownDatabase.isEmpty())
        rawSql(m_server, QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(m_ownDatabase));
}

bool ScratchDatabase::createOnServer(QString* why)
{
    const auto server = DatabaseConfig::fromUrl(pgTestUrl(), why);
    if (!server)
        return false;
    m_server = m_config = *server;
    const QString name = QStringLiteral("quorvel_t%1_%2").arg(QCoreApplication::applicationPid()).arg(rawCounter.fetchAndAddRelaxed(1));
    if (rawSql(m_server, QStringLiteral("CREATE DATABASE \"%1\"").arg(name))) {
        m_ownDatabase = m_config.name = name;
        return true;
    }
    // A role that may not make databases: share the given one, tests one at a time.
    return rawSql(m_config, QStringLiteral("DROP TABLE IF EXISTS \"data\", \"group\""), why).has_value();
}

bool ScratchDatabase::create(DatabaseConfig::Engine engine, QString* why)
{
    if (engine == DatabaseConfig::Engine::PostgreSQL) {
        if (pgTestUrl().isEmpty()) {
            *why = QStringLiteral("QUORVEL_TEST_PG_URL is not set");
            return false;
        }
        if (!createOnServer(why))
            return false;
    } else {
        m_config = DatabaseConfig();
        m_config.file = m_dir.filePath(QStringLiteral("Qr.mdb"));
    }
    return initDatabase(m_config, why) == 0;
}

std::optional<QList<QVariantList>> rawSql(const DatabaseConfig& config, const QString& sql, QString* error,
                                          int busyTimeoutMs)
{
    const QString name = QStringLiteral("raw-%1").arg(rawCounter.fetchAndAddRelaxed(1));
    std::optional<QList<QVariantList>> rows;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(config.isPostgres() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        if (config.isPostgres()) {
            d.setHostName(config.host);
            d.setPort(config.port);
            d.setUserName(config.user);
            d.setDatabaseName(config.name);
        } else {
            d.setDatabaseName(config.resolvedFile());
            d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        }
        QSqlQuery q(d);
        if (d.open() && q.exec(sql)) {
            rows.emplace();
            while (q.next()) {
                QVariantList row;
                for (int i = 0; i < q.record().count(); ++i)
                    row << q.value(i);
                rows->append(row);
            }
        } else if (error) {
            *error = q.lastError().isValid() ? q.lastError().text() : d.lastError().text();
        }
        q = QSqlQuery();
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

} // namespace quorvel::test
