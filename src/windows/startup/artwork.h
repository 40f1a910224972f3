#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "core/model/character_set.h"

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

// A character's lit dots in red on a dark face, `dot` pixels a dot with `gap` between; the
// unlit dots past its `width` are darker still.
QPixmap DrawGlyph(const Pattern& pattern, int dot, qreal scale = 1, int gap = 1,
                  int width = CellSize::kLargest);
// A large character's picture in no more than `most` pixels: its dots a pixel each, in the
// colours above, scaled down smoothly as a whole.
QPixmap DrawShrunkGlyph(const Pattern& pattern, QSize most, int width = CellSize::kLargest);
// Draws a pattern's dots with its top-left at `origin`, `pitch` pixels apart.
void PaintDots(QPainter& painter, const Pattern& pattern, QPointF origin, qreal dot, qreal pitch,
               int width = CellSize::kLargest);

}  // namespace zrl
