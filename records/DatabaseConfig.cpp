#include "records/DatabaseConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace quorvel {

namespace {

std::optional<DatabaseConfig> postgresFromUrl(const QString& text, QString* error)
{
    const QUrl url(text, QUrl::StrictMode);
    DatabaseConfig c;
    c.engine = DatabaseConfig::Engine::PostgreSQL;
    c.host = url.host();
    c.port = url.port(5432);
    c.user = url.userName();
    c.password = url.password();
    c.name = url.path().mid(1);
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host")))
        c.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (!url.isValid() || c.name.isEmpty() || c.name.contains(QLatin1Char('/'))) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a database address of the form "
                                    "postgresql://USER@HOST:PORT/NAME.").arg(text);
        return std::nullopt;
    }
    return c;
}

} // namespace

QString DatabaseConfig::resolvedFile() const
{
    return QFileInfo(QDir::current(), file).absoluteFilePath();
}

QString DatabaseConfig::describe() const
{
    if (!isPostgres())
        return QStringLiteral("file \"%1\"").arg(resolvedFile());
    return QStringLiteral("database \"%1\" on %2").arg(name, host.isEmpty() ? QStringLiteral("localhost") : host);
}

std::optional<DatabaseConfig> DatabaseConfig::fromUrl(const QString& url, QString* error)
{
    DatabaseConfig c;
    if (url.isEmpty())
        return c;
    if (url.startsWith(QLatin1String("postgresql://")) || url.startsWith(QLatin1String("postgres://")))
        return postgresFromUrl(url, error);
    if (url.startsWith(QLatin1String("file://")))
        c.file = QUrl(url).toLocalFile();
    else if (url.startsWith(QLatin1String("sqlite:")))
        c.file = url.mid(7);
    else if (url.startsWith(QLatin1String("file:")))
        c.file = url.mid(5);
    else
        c.file = url;
    if (c.file.isEmpty()) {
        if (error)
            *error = QStringLiteral("\"%1\" names no database file.").arg(url);
        return std::nullopt;
    }
    return c;
}

std::optional<DatabaseConfig> DatabaseConfig::fromOptions(const QString& commandLineUrl, QString* error)
{
    if (!commandLineUrl.isEmpty())
        return fromUrl(commandLineUrl, error);
    return fromUrl(qEnvironmentVariable(kEnvironmentVariable), error);
}

} // namespace quorvel
