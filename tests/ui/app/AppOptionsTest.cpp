#include "app/AppOptions.h"

#include <QCommandLineParser>
#include <gtest/gtest.h>

using quorvel::AppOptions;

namespace {

struct Parsed {
    bool ok = false;
    AppOptions options;
};

Parsed parse(QStringList args)
{
    QCommandLineParser parser;
    quorvel::addAppOptions(parser);
    args.prepend(QStringLiteral("quorvel"));
    Parsed p;
    QString error;
    if (parser.parse(args))
        p.ok = quorvel::readAppOptions(parser, &p.options, &error);
    return p;
}

TEST(AppOptionsTest, portsAreKeptInOrder)
{
    const Parsed p = parse({"--port", "/dev/pts/3", "--port", "/dev/ttyUSB0"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.ports, (QStringList{"/dev/pts/3", "/dev/ttyUSB0"}));
}

TEST(AppOptionsTest, databaseAndInitDatabaseWithAndWithoutFile)
{
    Parsed p = parse({"--database", "QSQLITE:/tmp/x.db"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.databaseUrl, QStringLiteral("QSQLITE:/tmp/x.db"));
    EXPECT_FALSE(p.options.initDatabase);

    p = parse({"--init-database"});
    ASSERT_TRUE(p.ok);
    EXPECT_TRUE(p.options.initDatabase);
    EXPECT_TRUE(p.options.initDatabaseFile.isEmpty());

    p = parse({"--init-database", "/tmp/records.db"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.options.initDatabaseFile, QStringLiteral("/tmp/records.db"));
}

TEST(AppOptionsTest, strayArgumentsAndUnknownOptionsAreRefused)
{
    for (const QStringList& args : {QStringList{"stray"}, QStringList{"--init-database", "a", "b"},
                                    QStringList{"--bogus"}, QStringList{"--port"}})
        EXPECT_FALSE(parse(args).ok) << args.join(' ').toStdString();
}

} // namespace
