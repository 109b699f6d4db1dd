#include "measure/ui/LimitCommand.h"

#include "measure/ui/TfrmLimit.h"
#include "measure/ui/WorkspaceDisplay.h"

namespace quorvel {

void limitCommand(QWidget* parent, TLimits& limits, WorkspaceDisplay& display,
                  Messages& messages, const std::function<void(bool)>& setLamp)
{
    {
        TfrmLimit dialog(limits, messages, parent);
        dialog.exec();   // OK and Cancel both just close it
    }
    if (setLamp)
        setLamp(limits.LimitOn);
    display.recolourAfterLimit();
}

} // namespace quorvel
