#pragma once
// Everything the program does with the records database, as operations named
// for what they do. The dialogs never build SQL; values are always bound.

#include "measure/DataRec.h"
#include "records/DatabaseConfig.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

class QSqlDatabase;

namespace quorvel {

// One row of the group table as stored; a null value stays a null QVariant.
struct GroupRow {
    int gid = 0;
    QVariant time;   // QDateTime
    QVariant sen;    // int
    QVariant rem;    // QString
};

// What a save or a modify writes into a group's row.
struct GroupParams {
    QDateTime time;
    int sen = 1;
    QString rem;
};

enum class LoadResult { Loaded, LoadedFirstPart, Failed };

class RecordsStore {
public:
    static constexpr int kMaxRem = 50;

    explicit RecordsStore(DatabaseConfig config);
    ~RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // Opens and checks the tables. A missing SQLite file is an error and is
    // never created; while open, the file is ours alone.
    bool open(QString* error);
    void close();
    bool isOpen() const;
    const DatabaseConfig& config() const { return m_config; }

    std::optional<int> nextGroupNumber(QString* error);
    // One transaction: the group row and readings[0..count). Readings are
    // stored rounded to two decimals. False leaves the database unchanged.
    bool saveGroup(const GroupParams& params, const float* readings, int count, int* gid, QString* error);
    bool listGroups(QList<GroupRow>* rows, QString* error);
    // All or nothing into cur (Sensor, Rem, Time, Data, Count). More readings
    // than cur holds load the first part, with a message saying so.
    LoadResult loadGroup(int gid, TDataRec& cur, QString* message);
    bool updateGroup(int gid, const GroupParams& params, QString* error);
    bool deleteGroup(int gid, QString* error);

    // Test hook: the save fails after this many readings were written.
    void setFailAfterReadingsForTest(int n) { m_failAfterReadings = n; }

private:
    QSqlDatabase db() const;
    bool openSqlite(QSqlDatabase& db, QString* error);
    bool openPostgres(QSqlDatabase& db, QString* error);
    bool insertGroupRow(QSqlDatabase& db, int gid, const GroupParams& params, QString* error);
    bool insertReadings(QSqlDatabase& db, int gid, const float* readings, int count, QString* error);
    bool readGroupRow(int gid, GroupRow* row, QString* error);
    bool fail(QSqlDatabase& db, const QString& why, QString* error);

    DatabaseConfig m_config;
    QString m_connectionName;
    bool m_open = false;
    int m_failAfterReadings = -1;
};

// Rounds a reading to two decimals the way it is stored ("%.2f", always with
// a point), as the double that text stands for.
double storedReading(float value);

} // namespace quorvel
