#include "report/UserDataset.h"

namespace quorvel {

void UserDataset::first()
{
    recNo_ = 0;
    if (OnFirst)
        OnFirst();
}

void UserDataset::next()
{
    ++recNo_;
    if (recNo_ < RangeEndCount && OnNext)
        OnNext();
}

void UserDataset::prior()
{
    if (recNo_ == 0)
        return;
    --recNo_;
    if (OnPrior)
        OnPrior();
}

} // namespace quorvel
