// Two stations saving into one PostgreSQL database at the same moment.

#include "StoreTestSupport.h"

#include "records/RecordsStore.h"

#include <QThread>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace quorvel;

namespace {

constexpr int kGroupsPerStation = 15;

// One station: its own connection, made and used on its own thread.
std::vector<int> saveMany(const DatabaseConfig& config, float mark, QString* error)
{
    std::vector<int> gids;
    RecordsStore store(config);
    if (!store.open(error))
        return gids;
    for (int i = 0; i < kGroupsPerStation; ++i) {
        std::vector<float> readings(40 + i, mark);
        int gid = 0;
        if (!store.saveGroup({QDateTime::currentDateTime(), 1, QString()}, readings.data(), int(readings.size()), &gid, error))
            break;
        gids.push_back(gid);
    }
    return gids;
}

TEST(ConcurrentSaveTest, shouldGiveEveryGroupOfTwoStationsItsOwnNumberAndAllItsReadings)
{
    test::ScratchDatabase scratch;
    QString why;
    if (test::pgTestUrl().isEmpty())
        GTEST_SKIP() << "no PostgreSQL server for this run";
    ASSERT_TRUE(scratch.create(DatabaseConfig::Engine::PostgreSQL, &why)) << why.toStdString();

    std::vector<int> a, b;
    QString errA, errB;
    QThread* ta = QThread::create([&] { a = saveMany(scratch.config(), 1.5f, &errA); });
    QThread* tb = QThread::create([&] { b = saveMany(scratch.config(), 2.5f, &errB); });
    ta->start();
    tb->start();
    ta->wait();
    tb->wait();
    delete ta;
    delete tb;
    ASSERT_EQ(a.size(), size_t(kGroupsPerStation)) << errA.toStdString();
    ASSERT_EQ(b.size(), size_t(kGroupsPerStation)) << errB.toStdString();

    std::set<int> all(a.begin(), a.end());
    all.insert(b.begin(), b.end());
    EXPECT_EQ(all.size(), size_t(2 * kGroupsPerStation));

    RecordsStore store(scratch.config());
    ASSERT_TRUE(store.open(&why)) << why.toStdString();
    for (const auto& [gids, mark] : {std::pair{a, 1.5f}, std::pair{b, 2.5f}}) {
        for (size_t i = 0; i < gids.size(); ++i) {
            TDataRec cur;
            ASSERT_EQ(store.loadGroup(gids[i], cur, &why), LoadResult::Loaded) << why.toStdString();
            EXPECT_EQ(cur.Count, 40 + int(i));
            EXPECT_EQ(cur.Data[cur.Count], mark);
        }
    }
}

} // namespace
