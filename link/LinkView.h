#pragma once
// What the link task machine asks of the main window. The window implements
// it by setting its widgets; tests implement it with plain fields.

#include "CommInc.h"
#include <QString>
#include <cstdint>

namespace quorvel {

enum class Button { Save, Db, Print, Limit, Clear, Comm, WaitData, ReadFile };

class LinkView {
public:
    virtual ~LinkView() = default;

    virtual void setButtonEnabled(Button b, bool enabled) = 0;
    virtual void setButtonLamp(Button b, bool lit) = 0;
    virtual void setButtonText(Button b, const QString& caption, const QString& hint) = 0;
    // Panel 0: connection state; panel 1: activity.
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual void showFilesButton() = 0;
    virtual void showConnectingNotice() = 0;
    virtual void closeConnectingNotice() = 0;

    // The current group as the link sees it.
    virtual void setGroupSource(uint8_t source) = 0;
    virtual int groupCount() const = 0;
    // A live reading: append it to the group, then show it.
    virtual void liveReading(const TFrameRec& frame) = 0;
};

} // namespace quorvel
