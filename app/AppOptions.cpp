#include "app/AppOptions.h"

#include <QCommandLineParser>

namespace quorvel {

void addAppOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Companion program for a coating thickness gauge."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("port"),
                      QStringLiteral("Offer DEVICE first in the port dialog (a serial device or a "
                                     "pseudo-terminal); may be given more than once."),
                      QStringLiteral("DEVICE")});
    parser.addOption({QStringLiteral("database"),
                      QStringLiteral("Keep the saved groups in the database at URL instead of the default file."),
                      QStringLiteral("URL")});
    parser.addOption({QStringLiteral("init-database"),
                      QStringLiteral("Create the records database (in FILE when given) and fill it with "
                                     "its empty tables.")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The database file of --init-database."),
                                 QStringLiteral("[FILE]"));

    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the main window to FILE and quit."),
                                  QStringLiteral("FILE"));
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshot);
    QCommandLineOption instance(QStringLiteral("instance-name"),
                                QStringLiteral("Name of the one-instance guard's channel."), QStringLiteral("NAME"));
    instance.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(instance);
}

bool readAppOptions(const QCommandLineParser& parser, AppOptions* options, QString* error)
{
    AppOptions o;
    o.ports = parser.values(QStringLiteral("port"));
    o.databaseUrl = parser.value(QStringLiteral("database"));
    o.initDatabase = parser.isSet(QStringLiteral("init-database"));
    o.screenshotFile = parser.value(QStringLiteral("screenshot"));
    o.instanceName = parser.value(QStringLiteral("instance-name"));

    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty() && !o.initDatabase) {
        *error = QStringLiteral("Unexpected argument \"%1\"; see --help.").arg(extra.first());
        return false;
    }
    if (extra.size() > 1) {
        *error = QStringLiteral("--init-database takes one FILE, not %1.").arg(extra.size());
        return false;
    }
    if (o.initDatabase && !extra.isEmpty())
        o.initDatabaseFile = extra.first();
    *options = o;
    return true;
}

} // namespace quorvel
