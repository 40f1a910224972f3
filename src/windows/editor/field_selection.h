#pragma once

#include <QString>
#include <optional>

#include "core/model/drawing.h"

class QKeyEvent;

namespace zrl {

// The cell an arrow key moves to from this one, stopping at the field's edges; none for
// another key.
std::optional<int> ArrowStep(CellSize size, int cell, int key);

// The area chosen in a field and the dots copied from it, for the canvas and the field of
// buttons alike. Shift+arrows grow an area from where the cursor was and an arrow alone
// lets it go; a drag where drags select chooses one, and a drag that starts inside it moves
// its dots. Ctrl+C copies the area, Ctrl+X cuts it, Delete clears it, Escape lets it go, and
// Ctrl+V puts what was copied at the cursor.
class FieldSelection {
public:
    // A change of the field a key or a drag makes: the grid after it and the step's name.
    struct Edit {
        CharacterGrid after;
        QString text;
    };

    const std::optional<Area>& Chosen() const { return area_; }
    void LetGo() { area_.reset(); }
    // A field of another size lets the area go.
    void Follow(CellSize size);

    // The cursor moved from one cell to another, with Shift held or not.
    void CursorMoved(CellSize size, int from, int to, bool extending);
    // Whether the key is one of the area's, and the change it makes, if any.
    bool TakesKey(const QKeyEvent* event) const;
    std::optional<Edit> Key(const QKeyEvent* event, const CharacterGrid& grid, int cursor);

    // A press that starts a drag of the area's: inside the area moves it, elsewhere chooses
    // one where drags select. Whether the press is taken.
    bool Press(const CharacterGrid& grid, int cell, bool selects);
    bool Dragging() const { return dragging_; }
    // The pointer over this cell: the area chosen so far, or its dots moved there.
    std::optional<Edit> DragTo(CellSize size, int cell);
    void Release() { dragging_ = false, move_.reset(); }

private:
    struct Move {
        int pressed;
        Area area;
        Pattern dots;
        CharacterGrid before;
    };

    std::optional<Area> area_;
    CellSize size_;
    int anchor_ = 0;
    bool dragging_ = false;
    std::optional<Move> move_;
    std::optional<Pattern> copied_;
};

}  // namespace zrl
