#pragma once
// Over-limit marking: a reading outside [LimitLo, LimitHi] is shown red
// while marking is on. Comparisons are exact single-precision ones.

namespace quorvel {

struct TLimits {
    bool LimitOn = false;
    float LimitHi = 3000.0f;
    float LimitLo = 0.0f;

    bool isMarked(float v) const { return LimitOn && (v > LimitHi || v < LimitLo); }
};

} // namespace quorvel
