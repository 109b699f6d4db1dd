#pragma once
// Message boxes and questions behind one small interface, so that tests can
// answer them or record them instead of blocking on a modal box.

#include <QString>

namespace quorvel {

enum class MsgIcon { Information, Warning, Error, Question };

class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const QString& caption, const QString& text, MsgIcon icon) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
};

} // namespace quorvel
