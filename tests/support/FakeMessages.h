#pragma once
// Records message boxes and answers questions from a script.

#include "platform/Messages.h"
#include <deque>
#include <functional>
#include <vector>

namespace quorvel::test {

struct ShownMessage {
    QString caption;
    QString text;
    MsgIcon icon;
};

class FakeMessages : public Messages {
public:
    void show(const QString& caption, const QString& text, MsgIcon icon) override
    {
        shown.push_back({caption, text, icon});
        if (onShow)
            onShow();
    }
    bool askYesNo(const QString& caption, const QString& text) override
    {
        shown.push_back({caption, text, MsgIcon::Question});
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<ShownMessage> shown;
    std::deque<bool> answers;
    std::function<void()> onShow;   // runs while the "box" is open
};

} // namespace quorvel::test
