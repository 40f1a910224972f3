#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <optional>

namespace zrl {

// Where to place a window's client area so that the whole window, frame included, is
// centred in the available area of the screen.
QPoint CentredClientPosition(const QRect& available, QSize client, const QMargins& frame);

// The frame the window manager puts around an ordinary window with a title bar, asked for
// before such a window is shown (_NET_REQUEST_FRAME_EXTENTS on X11), so it can be placed
// where it belongs before it appears. None where no window manager answers, and on
// platforms that place windows themselves.
std::optional<QMargins> RequestFrameExtents();

}  // namespace zrl
