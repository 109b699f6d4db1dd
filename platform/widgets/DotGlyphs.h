#pragma once
// Characters as 5 x 7 dots for the dot-matrix banner. Each shape is sampled
// once from a rendered glyph and cached.

#include <QChar>
#include <array>
#include <cstdint>

namespace quorvel {

constexpr int kDotColumns = 5;
constexpr int kDotRows = 7;

// One row per element, top first; bit 4 is the leftmost dot.
using DotGlyph = std::array<uint8_t, kDotRows>;

const DotGlyph& dotGlyph(QChar c);

inline bool dotLit(const DotGlyph& g, int column, int row)
{
    return (g[size_t(row)] >> (kDotColumns - 1 - column)) & 1;
}

} // namespace quorvel
