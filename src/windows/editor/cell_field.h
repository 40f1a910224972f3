#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <unordered_map>
#include <vector>

#include "core/model/character_grid.h"

class QWidget;

namespace zrl {

class CellInput;
class ColourButton;
class FieldCanvas;
class FrmMain;

// The editor's field: a colour button for each cell of the character, placed on the
// window from the field's top-left corner, and the cells' input. A 5x7 field has the
// classic layout (buttons 255 by 195 twips on a 240-twip pitch); other sizes have square
// cells on a pitch that keeps the editor within its screen (and a 1366x768 one). Buttons are kept
// when the field shrinks and shown again when it grows, so a change of size is quick and no button
// goes away while it handles an event. A field past 32 cells on a side is one canvas instead
// (field_canvas.h), with no button at all.
class CellField : public QObject {
    Q_OBJECT

public:
    // The cells are written to `cells`, the window's own list of them; `connect` hooks a
    // new button's click to the window's handler for its index.
    CellField(FrmMain& editor, std::vector<ColourButton*>& cells,
              std::function<void(ColourButton*, int)> connect);

    // Beside a canvas the listing is one line, wrapped to this width.
    static constexpr int kCanvasListingWidth = 240;

    CellSize Size() const { return shown_.Size(); }
    // Whether a field of this size is a canvas rather than buttons.
    static bool IsCanvas(CellSize size) { return size.width > 32 || size.height > 32; }
    // The canvas while it shows the field, else none.
    FieldCanvas* Canvas() const;
    int Pitch() const { return pitch_; }
    // The index of the cell, or -1 for what is no cell of the field.
    int IndexOf(const QObject* object) const;
    // A field of another size than 5x7 is one stop of Tab, as a grid is: the cell that had
    // the focus last, which the arrows move from. The 5x7 field keeps a stop at each cell.
    void MakeTabStop(int index);
    // The area the cells cover, in the window, and how far it reaches past the 5x7 field's.
    QRect Bounds() const;
    QSize Growth() const;

    // Shows the grid's colours, making the field the grid's size first where it differs.
    // Returns whether the size changed.
    bool Show(const CharacterGrid& grid);

    // The most the editor's client area may take: a 1366x768 screen's, less a title bar and
    // a panel. A smaller screen's room is its own.
    static constexpr QSize kLargestRoom{1366, 768 - 80};
    // Cells are never closer than 12 pixels, nor than 10 where the editor makes room for a
    // window beside it on a small screen.
    static constexpr int kSmallestPitch = 12;
    static constexpr int kCrowdedPitch = 10;
    // The room the editor's client area has, and the smallest pitch it may use there. Where
    // the field would then be laid out otherwise, the next Show lays it out again; returns
    // whether it will.
    bool SetRoom(QSize room, int smallestPitch);
    // The room is the editor's screen's, less its frame and what it leaves to a window
    // beside it; as SetRoom.
    bool FitScreen();
    // Leaves this much of the screen's width to a window beside the editor, where its cells
    // may then draw as close as kCrowdedPitch; as SetRoom.
    bool LeaveRoomBeside(int width);
    QSize Room() const { return room_; }

    // The pitch for a field of this size: 16 pixels while the editor then fits the room,
    // less beyond that, never under the smallest.
    static int PitchFor(CellSize size, QSize room = kLargestRoom,
                        int smallestPitch = kSmallestPitch);
    // How far a field of this size at this pitch reaches past the 5x7 field, right and down.
    static QSize GrowthOver5x7(CellSize size, int pitch);

private:
    void MakeSize(CellSize size);
    // `laidOut`: the field is laid out afresh, the canvas fitted to the room again.
    void ShowCanvas(const CharacterGrid& grid, bool laidOut);
    void HideButtons();
    void Place(int index);
    void ShowCell(int index);

    FrmMain& editor_;
    std::vector<ColourButton*>& cells_;
    std::function<void(ColourButton*, int)> connect_;
    std::vector<ColourButton*> pool_;
    std::unordered_map<const QObject*, int> indexes_;
    CellInput* input_;
    FieldCanvas* canvas_ = nullptr;
    CharacterGrid shown_;
    int pitch_ = 0;
    int tabStop_ = 0;
    QSize room_ = kLargestRoom;
    int smallestPitch_ = kSmallestPitch;
    int beside_ = 0;  // the screen's width left to a window beside the editor
    bool fresh_ = true;
};

}  // namespace zrl
