#pragma once
// The 20 x 20 picture of the downloaded-files button: a folder with a sheet.

#include <QPixmap>

namespace quorvel {

QPixmap filesButtonPicture();

} // namespace quorvel
