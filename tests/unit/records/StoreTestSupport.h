#pragma once
// Helpers shared by the records tests: a fresh, empty records database on
// SQLite (a temporary file) or on the throw-away PostgreSQL server named by
// QUORVEL_TEST_PG_URL, and plain SQL beside the store.

#include "records/DatabaseConfig.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <optional>
#include <ostream>

namespace quorvel {

// Test names and failure messages say "SQLite" or "PostgreSQL", not bytes.
inline void PrintTo(DatabaseConfig::Engine engine, std::ostream* os)
{
    *os << (engine == DatabaseConfig::Engine::SQLite ? "SQLite" : "PostgreSQL");
}

} // namespace quorvel

namespace quorvel::test {

// On PostgreSQL each scratch database is a database of its own on the test
// server, dropped again at the end, so tests may run in parallel.
class ScratchDatabase {
public:
    ScratchDatabase() = default;
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;
    ~ScratchDatabase();

    // False (with why) when the engine is not available for this run.
    bool create(DatabaseConfig::Engine engine, QString* why);
    const DatabaseConfig& config() const { return m_config; }
    QString dir() const { return m_dir.path(); }

private:
    bool createOnServer(QString* why);

    QTemporaryDir m_dir;
    DatabaseConfig m_config;
    DatabaseConfig m_server;     // the database named by QUORVEL_TEST_PG_URL
    QString m_ownDatabase;       // made for this test, empty when none
};

// Runs one statement on a connection of its own; the rows it returns.
// busyTimeoutMs applies to SQLite (0: fail at once on a lock).
std::optional<QList<QVariantList>> rawSql(const DatabaseConfig& config, const QString& sql, QString* error = nullptr,
                                          int busyTimeoutMs = 0);

QString pgTestUrl();

} // namespace quorvel::test
