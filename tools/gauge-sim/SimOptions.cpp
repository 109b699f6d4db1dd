#include "SimOptions.h"

#include <QCommandLineParser>
#include <cmath>
#include <cstdio>

namespace quorvel::sim {

namespace {

const char* const kDescription =
    "Plays a coating thickness gauge on a pseudo-terminal. Prints the device to open\n"
    "as the first line on stdout, then answers: H and B echoed; W starts live readings\n"
    "(D frames) until Z; F sends the stored files as D frames (address = file number,\n"
    "at most 62 readings a frame), one per Y, the last again on N, then Z.\n"
    "Reading i of stored file f is (f + 1) x 100 + i / 10 um: file 0 holds 100.0,\n"
    "100.1, ...; file 1 holds 200.0, 200.1, ...\n"
    "Frames sent are numbered from 1 (every frame counts, live readings and resends\n"
    "too) for --drop-reply, --corrupt and --silent-after.";

bool parseReadings(const QString& text, std::vector<uint16_t>& out)
{
    out.clear();
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const double v = part.trimmed().toDouble(&ok);
        if (!ok || v < 0.0 || v > 6553.5)
            return false;
        out.push_back(uint16_t(std::lround(v * 10.0)));
    }
    return !out.empty();
}

bool parseFiles(const QString& text, std::vector<int>& out)
{
    out.clear();
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 0 || n > 1000)
            return false;
        out.push_back(n);
    }
    return out.size() <= 6;
}

bool parseCount(const QCommandLineParser& p, const QString& name, int& out, int min)
{
    if (!p.isSet(name))
        return true;
    bool ok = false;
    out = p.value(name).toInt(&ok);
    return ok && out >= min;
}

} // namespace

ParseResult parseSimOptions(const QStringList& arguments, SimOptions& o, QString* message)
{
    QCommandLineParser p;
    p.setApplicationDescription(QString::fromLatin1(kDescription));
    p.addHelpOption();
    p.addOptions({
        {"link", "Make a symbolic link PATH to the device.", "PATH"},
        {"readings", "Live readings in um, cycled (e.g. 12.3,45.6); default a random walk.", "LIST"},
        {"interval", "Milliseconds between live readings (default 700).", "MS"},
        {"files", "Readings in each stored file 0..5 (default 25,12,0,7,0,3).", "LIST"},
        {"seed", "Seed of the random walk (default 1).", "N"},
        {"silent", "Never answer anything."},
        {"silent-after", "Send no frame after the Nth.", "N"},
        {"drop-reply", "Do not send the Nth frame (once).", "N"},
        {"corrupt", "Send the Nth frame with a wrong checksum (once).", "N"},
        {"gauge-stop-after", "Send Z after K live readings.", "K"},
        {"pace", "Move bytes no faster than a 2400 baud line, both ways."},
        {"log", "Print what is received (<-) and sent (->) on stderr."},
    });
    if (!p.parse(arguments)) {
        *message = p.errorText();
        return ParseResult::Error;
    }
    if (p.isSet("help")) {
        std::fputs(qPrintable(p.helpText()), stdout);
        return ParseResult::Exit;
    }
    o.pace = p.isSet("pace");
    o.log = p.isSet("log");
    o.faults.silent = p.isSet("silent");
    o.linkPath = p.value("link").toStdString();
    int seed = int(o.gauge.seed);
    const bool ok = parseCount(p, "interval", o.gauge.intervalMs, 1)
                    && parseCount(p, "silent-after", o.faults.silentAfter, 1)
                    && parseCount(p, "drop-reply", o.faults.dropReply, 1)
                    && parseCount(p, "corrupt", o.faults.corruptReply, 1)
                    && parseCount(p, "gauge-stop-after", o.gauge.gaugeStopAfter, 1)
                    && parseCount(p, "seed", seed, 0)
                    && (!p.isSet("readings") || parseReadings(p.value("readings"), o.gauge.readings))
                    && (!p.isSet("files") || parseFiles(p.value("files"), o.gauge.fileCounts));
    o.gauge.seed = uint32_t(seed);
    if (!ok) {
        *message = QStringLiteral("invalid option value; see --help");
        return ParseResult::Error;
    }
    return ParseResult::Run;
}

} // namespace quorvel::sim
