#include "measure/ui/ClearCommand.h"

#include "measure/ui/WorkspaceDisplay.h"
#include "platform/Messages.h"

namespace quorvel {

void clearCommand(TDataRec& data, WorkspaceDisplay& display, Messages& messages,
                  const std::function<void(bool)>& setLamp)
{
    if (setLamp)
        setLamp(true);
    const QString text = QStringLiteral(
        "You will delete the measure data currently displayed! \r\n\r\nAre you sure?");
    if (messages.askYesNo(QStringLiteral("Data Delete"), text)) {
        ResetData(data);
        display.ClearDisplay();
    }
    if (setLamp)
        setLamp(false);
}

} // namespace quorvel
