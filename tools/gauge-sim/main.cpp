// gauge-sim: a coating thickness gauge on a pseudo-terminal, for demos and
// end-to-end tests. See --help.

#include "PtyPair.h"
#include "SimLoop.h"
#include "SimOptions.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int)
{
    stopRequested = 1;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);   // for the command-line parser only
    using namespace quorvel::sim;
    SimOptions options;
    QString message;
    switch (parseSimOptions(QCoreApplication::arguments(), options, &message)) {
    case ParseResult::Exit: return 0;
    case ParseResult::Error:
        std::fprintf(stderr, "gauge-sim: %s\n", qPrintable(message));
        return 2;
    case ParseResult::Run: break;
    }

    PtyPair pty;
    std::string error;
    if (!pty.open(&error) || (!options.linkPath.empty() && !pty.makeLink(options.linkPath, &error))) {
        std::fprintf(stderr, "gauge-sim: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction sa {};
    sa.sa_handler = requestStop;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(sig, &sa, nullptr);

    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);
    SimLoop loop(pty.masterFd(), options);
    return loop.run(stopRequested);
}
