#include "side_by_side.h"

#include <QScreen>
#include <QWidget>
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

namespace {

// Before the window manager has framed the set window, it will be framed as the editor is.
QSize FrameOf(const QWidget& set, const QWidget& editor) {
    return set.isVisible() ? set.frameGeometry().size() - set.size()
                           : editor.frameGeometry().size() - editor.size();
}

}  // namespace

int RoomForLeast(const QWidget& set, const QWidget& editor) {
    return set.minimumSizeHint().width() + FrameOf(set, editor).width() + kGap;
}

bool PlaceBeside(QWidget& set, QWidget& editor) {
    const QRect screen = editor.screen()->availableGeometry();
    const QSize frame = FrameOf(set, editor);
    const Side side = !set.isVisible() ? Side::Roomier
                      : set.frameGeometry().center().x() >= editor.frameGeometry().center().x()
                          ? Side::Right
                          : Side::Left;
    const SideBySide placed =
        PlaceSideBySide(screen, editor.frameGeometry(), set.sizeHint() + frame,
                        set.minimumSizeHint().width() + frame.width(), side);
    if (placed.editor != editor.frameGeometry().topLeft()) {
        editor.move(placed.editor);
    }
    set.resize(placed.set.size() - frame);
    set.move(placed.set.topLeft());
    return placed.covers;
}

}  // namespace zrl
