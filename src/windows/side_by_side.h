#pragma once

#include <QRect>

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

}  // namespace zrl
