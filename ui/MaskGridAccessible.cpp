#include "ui/MaskGridAccessible.h"

#include "ui/MaskGrid.h"
#include "ui/QtText.h"

namespace vellumar::ui {

namespace {

QAccessibleInterface* MaskGridFactory(const QString& className, QObject* object) {
    auto* grid = qobject_cast<MaskGrid*>(object);
    if (!grid || className != QLatin1String(MaskGrid::staticMetaObject.className())) return nullptr;
    return new MaskGridAccessible(grid);
}

}  // namespace

MaskGridAccessible::MaskGridAccessible(MaskGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

MaskGridAccessible::~MaskGridAccessible() { ForgetCellsFrom(0); }

MaskGrid* MaskGridAccessible::Grid() const { return static_cast<MaskGrid*>(widget()); }

void* MaskGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int MaskGridAccessible::childCount() const { return columnCount(); }
int MaskGridAccessible::columnCount() const { return Grid()->State().Length(); }

QAccessibleInterface* MaskGridAccessible::child(int index) const {
    if (index < 0 || index >= columnCount()) return nullptr;
    if (const auto found = cells_.constFind(index); found != cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new MaskGridCellAccessible(Grid(), index);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int MaskGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const MaskGridCellAccessible*>(child);
    if (!cell || cell->table() != this || !cell->isValid()) return -1;
    return cell->columnIndex();
}

QAccessibleInterface* MaskGridAccessible::childAt(int x, int y) const {
    return child(Grid()->ColumnAt(Grid()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* MaskGridAccessible::focusChild() const {
    return Grid()->hasFocus() ? child(Grid()->State().Col()) : nullptr;
}

QAccessibleInterface* MaskGridAccessible::cellAt(int row, int column) const {
    return row == 0 ? child(column) : nullptr;
}

QList<QAccessibleInterface*> MaskGridAccessible::selectedCells() const { return {child(Grid()->State().Col())}; }

// The numbers above the cells.
QString MaskGridAccessible::columnDescription(int column) const { return QString::number(column + 1); }

// A cell's interface reads its column afresh each time, so a changed letter
// needs nothing here; cells past the new end are let go.
void MaskGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ColumnsRemoved ||
        event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset)
        ForgetCellsFrom(columnCount());
}

void MaskGridAccessible::ForgetCellsFrom(int column) {
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (it.key() >= column) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = cells_.erase(it);
        } else {
            ++it;
        }
    }
}

MaskGridCellAccessible::MaskGridCellAccessible(MaskGrid* grid, int column) : grid_(grid), column_(column) {}

// During the grid's destruction its type is no longer MaskGrid, so the cast
// fails before a cell reads a letter that is gone.
MaskGrid* MaskGridCellAccessible::Grid() const { return qobject_cast<MaskGrid*>(grid_.data()); }

bool MaskGridCellAccessible::isValid() const { return Grid() && column_ < Grid()->State().Length(); }

QWindow* MaskGridCellAccessible::window() const {
    QAccessibleInterface* table = parent();
    return table ? table->window() : nullptr;
}

QAccessibleInterface* MaskGridCellAccessible::parent() const {
    return Grid() ? QAccessible::queryAccessibleInterface(Grid()) : nullptr;
}

// A blank cell (or one never written) has an empty name.
QString MaskGridCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) return {};
    return FromCp1251(Grid()->State().Cell(column_)).trimmed();
}

QRect MaskGridCellAccessible::rect() const {
    if (!isValid()) return {};
    const QRect cell = Grid()->CellRect(column_);
    return QRect(Grid()->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State MaskGridCellAccessible::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    s.selectable = true;
    s.selected = isSelected();
    s.focused = s.selected && Grid()->hasFocus();
    s.invisible = !Grid()->isVisible();
    return s;
}

void* MaskGridCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

bool MaskGridCellAccessible::isSelected() const { return isValid() && column_ == Grid()->State().Col(); }

void InstallAccessibleInterfaces() { QAccessible::installFactory(MaskGridFactory); }

}  // namespace vellumar::ui
