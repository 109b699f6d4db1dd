#include "records/RecordsStore.h"

#include "platform/DateTimeText.h"
#include "records/StoreSchema.h"
#include "records/StoredTime.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <vector>

namespace quorvel {

namespace {

QAtomicInt connectionCounter;
constexpr int kRowsPerInsert = 300;   // 900 parameters, well inside every engine's limit

QString engineText(const QSqlError& e)
{
    const QString text = e.text().trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

bool run(QSqlQuery& q, QString* why)
{
    if (q.exec())
        return true;
    *why = engineText(q.lastError());
    return false;
}

} // namespace

double storedReading(float value)
{
    // QString::asprintf ignores the locale, so the point stays a point.
    return QString::asprintf("%.2f", double(value)).toDouble();
}

RecordsStore::RecordsStore(DatabaseConfig config)
    : m_config(std::move(config)),
      m_connectionName(QStringLiteral("quorvel-records-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

RecordsStore::~RecordsStore()
{
    close();
}

QSqlDatabase RecordsStore::db() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool RecordsStore::isOpen() const
{
    return m_open;
}

bool RecordsStore::open(QString* error)
{
    close();
    bool ok;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(m_config.isPostgres() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                                   m_connectionName);
        ok = m_config.isPostgres() ? openPostgres(d, error) : openSqlite(d, error);
        if (ok && !StoreSchema::checkTables(d, m_config.isPostgres(), error)) {
            *error = QStringLiteral("The records %1 does not have the expected tables. %2\r\n"
                                    "Use a records database made with \"quorvel --init-database\".")
                         .arg(m_config.describe(), *error);
            ok = false;
        }
        if (!ok)
            d.close();
    }
    if (!ok)
        QSqlDatabase::removeDatabase(m_connectionName);
    m_open = ok;
    return ok;
}

bool RecordsStore::openSqlite(QSqlDatabase& d, QString* error)
{
    const QString path = m_config.resolvedFile();
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("The records database \"%1\" does not exist.\r\n"
                                "Create it with \"quorvel --init-database\", or start the program in the folder "
                                "that holds it.").arg(path);
        return false;
    }
    if (const QString problem = StoreSchema::fileProblem(path); !problem.isEmpty()) {
        *error = problem + QStringLiteral("\r\nChoose a records database made with \"quorvel --init-database\".");
        return false;
    }
    // mode=rw: the engine must never create the file, even if it vanished just now.
    d.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1000"));
    QSqlQuery q(d);
    if (!d.open() || !q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"))
        || !q.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
        *error = QStringLiteral("The records database \"%1\" cannot be opened: %2\r\n"
                                "Check that the file is a records database and may be written.")
                     .arg(path, engineText(q.lastError().isValid() ? q.lastError() : d.lastError()));
        return false;
    }
    // Take the exclusive lock now, not at the first write, so that another
    // program cannot write underneath while we are open.
    if (!q.exec(QStringLiteral("BEGIN EXCLUSIVE")) || !q.exec(QStringLiteral("COMMIT"))) {
        *error = QStringLiteral("The records database \"%1\" is in use by another program (%2).\r\n"
                                "Close the other program and try again.").arg(path, engineText(q.lastError()));
        return false;
    }
    return true;
}

bool RecordsStore::openPostgres(QSqlDatabase& d, QString* error)
{
    d.setHostName(m_config.host);
    d.setPort(m_config.port);
    d.setUserName(m_config.user);
    d.setPassword(m_config.password);
    d.setDatabaseName(m_config.name);
    d.setConnectOptions(QStringLiteral("connect_timeout=10"));
    if (d.open())
        return true;
    *error = QStringLiteral("Cannot connect to the records %1: %2\r\n"
                            "Check that the server is running and that the address given with --database "
                            "or QUORVEL_DATABASE is right.").arg(m_config.describe(), engineText(d.lastError()));
    return false;
}

void RecordsStore::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase d = db();
        d.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_open = false;
}

std::optional<int> RecordsStore::nextGroupNumber(QString* error)
{
    if (!m_open) {
        *error = QStringLiteral("The records database is not open.");
        return std::nullopt;
    }
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT COALESCE(MAX(\"GID\"), 0) + 1 FROM \"group\""));
    if (!run(q, error) || !q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

bool RecordsStore::fail(QSqlDatabase& d, const QString& why, QString* error)
{
    d.rollback();
    *error = QStringLiteral("Saving the group failed: %1\r\nNothing of it was stored; check the records "
                            "database and press Save again.").arg(why);
    return false;
}

bool RecordsStore::saveGroup(const GroupParams& params, const float* readings, int count, int* gid, QString* error)
{
    *gid = 0;
    if (count <= 0)
        return true;
    if (!m_open) {
        *error = QStringLiteral("The records database is not open.");
        return false;
    }
    if (params.rem.size() > kMaxRem) {
        *error = QStringLiteral("A comment holds at most %1 characters.").arg(kMaxRem);
        return false;
    }
    QSqlDatabase d = db();
    if (!d.transaction())
        return fail(d, engineText(d.lastError()), error);
    QString why;
    QSqlQuery q(d);
    // Stations sharing a server must not pick the same number: the lock
    // holds the others back until this group is committed.
    if (m_config.isPostgres() && !q.exec(QStringLiteral("LOCK TABLE \"group\" IN EXCLUSIVE MODE")))
        return fail(d, engineText(q.lastError()), error);
    q.prepare(QStringLiteral("SELECT COALESCE(MAX(\"GID\"), 0) + 1 FROM \"group\""));
    if (!run(q, &why) || !q.next())
        return fail(d, why.isEmpty() ? QStringLiteral("no group number") : why, error);
    const int next = q.value(0).toInt();
    if (!insertGroupRow(d, next, params, &why) || !insertReadings(d, next, readings, count, &why))
        return fail(d, why, error);
    if (!d.commit())
        return fail(d, engineText(d.lastError()), error);
    *gid = next;
    return true;
}

bool RecordsStore::insertGroupRow(QSqlDatabase& d, int gid, const GroupParams& params, QString* why)
{
    QSqlQuery q(d);
    // A file written by an older program may hold readings under a number
    // whose group is gone; they must not join the new group.
    q.prepare(QStringLiteral("DELETE FROM \"data\" WHERE \"GID\" = ?"));
    q.addBindValue(gid);
    if (!run(q, why))
        return false;
    const QString time = m_config.isPostgres() ? QStringLiteral("CAST(? AS timestamp)") : QStringLiteral("?");
    q.prepare(QStringLiteral("INSERT INTO \"group\" (\"GID\", \"Time\", \"Sen\", \"Rem\") VALUES (?, %1, ?, ?)").arg(time));
    q.addBindValue(gid);
    q.addBindValue(storedTimeText(params.time));
    q.addBindValue(params.sen);
    q.addBindValue(params.rem.isNull() ? QStringLiteral("") : params.rem);
    return run(q, why);
}

bool RecordsStore::insertReadings(QSqlDatabase& d, int gid, const float* readings, int count, QString* why)
{
    QSqlQuery q(d);
    int preparedRows = 0;
    for (int done = 0; done < count;) {
        int rows = std::min(kRowsPerInsert, count - done);
        if (m_failAfterReadings >= 0) {
            if (done >= m_failAfterReadings) {
                *why = QStringLiteral("failure injected by a test");
                return false;
            }
            rows = std::min(rows, m_failAfterReadings - done);
        }
        if (rows != preparedRows) {
            QStringList tuples(rows, QStringLiteral("(?, ?, ?)"));
            q.prepare(QStringLiteral("INSERT INTO \"data\" (\"GID\", \"DID\", \"Data\") VALUES ") + tuples.join(QLatin1Char(',')));
            preparedRows = rows;
        }
        for (int i = 0; i < rows; ++i) {
            q.addBindValue(gid);
            q.addBindValue(done + i + 1);
            q.addBindValue(storedReading(readings[done + i]));
        }
        if (!run(q, why))
            return false;
        done += rows;
    }
    return true;
}

namespace {

QString timeSelect(bool postgres)
{
    // Naive text, whatever the server's DateStyle or the driver's time zone.
    return postgres ? QStringLiteral("to_char(\"Time\", 'YYYY-MM-DD HH24:MI:SS.MS')") : QStringLiteral("\"Time\"");
}

GroupRow rowFrom(const QSqlQuery& q)
{
    GroupRow r;
    r.gid = q.value(0).toInt();
    if (const auto t = timeFromStored(q.value(1)))
        r.time = *t;
    // A probe number that is not a number (SQLite lets any text in) counts as missing.
    bool isNumber = false;
    if (const int sen = q.value(2).toInt(&isNumber); isNumber && !q.value(2).isNull())
        r.sen = sen;
    if (!q.value(3).isNull())
        r.rem = q.value(3).toString();
    return r;
}

} // namespace

bool RecordsStore::listGroups(QList<GroupRow>* rows, QString* error)
{
    rows->clear();
    if (!m_open) {
        *error = QStringLiteral("The records database is not open.");
        return false;
    }
    QSqlQuery q(db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT \"GID\", %1, \"Sen\", \"Rem\" FROM \"group\" ORDER BY \"GID\"")
                  .arg(timeSelect(m_config.isPostgres())));
    if (!run(q, error)) {
        *error = QStringLiteral("The saved groups cannot be listed: %1").arg(*error);
        return false;
    }
    while (q.next())
        rows->append(rowFrom(q));
    return true;
}

bool RecordsStore::readGroupRow(int gid, GroupRow* row, QString* error)
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT \"GID\", %1, \"Sen\", \"Rem\" FROM \"group\" WHERE \"GID\" = ?")
                  .arg(timeSelect(m_config.isPostgres())));
    q.addBindValue(gid);
    if (!run(q, error))
        return false;
    if (!q.next()) {
        *error = QStringLiteral("The group %1 is no longer in the records database.").arg(gid);
        return false;
    }
    *row = rowFrom(q);
    return true;
}

LoadResult RecordsStore::loadGroup(int gid, TDataRec& cur, QString* message)
{
    GroupRow row;
    if (!m_open) {
        *message = QStringLiteral("The records database is not open.");
        return LoadResult::Failed;
    }
    if (!readGroupRow(gid, &row, message))
        return LoadResult::Failed;
    QString missing;
    if (!row.sen.isValid() || row.sen.toInt() < 0 || row.sen.toInt() > 255)
        missing = QStringLiteral("probe type (\u63a2\u5934)");
    else if (!row.rem.isValid())
        missing = QStringLiteral("comment (\u5907\u6ce8)");
    else if (!row.time.isValid())
        missing = QStringLiteral("valid date-time (\u65f6\u95f4)");
    if (!missing.isEmpty()) {
        *message = QStringLiteral("The group %1 has no %2, so it was not loaded.\r\n"
                                  "Give it one with \"Modify Parameters\" and load it again.").arg(gid).arg(missing);
        return LoadResult::Failed;
    }
    QSqlQuery q(db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT \"Data\" FROM \"data\" WHERE \"GID\" = ? ORDER BY \"DID\""));
    q.addBindValue(gid);
    if (!run(q, message)) {
        *message = QStringLiteral("The readings of group %1 cannot be read: %2").arg(gid).arg(*message);
        return LoadResult::Failed;
    }
    std::vector<float> values;
    values.reserve(1024);
    int total = 0;
    while (q.next()) {
        if (++total <= TDataRec::kMaxCount)
            values.push_back(q.value(0).toFloat());
    }
    // Only now, with everything read, does the current group change.
    cur.Sensor = uint8_t(row.sen.toInt());
    cur.Rem = row.rem.toString();
    cur.Time = daysFromDateTime(row.time.toDateTime());
    std::copy(values.begin(), values.end(), cur.Data.begin() + 1);
    cur.Count = uint16_t(values.size());
    if (total > TDataRec::kMaxCount) {
        *message = QStringLiteral("The group %1 holds %2 readings, more than the %3 a group can hold; "
                                  "the first %3 were loaded.").arg(gid).arg(total).arg(TDataRec::kMaxCount);
        return LoadResult::LoadedFirstPart;
    }
    return LoadResult::Loaded;
}

bool RecordsStore::updateGroup(int gid, const GroupParams& params, QString* error)
{
    if (!m_open) {
        *error = QStringLiteral("The records database is not open.");
        return false;
    }
    if (params.rem.size() > kMaxRem) {
        *error = QStringLiteral("A comment holds at most %1 characters.").arg(kMaxRem);
        return false;
    }
    const QString time = m_config.isPostgres() ? QStringLiteral("CAST(? AS timestamp)") : QStringLiteral("?");
    QSqlQuery q(db());
    q.prepare(QStringLiteral("UPDATE \"group\" SET \"Time\" = %1, \"Sen\" = ?, \"Rem\" = ? WHERE \"GID\" = ?").arg(time));
    q.addBindValue(storedTimeText(params.time));
    q.addBindValue(params.sen);
    q.addBindValue(params.rem.isNull() ? QStringLiteral("") : params.rem);
    q.addBindValue(gid);
    if (!run(q, error)) {
        *error = QStringLiteral("The group %1 could not be changed: %2").arg(gid).arg(*error);
        return false;
    }
    if (q.numRowsAffected() != 1) {
        *error = QStringLiteral("The group %1 is no longer in the records database.").arg(gid);
        return false;
    }
    return true;
}

bool RecordsStore::deleteGroup(int gid, QString* error)
{
    if (!m_open) {
        *error = QStringLiteral("The records database is not open.");
        return false;
    }
    QSqlDatabase d = db();
    QString why;
    bool ok = d.transaction();
    if (!ok)
        why = engineText(d.lastError());
    // The readings go explicitly: an older file may have no cascading key.
    for (const QString& table : {QStringLiteral("data"), QStringLiteral("group")}) {
        if (!ok)
            break;
        QSqlQuery q(d);
        q.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE \"GID\" = ?").arg(table));
        q.addBindValue(gid);
        ok = run(q, &why);
    }
    if (ok && !d.commit()) {
        ok = false;
        why = engineText(d.lastError());
    }
    if (!ok) {
        d.rollback();
        *error = QStringLiteral("The group %1 could not be deleted: %2").arg(gid).arg(why);
    }
    return ok;
}

} // namespace quorvel
