#pragma once

#include <QPixmap>

namespace quirvo {

// The program's own pictures, drawn in code so they stay sharp at any size
// and device-pixel ratio.

// Toolbar picture 1..13 (positions in the image lists), size in pixels.
QPixmap toolbarPicture(int image, int size, qreal dpr = 1.0);
// Mode indicator: grid modes 0..6 (Image1), or -1 for the TEST tools (ImageV).
QPixmap modePicture(int mode, int size = 32, qreal dpr = 1.0);
QPixmap splashPicture(qreal dpr = 1.0);
QPixmap testFieldPicture(int size, qreal dpr = 1.0);

}  // namespace quirvo
