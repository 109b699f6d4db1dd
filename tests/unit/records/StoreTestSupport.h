#pragma once
// Helpers shared by the records tests: a fresh, empty records database on
// SQLite (a temporary file) or on the throw-away PostgreSQL server named by
// QUORVEL_TEST_PG_URL, and plain SQL beside the store.

#include "records/DatabaseConfig.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <optional>

namespace quorvel::test {

class ScratchDatabase {
public:
    // False (with why) when the engine is not available for this run.
    bool create(DatabaseConfig::Engine engine, QString* why);
    const DatabaseConfig& config() const { return m_config; }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    DatabaseConfig m_config;
};

// Runs one statement on a connection of its own; the rows it returns.
// busyTimeoutMs applies to SQLite (0: fail at once on a lock).
std::optional<QList<QVariantList>> rawSql(const DatabaseConfig& config, const QString& sql, QString* error = nullptr,
                                          int busyTimeoutMs = 0);

QString pgTestUrl();

} // namespace quorvel::test
