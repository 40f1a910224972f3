#include "platform/window_frame.h"

#include <gtest/gtest.h>

namespace zrl {
namespace {

TEST(WindowFrame, TheWholeWindowFrameIncludedIsCentred) {
    const QSize editor(218, 287);
    const QRect screen(0, 0, 1024, 768);
    // A title bar of 20 and borders of 1: the frame, 220 x 308, sits at (402, 230).
    EXPECT_EQ(CentredClientPosition(screen, editor, QMargins(1, 20, 1, 1)), QPoint(403, 250));
    EXPECT_EQ(CentredClientPosition(screen, editor, QMargins()), QPoint(403, 240))
        << "without a window manager the client area is centred";
    // A panel along the top leaves less room, and the window centres in what is left.
    EXPECT_EQ(CentredClientPosition(QRect(0, 32, 1024, 736), editor, QMargins(1, 20, 1, 1)),
              QPoint(403, 266));
    EXPECT_EQ(CentredClientPosition(QRect(1024, 0, 800, 600), QSize(100, 50), QMargins(4, 4, 4, 4)),
              QPoint(1024 + 346 + 4, 271 + 4))
        << "on a second screen";
}

}  // namespace
}  // namespace zrl
