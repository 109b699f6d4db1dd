#pragma once
// gauge-sim's command line.

#include "GaugeModel.h"
#include "ReplyFaults.h"

#include <QStringList>
#include <string>

namespace quorvel::sim {

struct SimOptions {
    GaugeSettings gauge;
    FaultSettings faults;
    std::string linkPath;   // --link: a symbolic link to the slave device
    bool pace = false;
    bool log = false;
};

enum class ParseResult { Run, Exit, Error };

// Parses the arguments (program name first). On Exit the help or version has
// been printed; on Error, message says what is wrong.
ParseResult parseSimOptions(const QStringList& arguments, SimOptions& options, QString* message);

} // namespace quorvel::sim
