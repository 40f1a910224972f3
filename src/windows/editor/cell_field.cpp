#include "cell_field.h"

#include <QScreen>
#include <algorithm>

#include "cell_input.h"
#include "field_canvas.h"
#include "main_window.h"
#include "platform/colour_button.h"
#include "platform/twips.h"

namespace zrl {

namespace {

constexpr QPoint kOrigin(8, 24);  // the 5x7 field's first cell: (120, 360) twips
constexpr int kClassicPitch = 16;
// The 5x7 field's right and bottom edges, in the window.
constexpr int kClassicRight = 89;
constexpr int kClassicBottom = 133;
// The editor's client area beyond the field.
constexpr QSize kClassicClient(218, 287);
constexpr int kListingWidth = 320;  // room for a 32-digit listing line

// A square cell leaves two pixels of the window between it and the next.
int CellSide(int pitch) {
    return pitch - 2;
}

}  // namespace

CellField::CellField(FrmMain& editor, std::vector<ColourButton*>& cells,
                     std::function<void(ColourButton*, int)> connect)
    : QObject(&editor),
      editor_(editor),
      cells_(cells),
      connect_(std::move(connect)),
      input_(new CellInput(editor, this)) {}

QSize CellField::GrowthOver5x7(CellSize size, int pitch) {
    if (size == kDefaultSize) {
        return {0, 0};
    }
    const int right = kOrigin.x() + (size.width - 1) * pitch + CellSide(pitch);
    const int bottom = kOrigin.y() + (size.height - 1) * pitch + CellSide(pitch);
    return {std::max(0, right - kClassicRight), std::max(0, bottom - kClassicBottom)};
}

int CellField::PitchFor(CellSize size, QSize room, int smallestPitch) {
    for (int pitch = kClassicPitch; pitch > smallestPitch; --pitch) {
        const QSize growth = GrowthOver5x7(size, pitch);
        if (kClassicClient.height() + growth.height() <= room.height() &&
            kClassicClient.width() + growth.width() + kListingWidth <= room.width()) {
            return pitch;
        }
    }
    return smallestPitch;
}

bool CellField::SetRoom(QSize room, int smallestPitch) {
    room = room.boundedTo(kLargestRoom);
    if (room == room_ && smallestPitch == smallestPitch_) {
        return false;
    }
    room_ = room;
    smallestPitch_ = smallestPitch;
    const CellSize size = shown_.Size();
    const bool again =
        !fresh_ && (IsCanvas(size) ||
                    (size != kDefaultSize && PitchFor(size, room_, smallestPitch_) != pitch_));
    fresh_ = fresh_ || again;
    return again;
}

bool CellField::FitScreen() {
    QSize room = kLargestRoom;
    if (const QScreen* screen = editor_.screen()) {
        const QSize frame =
            editor_.isVisible() ? editor_.frameGeometry().size() - editor_.size() : QSize();
        room = screen->availableGeometry().size() - frame - QSize(beside_, 0);
    }
    return SetRoom(room, beside_ > 0 ? kCrowdedPitch : kSmallestPitch);
}

bool CellField::LeaveRoomBeside(int width) {
    if (width == beside_) {
        return false;
    }
    beside_ = width;
    return FitScreen();
}

FieldCanvas* CellField::Canvas() const {
    return IsCanvas(shown_.Size()) ? canvas_ : nullptr;
}

QSize CellField::Growth() const {
    if (Canvas() == nullptr) {
        return GrowthOver5x7(shown_.Size(), pitch_);
    }
    const QRect bounds = canvas_->geometry();
    return {std::max(0, bounds.right() + 1 - kClassicRight),
            std::max(0, bounds.bottom() + 1 - kClassicBottom)};
}

int CellField::IndexOf(const QObject* object) const {
    const auto found = indexes_.find(object);
    return found != indexes_.end() && found->second < shown_.Size().Cells() ? found->second : -1;
}

QRect CellField::Bounds() const {
    if (Canvas() != nullptr) {
        return canvas_->geometry();
    }
    QRect bounds;
    for (const ColourButton* cell : cells_) {
        bounds |= cell->geometry();
    }
    return bounds;
}

bool CellField::Show(const CharacterGrid& grid) {
    const bool resized = fresh_ || grid.Size() != shown_.Size();
    if (resized) {
        input_->LetGoSelection();
    }
    if (IsCanvas(grid.Size())) {
        if (resized) {
            HideButtons();
        }
        ShowCanvas(grid, resized);
        shown_ = grid;
        fresh_ = false;
        return resized;
    }
    if (canvas_ != nullptr) {
        canvas_->hide();
    }
    if (resized) {
        MakeSize(grid.Size());
        shown_ = grid;
        fresh_ = false;
        for (int i = 0; i < grid.Size().Cells(); ++i) {
            ShowCell(i);
        }
        return true;
    }
    // Only the cells that change are touched, so a click in a large field stays quick.
    const CharacterGrid before = std::exchange(shown_, grid);
    const std::vector<OLE_COLOR>& was = before.Colours();
    const std::vector<OLE_COLOR>& is = grid.Colours();
    for (std::size_t i = 0; i < is.size(); ++i) {
        if (was[i] != is[i]) {
            ShowCell(static_cast<int>(i));
        }
    }
    return false;
}

void CellField::MakeTabStop(int index) {
    const CellSize size = shown_.Size();
    if (size == kDefaultSize || index < 0 || index >= size.Cells()) {
        return;
    }
    if (tabStop_ < size.Cells()) {
        cells_[static_cast<std::size_t>(tabStop_)]->setFocusPolicy(Qt::ClickFocus);
    }
    tabStop_ = index;
    cells_[static_cast<std::size_t>(index)]->setFocusPolicy(Qt::StrongFocus);
}

void CellField::HideButtons() {
    cells_.clear();
    for (ColourButton* cell : pool_) {
        cell->hide();
    }
}

// The canvas stands where the field's first cell does, as large as the field at the zoom
// that fits the room the editor has.
void CellField::ShowCanvas(const CharacterGrid& grid, bool laidOut) {
    if (canvas_ == nullptr) {
        canvas_ = new FieldCanvas(&editor_);
        input_->Attach(canvas_);
    }
    const bool resized = laidOut || grid.Size() != canvas_->Grid().Size() || !canvas_->isVisible();
    if (resized) {
        const QSize room(room_.width() - kClassicClient.width() - kCanvasListingWidth +
                             kClassicRight - kOrigin.x(),
                         room_.height() - kClassicClient.height() + kClassicBottom - kOrigin.y());
        const int frame = 2 * canvas_->frameWidth();
        canvas_->SetRoom(room - QSize(frame, frame));
    }
    canvas_->Show(grid);
    if (resized) {
        const int zoom = canvas_->FittingZoom();
        const int frame = 2 * canvas_->frameWidth();
        canvas_->setGeometry(QRect(
            kOrigin, QSize(grid.Size().width * zoom + frame, grid.Size().height * zoom + frame)));
        canvas_->show();
        canvas_->SetZoom(zoom);
    }
}

void CellField::MakeSize(CellSize size) {
    const auto count = static_cast<std::size_t>(size.Cells());
    pitch_ = size == kDefaultSize ? kClassicPitch : PitchFor(size, room_, smallestPitch_);
    while (pool_.size() < count) {
        auto* cell = new ColourButton(&editor_);
        cell->installEventFilter(input_);
        connect_(cell, static_cast<int>(pool_.size()));
        indexes_.emplace(cell, static_cast<int>(pool_.size()));
        pool_.push_back(cell);
    }
    cells_.assign(pool_.begin(), pool_.begin() + static_cast<std::ptrdiff_t>(count));
    shown_ = CharacterGrid(size);
    tabStop_ = 0;
    for (int i = 0; i < size.Cells(); ++i) {
        cells_[static_cast<std::size_t>(i)]->setFocusPolicy(
            size == kDefaultSize || i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        Place(i);
        cells_[static_cast<std::size_t>(i)]->setAccessibleName(
            QStringLiteral("Row %1, column %2").arg(size.RowOf(i) + 1).arg(size.ColumnOf(i) + 1));
        cells_[static_cast<std::size_t>(i)]->show();
    }
    for (std::size_t i = count; i < pool_.size(); ++i) {
        pool_[i]->hide();
    }
}

void CellField::Place(int index) {
    const CellSize size = shown_.Size();
    const int row = size.RowOf(index);
    const int column = size.ColumnOf(index);
    ColourButton* cell = cells_[static_cast<std::size_t>(index)];
    if (size == kDefaultSize) {
        PlaceTwips(cell, 120 + 240 * column, 360 + 240 * row, 255, 195);
        return;
    }
    cell->setGeometry(kOrigin.x() + column * pitch_, kOrigin.y() + row * pitch_, CellSide(pitch_),
                      CellSide(pitch_));
}

void CellField::ShowCell(int index) {
    ColourButton* cell = cells_[static_cast<std::size_t>(index)];
    const bool lit = shown_.IsLit(index);
    cell->SetBackColor(shown_.Colour(index));
    cell->SetOn(lit);
    cell->setAccessibleDescription(lit ? QStringLiteral("lit") : QStringLiteral("unlit"));
}

}  // namespace zrl
