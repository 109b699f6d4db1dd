// Saving and loading a full group (65530 readings) on SQLite, against the
// old way of one INSERT statement per reading, each committed on its own.

#include "records/DatabaseInit.h"
#include "records/RecordsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace quorvel;

namespace {

// The literal way takes tens of seconds for a full group; on a slow machine
// QUORVEL_BENCH_LITERAL_READINGS times a prefix and the counter scales it up.
int literalReadings()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QUORVEL_BENCH_LITERAL_READINGS", &ok);
    return ok && n > 0 && n <= TDataRec::kMaxCount ? n : TDataRec::kMaxCount;
}

struct Scratch {
    QTemporaryDir dir;
    DatabaseConfig config;
    Scratch()
    {
        config.file = dir.filePath(QStringLiteral("Qr.mdb"));
        QString why;
        initDatabase(config, &why);
    }
};

TDataRec& fullGroup()
{
    static auto cur = [] {
        auto c = std::make_unique<TDataRec>();
        c->Count = TDataRec::kMaxCount;
        for (int i = 1; i <= c->Count; ++i)
            c->Data[i] = float(i % 60000) / 10.0f;
        return c;
    }();
    return *cur;
}

void BM_SaveFullGroup(benchmark::State& state)
{
    Scratch s;
    TDataRec& cur = fullGroup();
    for (auto _ : state) {
        // As the save dialog does it: open, save, close.
        RecordsStore store(s.config);
        QString why;
        int gid = 0;
        if (!store.open(&why) || !store.saveGroup({QDateTime::currentDateTime(), 1, QString()}, &cur.Data[1], cur.Count, &gid, &why))
            state.SkipWithError(why.toUtf8().constData());
    }
}
BENCHMARK(BM_SaveFullGroup)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadFullGroup(benchmark::State& state)
{
    Scratch s;
    RecordsStore store(s.config);
    QString why;
    int gid = 0;
    store.open(&why);
    store.saveGroup({QDateTime::currentDateTime(), 1, QString()}, &fullGroup().Data[1], TDataRec::kMaxCount, &gid, &why);
    auto cur = std::make_unique<TDataRec>();
    for (auto _ : state) {
        if (store.loadGroup(gid, *cur, &why) != LoadResult::Loaded)
            state.SkipWithError(why.toUtf8().constData());
    }
}
BENCHMARK(BM_LoadFullGroup)->Unit(benchmark::kMillisecond)->Iterations(5);

// One statement per reading, values written into the text, autocommitted.
// full_group_s is the time for all 65530 readings (scaled up when a prefix ran).
void BM_LiteralWay(benchmark::State& state)
{
    Scratch s;
    const TDataRec& cur = fullGroup();
    const int readings = literalReadings();
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("literal"));
            d.setDatabaseName(s.config.resolvedFile());
            d.open();
            QSqlQuery q(d);
            q.exec(QStringLiteral("INSERT INTO \"group\" (\"GID\", \"Sen\", \"Rem\") VALUES (1, 1, '')"));
            for (int i = 1; i <= readings; ++i)
                q.exec(QStringLiteral("INSERT INTO \"data\" (\"GID\", \"DID\", \"Data\") VALUES (1, %1, %2)")
                           .arg(i).arg(QString::asprintf("%.2f", double(cur.Data[i]))));
            q = QSqlQuery();
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("literal"));
    }
    state.counters["readings"] = readings;
    state.counters["full_group_s"] = timer.elapsed() / 1000.0 * TDataRec::kMaxCount / readings;
}
BENCHMARK(BM_LiteralWay)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);   // the SQL drivers want an application object
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
