#include "field_canvas_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "field_canvas.h"

namespace zrl {

namespace {

class CanvasTable;

class CanvasCell : public QAccessibleInterface,
                   public QAccessibleTableCellInterface,
                   public QAccessibleActionInterface {
public:
    CanvasCell(FieldCanvas* canvas, int index) : canvas_(canvas), index_(index) {}

    bool isValid() const override {
        return canvas_ != nullptr && index_ < canvas_->Grid().Size().Cells();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return canvas_ != nullptr ? canvas_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(canvas_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        switch (t) {
            case QAccessible::Name:
                return QStringLiteral("Row %1, column %2")
                    .arg(rowIndex() + 1)
                    .arg(columnIndex() + 1);
            case QAccessible::Description:
            case QAccessible::Value:
                return Lit() ? QStringLiteral("lit") : QStringLiteral("unlit");
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = canvas_->CellRect(index_);
        return {canvas_->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.checkable = true;
        state.checked = isValid() && Lit();
        state.focused = isValid() && canvas_->hasFocus() && canvas_->Cursor() == index_;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override {
        return canvas_ != nullptr ? canvas_->Grid().Size().ColumnOf(index_) : 0;
    }
    int rowIndex() const override {
        return canvas_ != nullptr ? canvas_->Grid().Size().RowOf(index_) : 0;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) {
            canvas_->SetCursor(index_);
            emit canvas_->Clicked(index_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int Index() const { return index_; }

private:
    bool Lit() const { return canvas_->Grid().IsLit(index_); }

    QPointer<FieldCanvas> canvas_;
    int index_;
};

class CanvasTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CanvasTable(FieldCanvas* canvas)
        : QAccessibleWidget(canvas, QAccessible::Table), canvas_(canvas) {
        QObject::connect(canvas, &FieldCanvas::CursorMoved, canvas, [this](int index) {
            if (QAccessible::isActive() && canvas_->hasFocus()) {
                QAccessibleEvent focus(Cell(index), QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        });
    }
    ~CanvasTable() override { Forget(); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QStringLiteral("Field, %1").arg(QString::fromStdString(ToString(Size())));
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Size().Cells(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < Size().Cells() ? Cell(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CanvasCell*>(child);
        return cell != nullptr ? cell->Index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = canvas_->CellAt(canvas_->viewport()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? Cell(index) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return canvas_->hasFocus() ? Cell(canvas_->Cursor()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const CellSize size = Size();
        if (row < 0 || column < 0 || row >= size.height || column >= size.width) {
            return nullptr;
        }
        return Cell(size.Index(row, column));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("Row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Size().width; }
    int rowCount() const override { return Size().height; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CellSize Size() const { return canvas_ != nullptr ? canvas_->Grid().Size() : CellSize{}; }

    // Made when first asked for; a change of size lets go of them all.
    QAccessibleInterface* Cell(int index) const {
        if (Size() != cellsSize_) {
            Forget();
            cellsSize_ = Size();
        }
        if (const auto found = cells_.constFind(index); found != cells_.constEnd()) {
            return QAccessible::accessibleInterface(*found);
        }
        auto* cell = new CanvasCell(canvas_, index);
        cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    void Forget() const {
        for (const QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        cells_.clear();
    }

    QPointer<FieldCanvas> canvas_;
    mutable QHash<int, QAccessible::Id> cells_;
    mutable CellSize cellsSize_;
};

}  // namespace

QAccessibleInterface* FieldCanvasAccessible(const QString& className, QObject* object) {
    auto* canvas = qobject_cast<FieldCanvas*>(object);
    if (className == QLatin1String("zrl::FieldCanvas") && canvas != nullptr) {
        return new CanvasTable(canvas);
    }
    return nullptr;
}

}  // namespace zrl
