#include "records/StoreSchema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace quorvel {

namespace {

enum class Kind { Integer, Real, DateTime, Text, Other };

struct Column {
    const char* table;
    const char* name;
    Kind kind;
    QString label;   // display label of group's fields, empty for data's
};

const QList<Column>& expectedColumns()
{
    static const QList<Column> columns = {
        {"group", "GID", Kind::Integer, QStringLiteral("\u5e8f\u53f7")},
        {"group", "Time", Kind::DateTime, QStringLiteral("\u65f6\u95f4")},
        {"group", "Sen", Kind::Integer, QStringLiteral("\u63a2\u5934")},
        {"group", "Rem", Kind::Text, QStringLiteral("\u5907\u6ce8")},
        {"data", "GID", Kind::Integer, QString()},
        {"data", "DID", Kind::Integer, QString()},
        {"data", "Data", Kind::Real, QString()},
    };
    return columns;
}

QString kindName(Kind k)
{
    switch (k) {
    case Kind::Integer: return QStringLiteral("a whole number");
    case Kind::Real: return QStringLiteral("a number");
    case Kind::DateTime: return QStringLiteral("a date-time");
    case Kind::Text: return QStringLiteral("text");
    case Kind::Other: break;
    }
    return QStringLiteral("of another kind");
}

// SQLite's affinity rules on the declared type, with date-times told apart.
Kind sqliteKind(const QString& declared)
{
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("INT")))
        return Kind::Integer;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) || t.contains(QLatin1String("TEXT")))
        return Kind::Text;
    if (t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME")))
        return Kind::DateTime;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) || t.contains(QLatin1String("DOUB"))
        || t.contains(QLatin1String("NUMERIC")) || t.contains(QLatin1String("DECIMAL")))
        return Kind::Real;
    return Kind::Other;
}

Kind postgresKind(const QString& type)
{
    if (type == QLatin1String("integer") || type == QLatin1String("smallint") || type == QLatin1String("bigint"))
        return Kind::Integer;
    if (type.startsWith(QLatin1String("timestamp")) || type == QLatin1String("date"))
        return Kind::DateTime;
    if (type == QLatin1String("character varying") || type == QLatin1String("text") || type == QLatin1String("character"))
        return Kind::Text;
    if (type == QLatin1String("double precision") || type == QLatin1String("real") || type == QLatin1String("numeric"))
        return Kind::Real;
    return Kind::Other;
}

// Column name -> kind of one table; false when the query fails.
bool readColumns(QSqlDatabase& db, bool postgres, const QString& table, QHash<QString, Kind>* out, QString* error)
{
    QSqlQuery q(db);
    bool ok;
    if (postgres) {
        q.prepare(QStringLiteral("SELECT column_name, data_type FROM information_schema.columns "
                                 "WHERE table_schema = current_schema() AND table_name = ?"));
        q.addBindValue(table);
        ok = q.exec();
    } else {
        ok = q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));   // table is one of ours
    }
    if (!ok) {
        *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        if (postgres)
            out->insert(q.value(0).toString().toLower(), postgresKind(q.value(1).toString()));
        else
            out->insert(q.value(1).toString().toLower(), sqliteKind(q.value(2).toString()));
    }
    return true;
}

const char* const kCreateSqlite[] = {
    "CREATE TABLE \"group\" (\"GID\" INTEGER NOT NULL PRIMARY KEY, \"Time\" DATETIME, \"Sen\" SMALLINT, "
    "\"Rem\" VARCHAR(50) NOT NULL DEFAULT '')",
    "CREATE TABLE \"data\" (\"GID\" INTEGER NOT NULL REFERENCES \"group\"(\"GID\") ON DELETE CASCADE, "
    "\"DID\" INTEGER NOT NULL, \"Data\" DOUBLE, PRIMARY KEY (\"GID\", \"DID\"))",
};

const char* const kCreatePostgres[] = {
    "CREATE TABLE IF NOT EXISTS \"group\" (\"GID\" INTEGER NOT NULL PRIMARY KEY, \"Time\" TIMESTAMP(3), "
    "\"Sen\" SMALLINT, \"Rem\" VARCHAR(50) NOT NULL DEFAULT '')",
    "CREATE TABLE IF NOT EXISTS \"data\" (\"GID\" INTEGER NOT NULL REFERENCES \"group\"(\"GID\") ON DELETE CASCADE, "
    "\"DID\" INTEGER NOT NULL, \"Data\" DOUBLE PRECISION, PRIMARY KEY (\"GID\", \"DID\"))",
};

} // namespace

bool StoreSchema::createTables(QSqlDatabase& db, bool postgres, QString* error)
{
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    // "already exists, skipping" notices would only clutter the terminal.
    if (postgres)
        QSqlQuery(db).exec(QStringLiteral("SET LOCAL client_min_messages = warning"));
    for (const char* statement : postgres ? kCreatePostgres : kCreateSqlite) {
        QSqlQuery q(db);
        if (!q.exec(QString::fromLatin1(statement))) {
            *error = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

bool StoreSchema::checkTables(QSqlDatabase& db, bool postgres, QString* error)
{
    QHash<QString, QHash<QString, Kind>> tables;
    for (const QString& table : {QStringLiteral("group"), QStringLiteral("data")}) {
        QString why;
        if (!readColumns(db, postgres, table, &tables[table], &why)) {
            *error = QStringLiteral("The table \"%1\" cannot be read: %2").arg(table, why);
            return false;
        }
        if (tables[table].isEmpty()) {
            *error = QStringLiteral("The table \"%1\" is missing.").arg(table);
            return false;
        }
    }
    for (const Column& c : expectedColumns()) {
        const QString table = QString::fromLatin1(c.table);
        const QString name = QString::fromLatin1(c.name);
        const QString field = c.label.isEmpty() ? name : c.label;
        const auto found = tables[table].constFind(name.toLower());
        if (found == tables[table].constEnd()) {
            *error = QStringLiteral("Field '%1' not found: the table \"%2\" has no column \"%3\".").arg(field, table, name);
            return false;
        }
        if (*found != c.kind) {
            *error = QStringLiteral("Type mismatch for field '%1': the column \"%2\" of the table \"%3\" "
                                    "is %4, expecting %5.")
                         .arg(field, name, table, kindName(*found), kindName(c.kind));
            return false;
        }
    }
    return true;
}

QString StoreSchema::fileProblem(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("The file \"%1\" cannot be read: %2").arg(path, f.errorString());
    const QByteArray head = f.read(32);
    if (head.isEmpty() || head.startsWith(QByteArray("SQLite format 3\0", 16)))
        return QString();
    const QByteArray mark = head.mid(4, 15);
    if (mark == "Standard Jet DB" || mark == "Standard ACE DB")
        return QStringLiteral("The file \"%1\" is an Access (Jet) database, which this program cannot read. "
                              "Its groups have to be moved into a new records database.").arg(path);
    return QStringLiteral("The file \"%1\" is not a database.").arg(path);
}

} // namespace quorvel
