#pragma once
// quorvel --init-database [FILE]: makes an empty records database.

#include "records/DatabaseConfig.h"

#include <QString>

namespace quorvel {

// SQLite: creates the file with both tables; an existing file is never
// overwritten. PostgreSQL: creates the tables that are not there yet.
// Returns the process exit code (0 done, 1 failed); message says what happened.
int initDatabase(const DatabaseConfig& config, QString* message);

} // namespace quorvel
