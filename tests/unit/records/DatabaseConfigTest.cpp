// Reading the database address from --database, QUORVEL_DATABASE or the default.

#include "records/DatabaseConfig.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

TEST(DatabaseConfigTest, shouldReadEveryFormOfAddress)
{
    struct Case { const char* url; bool postgres; const char* fileOrName; const char* host; int port; const char* user; };
    const Case cases[] = {
        {"", false, "Qr.mdb", "", 5432, ""},
        {"shop/records.db", false, "shop/records.db", "", 5432, ""},
        {"sqlite:/data/q.db", false, "/data/q.db", "", 5432, ""},
        {"file:///data/my%20q.db", false, "/data/my q.db", "", 5432, ""},
        {"postgresql://inspector@db.example:6543/records", true, "records", "db.example", 6543, "inspector"},
        {"postgresql://inspector@/records?host=/run/pg", true, "records", "/run/pg", 5432, "inspector"},
    };
    for (const Case& c : cases) {
        QString why;
        const auto config = DatabaseConfig::fromUrl(QString::fromUtf8(c.url), &why);
        ASSERT_TRUE(config.has_value()) << c.url << ": " << why.toStdString();
        EXPECT_EQ(config->isPostgres(), c.postgres) << c.url;
        EXPECT_EQ(c.postgres ? config->name : config->file, QString::fromUtf8(c.fileOrName)) << c.url;
        EXPECT_EQ(config->host, QString::fromUtf8(c.host)) << c.url;
        EXPECT_EQ(config->port, c.port) << c.url;
        EXPECT_EQ(config->user, QString::fromUtf8(c.user)) << c.url;
    }
    QString why;
    EXPECT_FALSE(DatabaseConfig::fromUrl(QStringLiteral("postgresql://u@host/"), &why).has_value());
    EXPECT_FALSE(why.isEmpty());
}

TEST(DatabaseConfigTest, shouldPreferTheCommandLineToTheEnvironment)
{
    qputenv(DatabaseConfig::kEnvironmentVariable, "postgresql://u@h/envdb");
    QString why;
    EXPECT_EQ(DatabaseConfig::fromOptions(QString(), &why)->name, QStringLiteral("envdb"));
    EXPECT_EQ(DatabaseConfig::fromOptions(QStringLiteral("cli.db"), &why)->file, QStringLiteral("cli.db"));
    qunsetenv(DatabaseConfig::kEnvironmentVariable);
    EXPECT_EQ(DatabaseConfig::fromOptions(QString(), &why)->file, QStringLiteral("Qr.mdb"));
}

TEST(DatabaseConfigTest, shouldResolveTheDefaultFileAgainstTheCurrentDirectoryEachTime)
{
    const DatabaseConfig c;
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(c.resolvedFile(), QDir(QDir::tempPath()).absoluteFilePath(QStringLiteral("Qr.mdb")));
    QDir::setCurrent(before);
    EXPECT_EQ(c.resolvedFile(), QDir(before).absoluteFilePath(QStringLiteral("Qr.mdb")));
}

} // namespace
