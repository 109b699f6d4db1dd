#pragma once
// LIMIT: the limit dialog, then the lamp and the recolouring of the group.

#include "measure/Limits.h"
#include <functional>

class QWidget;

namespace quorvel {

class Messages;
class WorkspaceDisplay;

// setLamp shows whether marking is on once the dialog has closed.
void limitCommand(QWidget* parent, TLimits& limits, WorkspaceDisplay& display,
                  Messages& messages, const std::function<void(bool)>& setLamp);

} // namespace quorvel
