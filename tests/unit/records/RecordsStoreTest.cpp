// The records store on both engines: numbering, saving, loading, modifying,
// deleting, and that a failed save or load changes nothing.

#include "StoreTestSupport.h"

#include "platform/DateTimeText.h"
#include "records/DatabaseInit.h"
#include "records/RecordsStore.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace quorvel;
using quorvel::test::rawSql;
using Engine = DatabaseConfig::Engine;

namespace {

const QDateTime kTime(QDate(2024, 3, 5), QTime(14, 7, 9));

class RecordsStoreTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override
    {
        QString why;
        if (!scratch.create(GetParam(), &why)) {
            if (GetParam() == Engine::PostgreSQL && test::pgTestUrl().isEmpty())
                GTEST_SKIP() << "no PostgreSQL server for this run";
            FAIL() << why.toStdString();
        }
        store = std::make_unique<RecordsStore>(scratch.config());
        ASSERT_TRUE(store->open(&why)) << why.toStdString();
    }

    int save(const std::vector<float>& readings, const QString& rem = QStringLiteral("r"), int sen = 2)
    {
        int gid = -1;
        QString why;
        EXPECT_TRUE(store->saveGroup({kTime, sen, rem}, readings.data(), int(readings.size()), &gid, &why))
            << why.toStdString();
        return gid;
    }

    // Rows of a statement run beside the store (which is closed for it, as
    // SQLite's exclusive lock would keep it out).
    QList<QVariantList> peek(const QString& sql)
    {
        store->close();
        QString why;
        const auto rows = rawSql(scratch.config(), sql, &why);
        EXPECT_TRUE(rows.has_value()) << why.toStdString();
        EXPECT_TRUE(store->open(&why)) << why.toStdString();
        return rows.value_or(QList<QVariantList>());
    }

    test::ScratchDatabase scratch;
    std::unique_ptr<RecordsStore> store;
};

TEST_P(RecordsStoreTest, shouldNumberFromOneAndReuseADeletedHighestNumberWithOnlyItsOwnReadings)
{
    EXPECT_EQ(save({1.0f, 2.0f, 3.0f}), 1);
    EXPECT_EQ(save({4.0f, 5.0f}), 2);
    QString why;
    ASSERT_TRUE(store->deleteGroup(2, &why)) << why.toStdString();
    EXPECT_EQ(store->nextGroupNumber(&why), 2);
    EXPECT_EQ(save({9.9f}), 2);

    TDataRec cur;
    ASSERT_EQ(store->loadGroup(2, cur, &why), LoadResult::Loaded) << why.toStdString();
    ASSERT_EQ(cur.Count, 1);
    EXPECT_FLOAT_EQ(cur.Data[1], 9.9f);
    EXPECT_EQ(peek(QStringLiteral("SELECT COUNT(*) FROM \"data\"")).at(0).at(0).toInt(), 4);
}

TEST_P(RecordsStoreTest, shouldWriteNothingForAnEmptyGroup)
{
    EXPECT_EQ(save({}), 0);
    QList<GroupRow> rows;
    QString why;
    ASSERT_TRUE(store->listGroups(&rows, &why));
    EXPECT_TRUE(rows.isEmpty());
}

TEST_P(RecordsStoreTest, shouldLoadReadingsBackInOrderWithProbeCommentAndTime)
{
    const int gid = save({12.3f, 45.6f, 7.8f}, QStringLiteral("north wall"), 4);
    TDataRec cur;
    cur.Data[4] = 99.0f;
    QString why;
    ASSERT_EQ(store->loadGroup(gid, cur, &why), LoadResult::Loaded) << why.toStdString();
    ASSERT_EQ(cur.Count, 3);
    EXPECT_FLOAT_EQ(cur.Data[1], 12.3f);
    EXPECT_FLOAT_EQ(cur.Data[2], 45.6f);
    EXPECT_FLOAT_EQ(cur.Data[3], 7.8f);
    EXPECT_EQ(cur.Data[4], 99.0f);   // places above Count are not touched
    EXPECT_EQ(cur.Sensor, 4);
    EXPECT_EQ(cur.Rem, QStringLiteral("north wall"));
    EXPECT_EQ(dateTimeFromDays(cur.Time), kTime);

    QList<GroupRow> rows;
    ASSERT_TRUE(store->listGroups(&rows, &why));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].time.toDateTime(), kTime);
}

TEST_P(RecordsStoreTest, shouldStoreCommentsExactlyAsTyped)
{
    const QStringList comments = {
        QString(), QStringLiteral("it's \"fine\""), QStringLiteral("'); DROP TABLE \"data\"; --"),
        QString(50, QChar(0x6d4b)),   // fifty CJK characters: the limit counts characters, not bytes
    };
    QString why;
    for (const QString& rem : comments) {
        const int gid = save({1.0f}, rem);
        TDataRec cur;
        ASSERT_EQ(store->loadGroup(gid, cur, &why), LoadResult::Loaded) << why.toStdString();
        EXPECT_EQ(cur.Rem, rem.isNull() ? QStringLiteral("") : rem);
    }
    int gid = 0;
    const float one = 1.0f;
    EXPECT_FALSE(store->saveGroup({kTime, 1, QString(51, QLatin1Char('x'))}, &one, 1, &gid, &why));
}

TEST_P(RecordsStoreTest, shouldStoreReadingsWithTwoDecimalsUnderACommaLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int gid = save({0.1f, 250.5f, 3.14159f});
    QLocale::setDefault(before);

    const auto rows = peek(QStringLiteral("SELECT \"Data\" FROM \"data\" WHERE \"GID\" = %1 ORDER BY \"DID\"").arg(gid));
    ASSERT_EQ(rows.size(), 3);
    // The doubles that "0.10", "250.50" and "3.14" stand for, not the singles' own values.
    EXPECT_EQ(rows[0][0].toDouble(), 0.10);
    EXPECT_EQ(rows[1][0].toDouble(), 250.50);
    EXPECT_EQ(rows[2][0].toDouble(), 3.14);
}

TEST_P(RecordsStoreTest, shouldLeaveNothingWhenASaveFailsHalfway)
{
    EXPECT_EQ(save({1.0f}), 1);
    store->setFailAfterReadingsForTest(2);
    int gid = -1;
    QString why;
    const std::vector<float> readings(700, 5.0f);
    EXPECT_FALSE(store->saveGroup({kTime, 1, QString()}, readings.data(), 3, &gid, &why));
    EXPECT_FALSE(why.isEmpty());
    store->setFailAfterReadingsForTest(650);   // past the first multi-row statement
    EXPECT_FALSE(store->saveGroup({kTime, 1, QString()}, readings.data(), 700, &gid, &why));

    const auto counts = peek(QStringLiteral("SELECT (SELECT COUNT(*) FROM \"group\"), (SELECT COUNT(*) FROM \"data\")"));
    EXPECT_EQ(counts[0][0].toInt(), 1);
    EXPECT_EQ(counts[0][1].toInt(), 1);
    store->setFailAfterReadingsForTest(-1);
    EXPECT_EQ(save({2.0f}), 2);
}

TEST_P(RecordsStoreTest, shouldLoadTheModifiedParametersAndKeepTheReadings)
{
    const int gid = save({12.3f, 45.6f}, QStringLiteral("before"), 1);
    const QDateTime later(QDate(1999, 12, 31), QTime(23, 59, 58, 500));
    QString why;
    ASSERT_TRUE(store->updateGroup(gid, {later, 10, QStringLiteral("after")}, &why)) << why.toStdString();
    EXPECT_FALSE(store->updateGroup(gid + 1, {later, 10, QString()}, &why));

    TDataRec cur;
    ASSERT_EQ(store->loadGroup(gid, cur, &why), LoadResult::Loaded) << why.toStdString();
    EXPECT_EQ(cur.Sensor, 10);
    EXPECT_EQ(cur.Rem, QStringLiteral("after"));
    EXPECT_EQ(dateTimeFromDays(cur.Time), later);
    EXPECT_EQ(cur.Count, 2);
}

TEST_P(RecordsStoreTest, shouldChangeNothingWhenAGroupHasAMissingValue)
{
    const int gid = save({1.0f, 2.0f});
    const struct { const char* column; const char* value; const char* label; bool anyEngine; } cases[] = {
        {"Sen", "NULL", "\u63a2\u5934", true},
        {"Time", "NULL", "\u65f6\u95f4", true},
        // Only SQLite lets text into a number or date-time column.
        {"Sen", "'KB'", "\u63a2\u5934", false},
        {"Time", "'yesterday'", "\u65f6\u95f4", false},
    };
    for (const auto& c : cases) {
        if (!c.anyEngine && GetParam() != Engine::SQLite)
            continue;
        peek(QStringLiteral("UPDATE \"group\" SET \"%1\" = %2").arg(QLatin1String(c.column), QLatin1String(c.value)));
        TDataRec cur;
        cur.Count = 7;
        cur.Sensor = 3;
        cur.Rem = QStringLiteral("kept");
        QString why;
        EXPECT_EQ(store->loadGroup(gid, cur, &why), LoadResult::Failed);
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.label))) << why.toStdString();
        EXPECT_EQ(cur.Count, 7);
        EXPECT_EQ(cur.Sensor, 3);
        EXPECT_EQ(cur.Rem, QStringLiteral("kept"));
        QString fixWhy;
        ASSERT_TRUE(store->updateGroup(gid, {kTime, 2, QString()}, &fixWhy));
    }
    TDataRec cur;
    QString why;
    EXPECT_EQ(store->loadGroup(gid + 5, cur, &why), LoadResult::Failed);
}

TEST_P(RecordsStoreTest, shouldNameAColumnOfTheWrongKindByItsLabel)
{
    store->close();
    QString why;
    for (const char* sql : {"DROP TABLE \"data\"", "DROP TABLE \"group\"",
                            "CREATE TABLE \"group\" (\"GID\" INTEGER PRIMARY KEY, \"Time\" TIMESTAMP, \"Sen\" TEXT, "
                            "\"Rem\" VARCHAR(50))",
                            "CREATE TABLE \"data\" (\"GID\" INTEGER, \"DID\" INTEGER, \"Data\" DOUBLE PRECISION)"})
        ASSERT_TRUE(rawSql(scratch.config(), QString::fromLatin1(sql), &why)) << sql << ": " << why.toStdString();

    EXPECT_FALSE(store->open(&why));
    EXPECT_TRUE(why.contains(QStringLiteral("\u63a2\u5934"))) << why.toStdString();
    // --init-database leaves what is there alone and does not call it ready.
    EXPECT_EQ(initDatabase(scratch.config(), &why), 1);
    EXPECT_TRUE(why.contains(GetParam() == Engine::SQLite ? QStringLiteral("already exists") : QStringLiteral("\u63a2\u5934")))
        << why.toStdString();
}

TEST_P(RecordsStoreTest, shouldLoadTheFirstReadingsOfAnOversizedGroupAndSaySo)
{
    std::vector<float> readings(TDataRec::kMaxCount + 2);
    for (size_t i = 0; i < readings.size(); ++i)
        readings[i] = float(i % 1000) / 10.0f;
    const int gid = save(readings);
    TDataRec cur;
    QString why;
    EXPECT_EQ(store->loadGroup(gid, cur, &why), LoadResult::LoadedFirstPart);
    EXPECT_TRUE(why.contains(QStringLiteral("65530"))) << why.toStdString();
    EXPECT_EQ(cur.Count, TDataRec::kMaxCount);
    EXPECT_FLOAT_EQ(cur.Data[TDataRec::kMaxCount], readings[TDataRec::kMaxCount - 1]);
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordsStoreTest, ::testing::Values(Engine::SQLite, Engine::PostgreSQL),
                         [](const auto& info) {
                             return info.param == Engine::SQLite ? std::string("SQLite") : std::string("PostgreSQL");
                         });

} // namespace
