#pragma once
// The two tables of the records database: creating them, checking that an
// opened database has them with columns of the right kinds, and telling a
// file that is no SQLite database apart before the engine sees it.

#include <QString>

class QSqlDatabase;

namespace quorvel {

namespace StoreSchema {

bool createTables(QSqlDatabase& db, bool postgres, QString* error);
// False with a message naming the first missing table, missing column or
// column of the wrong kind (group's fields by their display labels).
bool checkTables(QSqlDatabase& db, bool postgres, QString* error);
// Empty when the file can be handed to SQLite; else what it is, in plain words.
QString fileProblem(const QString& path);

} // namespace StoreSchema

} // namespace quorvel
