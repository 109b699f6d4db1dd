#pragma once
// Everything that lives for the whole run, owned by one object made at
// start-up so that each test can have a fresh one.

#include "link/FileSlots.h"
#include "link/LinkRec.h"
#include "measure/DataRec.h"
#include "measure/Limits.h"

namespace quorvel {

struct RunState {
    TDataRec CurData;
    TLinkRec Link;
    TFileSlots FileSlots;
    TLimits Limits;
};

} // namespace quorvel
