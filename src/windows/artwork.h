#pragma once

#include <QIcon>
#include <QPixmap>

namespace zrl {

// The program's pictures, drawn in code so they need no image files. Sizes are in
// device-independent pixels; scale is the screen's device pixel ratio.

// A 5x7 "Z" of red dots on navy: the program icon, at any size.
QPixmap DrawIconImage(int size);
// The window icon: 16 x 16 and 32 x 32.
QIcon ProgramIcon();

// 20 x 14 pixels: a tiny lit dot-matrix for the credit block of the main window.
QPixmap DrawCreditPicture(qreal scale = 1);

// 259 x 156 pixels: the splash logo, promoting the web site.
QPixmap DrawSplashLogo(qreal scale = 1);

// 487 x 261 pixels: the About picture, promoting the web site.
QPixmap DrawAboutPicture(qreal scale = 1);

}  // namespace zrl
