#pragma once
// A row source whose end is given by a count: rows 0..RangeEndCount-1. The
// program follows the engine's walk through the three events.

#include <functional>

namespace quorvel {

class UserDataset {
public:
    int RangeEndCount = 0;
    std::function<void()> OnFirst;
    std::function<void()> OnNext;    // only while the new row is below the count
    std::function<void()> OnPrior;

    void first();
    void next();
    void prior();
    bool eof() const { return recNo_ >= RangeEndCount; }
    int recNo() const { return recNo_; }

private:
    int recNo_ = 0;
};

} // namespace quorvel
