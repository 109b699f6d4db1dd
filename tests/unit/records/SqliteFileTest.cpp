// What opening a records file on SQLite says about files that are missing,
// foreign, malformed or in use, and what --init-database makes.

#include "StoreTestSupport.h"

#include "records/DatabaseInit.h"
#include "records/RecordsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::rawSql;

namespace {

class SqliteFileTest : public ::testing::Test {
protected:
    DatabaseConfig configFor(const QString& name)
    {
        DatabaseConfig c;
        c.file = dir.filePath(name);
        return c;
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString openError(const DatabaseConfig& c)
    {
        RecordsStore store(c);
        QString why;
        EXPECT_FALSE(store.open(&why));
        return why;
    }
    QTemporaryDir dir;
};

TEST_F(SqliteFileTest, shouldReportAMissingFileAndNeverCreateIt)
{
    const DatabaseConfig c = configFor(QStringLiteral("Qr.mdb"));
    const QString why = openError(c);
    EXPECT_TRUE(why.contains(QStringLiteral("does not exist"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("--init-database")));
    EXPECT_FALSE(QFile::exists(c.file));
}

TEST_F(SqliteFileTest, shouldNameForeignFilesInPlainWords)
{
    QByteArray jet(2048, '\0');
    jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    writeFile(QStringLiteral("jet.mdb"), jet);
    writeFile(QStringLiteral("text.mdb"), QByteArray("GID;Time;Sen;Rem\n1;2024-01-01;1;x\n"));

    EXPECT_TRUE(openError(configFor(QStringLiteral("jet.mdb"))).contains(QStringLiteral("an Access (Jet) database")));
    EXPECT_TRUE(openError(configFor(QStringLiteral("text.mdb"))).contains(QStringLiteral("is not a database")));
}

TEST_F(SqliteFileTest, shouldNameTheFieldOfAColumnOfTheWrongKindByItsLabel)
{
    const DatabaseConfig c = configFor(QStringLiteral("odd.mdb"));
    ASSERT_TRUE(rawSql(c, QStringLiteral("CREATE TABLE \"group\" (\"GID\" INTEGER PRIMARY KEY, \"Time\" DATETIME, "
                                         "\"Sen\" TEXT, \"Rem\" VARCHAR(50))")));
    ASSERT_TRUE(rawSql(c, QStringLiteral("CREATE TABLE \"data\" (\"GID\" INTEGER, \"DID\" INTEGER, \"Data\" DOUBLE)")));
    const QString why = openError(c);
    EXPECT_TRUE(why.contains(QStringLiteral("\u63a2\u5934"))) << why.toStdString();

    const DatabaseConfig bare = configFor(QStringLiteral("bare.mdb"));
    ASSERT_TRUE(rawSql(bare, QStringLiteral("CREATE TABLE t (x)")));
    EXPECT_TRUE(openError(bare).contains(QStringLiteral("\"group\" is missing")));
}

TEST_F(SqliteFileTest, shouldKeepOtherWritersOutWhileOpen)
{
    const DatabaseConfig c = configFor(QStringLiteral("Qr.mdb"));
    QString why;
    ASSERT_EQ(initDatabase(c, &why), 0) << why.toStdString();
    const QString insert = QStringLiteral("INSERT INTO \"group\" (\"GID\", \"Sen\") VALUES (%1, 1)");
    {
        RecordsStore store(c);
        ASSERT_TRUE(store.open(&why)) << why.toStdString();
        EXPECT_FALSE(rawSql(c, insert.arg(1)).has_value());
        RecordsStore second(c);
        EXPECT_FALSE(second.open(&why));
        EXPECT_TRUE(why.contains(QStringLiteral("in use"))) << why.toStdString();
    }
    EXPECT_TRUE(rawSql(c, insert.arg(2)).has_value());
}

TEST_F(SqliteFileTest, shouldCreateAnEmptyDatabaseButNeverOverwriteOne)
{
    const DatabaseConfig c = configFor(QStringLiteral("new.mdb"));
    QString why;
    ASSERT_EQ(initDatabase(c, &why), 0) << why.toStdString();
    RecordsStore store(c);
    ASSERT_TRUE(store.open(&why)) << why.toStdString();
    EXPECT_EQ(store.nextGroupNumber(&why), 1);
    store.close();

    writeFile(QStringLiteral("old.mdb"), QByteArray("keep me"));
    EXPECT_EQ(initDatabase(configFor(QStringLiteral("old.mdb")), &why), 1);
    EXPECT_TRUE(why.contains(QStringLiteral("already exists")));
    QFile f(dir.filePath(QStringLiteral("old.mdb")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));

    const DatabaseConfig nowhere = configFor(QStringLiteral("no-such-folder/Qr.mdb"));
    EXPECT_EQ(initDatabase(nowhere, &why), 1);
    EXPECT_TRUE(why.contains(QStringLiteral("cannot be created"))) << why.toStdString();
}

} // namespace
