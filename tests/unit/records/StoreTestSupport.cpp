#include "StoreTestSupport.h"

#include "records/DatabaseInit.h"

#include <QAtomicInt>
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

bool ScratchDatabase::create(DatabaseConfig::Engine engine, QString* why)
{
    if (engine == DatabaseConfig::Engine::PostgreSQL) {
        if (pgTestUrl().isEmpty()) {
            *why = QStringLiteral("QUORVEL_TEST_PG_URL is not set");
            return false;
        }
        const auto c = DatabaseConfig::fromUrl(pgTestUrl(), why);
        if (!c)
            return false;
        m_config = *c;
        if (!rawSql(m_config, QStringLiteral("DROP TABLE IF EXISTS \"data\", \"group\""), why))
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
