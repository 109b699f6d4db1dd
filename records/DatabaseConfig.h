#pragma once
// Where the records database lives: a file (SQLite) or a PostgreSQL server
// shared by several stations.

#include <QString>
#include <optional>

namespace quorvel {

struct DatabaseConfig {
    enum class Engine { SQLite, PostgreSQL };

    static constexpr const char* kDefaultFile = "Qr.mdb";
    static constexpr const char* kEnvironmentVariable = "QUORVEL_DATABASE";

    Engine engine = Engine::SQLite;
    // SQLite: as given; a relative name is resolved against the current
    // directory each time a connection opens.
    QString file = QString::fromLatin1(kDefaultFile);
    // PostgreSQL: host name or socket directory, port, user, password, database.
    QString host;
    int port = 5432;
    QString user;
    QString password;
    QString name;

    bool isPostgres() const { return engine == Engine::PostgreSQL; }
    // The file's absolute path now (SQLite only).
    QString resolvedFile() const;
    // For messages, after "the records ": file "PATH" or database "NAME" on HOST; no password.
    QString describe() const;

    // "postgresql://USER@HOST:PORT/NAME", "postgresql://USER@/NAME?host=/dir",
    // "sqlite:PATH", "file:PATH" or a plain file path; empty gives the default.
    static std::optional<DatabaseConfig> fromUrl(const QString& url, QString* error);
    // The --database value when given, else QUORVEL_DATABASE, else the default.
    static std::optional<DatabaseConfig> fromOptions(const QString& commandLineUrl, QString* error);
};

} // namespace quorvel
