#pragma once
// The window's fonts by their classic names, with close families to fall back on.

#include <QFont>

namespace quorvel::fonts {

// The small sans-serif of dialogs and buttons, at 8 point.
QFont smallSans();
// The CJK-capable default font of the main window, 12 pixels high.
QFont windowDefault();
// A bold Arial-like face at the given pixel height.
QFont arialBold(int pixelSize);

} // namespace quorvel::fonts
