#pragma once
// The mask grid as screen readers and UI automation see it: a table of one
// row, one cell per letter of the word, each cell named by the letter it
// shows (a blank cell has an empty name), the current cell selected and, while
// the grid has the focus, focused.

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace vellumar::ui {

class MaskGrid;

class MaskGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit MaskGridAccessible(MaskGrid* grid);
    ~MaskGridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The table: one row, a column per letter; only single cells are selected.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override { return 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    MaskGrid* Grid() const;
    void ForgetCellsFrom(int column);

    // The cells handed out so far, by column; the accessibility cache owns them.
    mutable QHash<int, QAccessible::Id> cells_;
};

class MaskGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    MaskGridCellAccessible(MaskGrid* grid, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    // The grid, or nullptr once it is gone or its destruction has begun.
    MaskGrid* Grid() const;

    QPointer<QObject> grid_;
    int column_;
};

// Makes the toolkit use the interfaces above for every mask grid; call once,
// where the program (or a test run) starts, before the windows are made.
void InstallAccessibleInterfaces();

}  // namespace vellumar::ui
