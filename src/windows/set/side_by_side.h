#pragma once

#include <QRect>

class QWidget;

namespace zrl {

// Where the editor and the set window stand, in frame coordinates: beside each other on the
// screen where it is wide enough, the set window as wide as it would be where there is room
// and narrower, down to its least, where there is not; the editor moves only as far as it
// must. `covers` tells a screen too narrow for both, where the set window stands at the
// screen's edge over part of the editor.
struct SideBySide {
    QPoint editor;
    QRect set;
    bool covers = false;
};

// The side the set window takes: the one with more room, or the one it already stands on.
enum class Side { Roomier, Left, Right };

SideBySide PlaceSideBySide(const QRect& screen, const QRect& editor, QSize set, int leastSetWidth,
                           Side side = Side::Roomier);

// Moves the set window beside the editor on the editor's screen, as wide as it would be or
// as the room allows, on the side it stands or, not yet shown, on the roomier one, and the
// editor as far as it must. True where the screen is too narrow for both.
bool PlaceBeside(QWidget& set, QWidget& editor);
// The width of the screen the set window takes at its narrowest, with the gap between.
int RoomForLeast(const QWidget& set, const QWidget& editor);

}  // namespace zrl
