#include "code_chart.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>

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

}  // namespace

CodeChart::CodeChart(CodeChartModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setModel(model);
    setItemDelegate(new GlyphDelegate(this));
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setIconSize(QSize(21, 29));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kSlotWidth);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kSlotHeight);
    setAccessibleName(QStringLiteral("Characters"));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    setFont(small);
}

QSize CodeChart::sizeHint() const {
    const int width = verticalHeader()->sizeHint().width() + CodeChartModel::kPerRow * kSlotWidth +
                      verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    return {width, horizontalHeader()->sizeHint().height() + 6 * kSlotHeight + 2 * frameWidth()};
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
