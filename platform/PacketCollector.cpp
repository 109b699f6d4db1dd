#include "PacketCollector.h"

namespace quorvel {

void PacketCollector::reset()
{
    collecting_ = false;
    text_.clear();
}

void PacketCollector::expire(int64_t nowMs)
{
    if (collecting_ && nowMs - startedMs_ > timeoutMs_)
        reset();
}

std::vector<std::string> PacketCollector::feed(const char* data, size_t len, int64_t nowMs)
{
    std::vector<std::string> packets;
    expire(nowMs);
    for (size_t i = 0; i < len; ++i) {
        const char c = data[i];
        if (c == ':') {
            collecting_ = true;
            startedMs_ = nowMs;
            text_.clear();
            continue;
        }
        if (!collecting_)
            continue; // noise between packets
        if (c == '\n' && !text_.empty() && text_.back() == '\r') {
            text_.pop_back();
            packets.push_back(std::move(text_));
            reset();
            continue;
        }
        text_.push_back(c);
        if (text_.size() > kMaxPacket)
            reset();
    }
    return packets;
}

} // namespace quorvel
