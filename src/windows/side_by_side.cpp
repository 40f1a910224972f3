#include "side_by_side.h"

#include <algorithm>

namespace zrl {

namespace {

constexpr int kGap = 8;

}  // namespace

SideBySide PlaceSideBySide(const QRect& screen, const QRect& editor, QSize set, int leastSetWidth,
                           Side side) {
    const int rightRoom = screen.right() - editor.right() - kGap;
    const int leftRoom = editor.left() - screen.left() - kGap;
    const bool right = side == Side::Roomier ? rightRoom >= leftRoom : side == Side::Right;
    // As wide as wanted where the screen holds both, else whatever the screen leaves.
    const int width = std::clamp(screen.width() - editor.width() - kGap,
                                 std::min(leastSetWidth, set.width()), set.width());
    SideBySide placed{editor.topLeft(), {}, screen.width() < editor.width() + kGap + width};
    const int room = right ? rightRoom : leftRoom;
    if (!placed.covers && room < width) {
        // The editor moves away from the side the set window takes, just far enough.
        const int shift = width - room;
        placed.editor.rx() += right ? -shift : shift;
    }
    const QRect moved(placed.editor, editor.size());
    const int left = placed.covers ? (right ? screen.right() + 1 - width : screen.left())
                     : right       ? moved.right() + 1 + kGap
                                   : moved.left() - kGap - width;
    const int height = std::min(set.height(), screen.height());
    const int top = std::clamp(editor.top(), screen.top(), screen.bottom() + 1 - height);
    placed.set = QRect(left, top, std::min(width, screen.width()), height);
    return placed;
}

}  // namespace zrl
