#include "ReplyFaults.h"

namespace quorvel::sim {

ReplyFate ReplyFaults::next()
{
    ++count_;
    if (settings_.silent)
        return ReplyFate::Drop;
    if (settings_.silentAfter > 0 && count_ > settings_.silentAfter)
        return ReplyFate::Drop;
    if (count_ == settings_.dropReply)
        return ReplyFate::Drop;
    if (count_ == settings_.corruptReply)
        return ReplyFate::Corrupt;
    return ReplyFate::Send;
}

} // namespace quorvel::sim
