#pragma once
// CLEAR: asks, then empties the current group and its displays.

#include "measure/DataRec.h"
#include <functional>

namespace quorvel {

class Messages;
class WorkspaceDisplay;

// setLamp lights the CLEAR button while the question is open.
void clearCommand(TDataRec& data, WorkspaceDisplay& display, Messages& messages,
                  const std::function<void(bool)>& setLamp);

} // namespace quorvel
