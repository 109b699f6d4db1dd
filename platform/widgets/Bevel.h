#pragma once
// Raised and lowered bevels in the look of the classic desktop controls.

#include <QRect>

class QPainter;

namespace quorvel {

enum class BevelStyle { Raised, Lowered };

// Draws `width` rings of bevel inside r and returns the rectangle left inside.
QRect drawBevel(QPainter& p, const QRect& r, BevelStyle style, int width = 1);

} // namespace quorvel
