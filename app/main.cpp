// Start-up: the command line, the one-instance guard, then the main window
// (which makes the connecting notice) and the message loop.

#include "app/AppOptions.h"
#include "app/RunState.h"
#include "app/SingleInstance.h"
#include "app/TfrmMain.h"
#include "platform/serial/PortList.h"
#include "platform/serial/SerialComPort.h"
#include "platform/widgets/QtMessages.h"
#include "records/DatabaseInit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

using namespace quorvel;

namespace {

// Long enough for the banner to have scrolled its greeting into view.
constexpr int kScreenshotDelayMs = 7000;

bool parseCommandLine(QApplication& app, AppOptions* options)
{
    QCommandLineParser parser;
    addAppOptions(parser);
    parser.process(app);   // --help and --version end here
    QString error;
    if (!readAppOptions(parser, options, &error)) {
        std::fprintf(stderr, "quorvel: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

void scheduleScreenshot(TfrmMain& window, const QString& file)
{
    QTimer::singleShot(kScreenshotDelayMs, &window, [&window, file] {
        const bool saved = window.grab().save(file);
        if (!saved)
            std::fprintf(stderr, "quorvel: could not write the screenshot to %s\n", qPrintable(file));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

// --help and --version answer without a display.
bool wantsTextOnly(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "-h" || a == "--help" || a == "-?" || a == "--help-all" || a == "-v" || a == "--version")
            return true;
    }
    return false;
}

// --database / QUORVEL_DATABASE, and the FILE of --init-database when given.
bool readDatabaseOptions(const AppOptions& options, std::optional<DatabaseConfig>* db)
{
    QString error;
    *db = options.initDatabase && !options.initDatabaseFile.isEmpty()
        ? DatabaseConfig::fromUrl(options.initDatabaseFile, &error)
        : DatabaseConfig::fromOptions(options.databaseUrl, &error);
    if (!*db)
        std::fprintf(stderr, "quorvel: %s\n", qPrintable(error));
    return db->has_value();
}

int runInitDatabase(const DatabaseConfig& db)
{
    QString message;
    const int rc = initDatabase(db, &message);
    std::fprintf(rc == 0 ? stdout : stderr, "%s\n", qPrintable(message));
    return rc;
}

bool wantsInitDatabase(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--init-database")
            return true;
    return false;
}

void setApplicationNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
}

} // namespace

int main(int argc, char** argv)
{
    if (wantsTextOnly(argc, argv)) {
        QCoreApplication core(argc, argv);
        setApplicationNames();
        QCommandLineParser parser;
        addAppOptions(parser);
        parser.process(core);   // prints and ends the program
        return 0;
    }
    // Making a database needs no window: let it run where there is no display.
    if (wantsInitDatabase(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setApplicationNames();

    AppOptions options;
    if (!parseCommandLine(app, &options))
        return 2;

    std::optional<DatabaseConfig> db;
    if (!readDatabaseOptions(options, &db))
        return 2;
    if (options.initDatabase)
        return runInitDatabase(*db);

    // Before any port or database is touched: a running copy comes to the front instead.
    SingleInstance guard(options.instanceName.isEmpty() ? SingleInstance::defaultName() : options.instanceName);
    if (!guard.start())
        return 0;

    auto state = std::make_unique<RunState>();
    SerialComPort port;
    QtMessages messages;
    const QStringList extraPorts = options.ports;
    TfrmMain frmMain(*state, port, messages, [extraPorts] { return availablePorts(extraPorts); });
    messages.setParentWidget(&frmMain);

    QObject::connect(&port, &SerialComPort::receiveActivity, &frmMain, &TfrmMain::setReceiveLamp);
    QObject::connect(&port, &SerialComPort::transmitActivity, &frmMain, &TfrmMain::setTransmitLamp);
    QObject::connect(&guard, &SingleInstance::activationRequested, &frmMain, [&frmMain] {
        std::fprintf(stderr, "quorvel: activated by a second start\n");
        frmMain.activateFromSecondStart();
    });

    frmMain.setDatabase(*db);   // opened only when SAVE or LOAD needs it

    frmMain.show();
    if (!options.screenshotFile.isEmpty())
        scheduleScreenshot(frmMain, options.screenshotFile);
    return app.exec();
}
