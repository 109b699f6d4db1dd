#pragma once
// What the command line asks of this run.

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace quorvel {

struct AppOptions {
    QStringList ports;            // --port DEVICE, in order: shown first in the port dialog
    QString databaseUrl;          // --database URL; empty: the default database file
    bool initDatabase = false;    // --init-database [FILE]
    QString initDatabaseFile;     //   its FILE, empty when none was given
    QString screenshotFile;       // --screenshot FILE: grab the shown window and quit
    QString instanceName;         // where the one-instance guard listens (tests give their own)
};

// Declares the options on the parser (with --help and --version).
void addAppOptions(QCommandLineParser& parser);

// Reads the parsed options. False with a message when they do not fit together.
bool readAppOptions(const QCommandLineParser& parser, AppOptions* options, QString* error);

} // namespace quorvel
