#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <optional>

class QWidget;

namespace zrl {

// Where to place a window's client area so that the whole window, frame included, is
// centred in the available area of the screen.
QPoint CentredClientPosition(const QRect& available, QSize client, const QMargins& frame);

// The frame the window manager will put around a window not yet shown, asked for before
// mapping it (_NET_REQUEST_FRAME_EXTENTS on X11), so the window can be placed where it
// belongs before it appears. None where no window manager answers, and on platforms that
// place windows themselves.
std::optional<QMargins> RequestFrameExtents(QWidget* window);

}  // namespace zrl
