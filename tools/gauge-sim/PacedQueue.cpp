#include "PacedQueue.h"

#include <algorithm>

namespace quorvel::sim {

void PacedQueue::push(std::string_view bytes, int64_t nowNs)
{
    for (char c : bytes) {
        lastDueNs_ = byteNs_ > 0 ? std::max(lastDueNs_, nowNs) + byteNs_ : nowNs;
        bytes_.push_back(c);
        dueNs_.push_back(lastDueNs_);
    }
}

std::string PacedQueue::due(int64_t nowNs) const
{
    std::string out;
    for (size_t i = 0; i < bytes_.size() && dueNs_[i] <= nowNs; ++i)
        out.push_back(bytes_[i]);
    return out;
}

void PacedQueue::pop(size_t count)
{
    count = std::min(count, bytes_.size());
    bytes_.erase(bytes_.begin(), bytes_.begin() + std::ptrdiff_t(count));
    dueNs_.erase(dueNs_.begin(), dueNs_.begin() + std::ptrdiff_t(count));
}

void PacedQueue::clear()
{
    bytes_.clear();
    dueNs_.clear();
}

} // namespace quorvel::sim
