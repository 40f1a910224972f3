#include "code_chart.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "code_chart_model.h"

namespace zrl {

namespace {

// The picture above the code, both centred in the slot.
class GlyphDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationPosition = QStyleOptionViewItem::Top;
        option->decorationAlignment = Qt::AlignHCenter;
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignBottom;
    }
};

constexpr int kSlotWidth = 32;
constexpr int kSlotHeight = 48;
constexpr int kSlotMargin = 8;
constexpr int kCodeHeight = 19;
// The narrowest a slot gets where the chart has no room for its pictures' natural size.
constexpr int kNarrowestSlot = 22;

}  // namespace

CodeChart::CodeChart(CodeChartModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setModel(model);
    setItemDelegate(new GlyphDelegate(this));
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(true);
    // The 16 columns always fit across: narrower, the pictures are drawn smaller.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kSlotWidth);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kSlotHeight);
    setAccessibleName(QStringLiteral("Characters"));
    connect(model, &QAbstractItemModel::modelReset, this, &CodeChart::FitSlots);
    FitSlots();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    setFont(small);
}

int CodeChart::NaturalSlotWidth() const {
    return std::max(kSlotWidth, model_->PictureSize().width() + kSlotMargin);
}

int CodeChart::Surround() const {
    return verticalHeader()->sizeHint().width() + verticalScrollBar()->sizeHint().width() +
           2 * frameWidth();
}

// Slots large enough for the pictures of the set's characters, and never smaller than a
// 5x7 set's, where the chart is wide enough; where it is not, the 16 slots share its width
// and the pictures shrink to fit them.
void CodeChart::FitSlots() {
    const QSize picture = model_->PictureSize();
    const int natural = NaturalSlotWidth();
    const int room = (width() - Surround()) / CodeChartModel::kPerRow;
    const int slot =
        testAttribute(Qt::WA_Resized) ? std::clamp(room, kNarrowestSlot, natural) : natural;
    const int across = slot - kSlotMargin / 2;
    const QSize icon = slot >= natural || picture.width() <= across
                           ? picture
                           : picture.scaled(across, picture.height(), Qt::KeepAspectRatio);
    setIconSize(icon);
    horizontalHeader()->setDefaultSectionSize(slot);
    verticalHeader()->setDefaultSectionSize(std::max(kSlotHeight, icon.height() + kCodeHeight));
}

void CodeChart::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitSlots();
}

QSize CodeChart::sizeHint() const {
    const int width = Surround() + CodeChartModel::kPerRow * NaturalSlotWidth();
    return {width, horizontalHeader()->sizeHint().height() +
                       6 * verticalHeader()->defaultSectionSize() + 2 * frameWidth()};
}

QSize CodeChart::minimumSizeHint() const {
    return {Surround() + CodeChartModel::kPerRow * kNarrowestSlot,
            horizontalHeader()->sizeHint().height() + 2 * kSlotHeight};
}

void CodeChart::focusInEvent(QFocusEvent* event) {
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CodeChart::MakeCurrent(int code) {
    const QModelIndex index = code < 0 ? QModelIndex() : model_->IndexOf(code);
    setCurrentIndex(index);
    if (index.isValid()) {
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
}

QModelIndex CodeChart::Edge(bool first) const {
    const auto& characters = model_->Set().Characters();
    if (characters.empty()) {
        return {};
    }
    return model_->IndexOf(first ? characters.begin()->first : characters.rbegin()->first);
}

QModelIndex CodeChart::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    if (cursorAction == MoveHome || cursorAction == MoveEnd) {
        return Edge(cursorAction == MoveHome);
    }
    // The first arrow in a chart with no current character goes to the first one.
    if (!currentIndex().isValid()) {
        return Edge(true);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void CodeChart::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    emit CurrentChanged(model_->CodeAt(current));
}

}  // namespace zrl
