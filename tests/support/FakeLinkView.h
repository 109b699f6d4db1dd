#pragma once
// A main window reduced to plain fields, for the link task machine.

#include "link/LinkView.h"
#include "measure/DataRec.h"
#include <map>
#include <memory>

namespace quorvel::test {

struct ButtonState {
    bool enabled = false;
    bool lamp = false;
    QString caption;
    QString hint;
};

class FakeLinkView : public LinkView {
public:
    FakeLinkView() : group(std::make_unique<TDataRec>())
    {
        // The start-up state of the window.
        for (Button b : {Button::Save, Button::Db, Button::Limit, Button::Clear, Button::Comm})
            buttons[b].enabled = true;
        buttons[Button::WaitData].caption = QStringLiteral("START");
        buttons[Button::Comm].caption = QStringLiteral("CONN");
    }
    void setButtonEnabled(Button b, bool e) override { buttons[b].enabled = e; }
    void setButtonLamp(Button b, bool lit) override { buttons[b].lamp = lit; }
    void setButtonText(Button b, const QString& c, const QString& h) override
    {
        buttons[b].caption = c;
        buttons[b].hint = h;
    }
    void setStatusText(int panel, const QString& t) override { status[panel] = t; }
    void showFilesButton() override { filesButtonShown = true; }
    void showConnectingNotice() override { noticeShown = true; }
    void closeConnectingNotice() override { noticeShown = false; }
    void setGroupSource(uint8_t s) override { group->Source = s; }
    int groupCount() const override { return group->Count; }
    void liveReading(const TFrameRec& frame) override
    {
        AddLiveReading(*group, frame);
        ++shown;
    }

    std::map<Button, ButtonState> buttons;
    QString status[3];
    bool filesButtonShown = false;
    bool noticeShown = false;
    int shown = 0;
    std::unique_ptr<TDataRec> group;
};

} // namespace quorvel::test
