#include "TypedTableAccessible.h"

#include "LeafAccessible.h"
#include "TypedTable.h"

#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPointer>

#include <map>
#include <utility>

namespace pagaluz::ui {

namespace {

constexpr int kHeader = -1; // the row of the column headers, the column of the row headers

class TableAccessible;

// What names a row: the text of its first cell.
QString rowName(const QTableWidget &table, int row)
{
    const QTableWidgetItem *first = table.item(row, 0);
    return first ? first->text().trimmed() : QString();
}

// One cell of the table, a column header (row kHeader) or a row header (column kHeader). It has
// no widget of its own and reads the table when asked.
class CellAccessible : public LeafAccessible, public QAccessibleTableCellInterface {
public:
    CellAccessible(QTableWidget *table, int row, int column)
        : m_table(table), m_row(row), m_column(column)
    {
    }

    bool isValid() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QTableWidgetItem *item() const;
    TableAccessible *tableAccessible() const;

    QPointer<QTableWidget> m_table;
    int m_row;
    int m_column;
};

// The table as its cells, laid out as the view counts them when it tells of a cell: the
// header row first when shown, the header column first in each row when shown.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(QTableWidget *table) : QAccessibleWidget(table, QAccessible::Table) {}
    ~TableAccessible() override { forgetCells(); }

    QTableWidget *view() const { return static_cast<QTableWidget *>(widget()); }
    // The interface of the cell at (row, column), kHeader for a header; made when first asked.
    QAccessibleInterface *cell(int row, int column) const;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int columnCount() const override { return view()->columnCount(); }
    int rowCount() const override { return view()->rowCount(); }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Rows come and go: the cells made so far are forgotten, and made anew when asked.
    void modelChange(QAccessibleTableModelChangeEvent *) override { forgetCells(); }

private:
    int headerRows() const { return view()->horizontalHeader()->isHidden() ? 0 : 1; }
    int headerColumns() const { return view()->verticalHeader()->isHidden() ? 0 : 1; }
    void forgetCells();

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

bool CellAccessible::isValid() const
{
    return m_table && m_row < m_table->rowCount() && m_column < m_table->columnCount();
}

QWindow *CellAccessible::window() const
{
    return m_table ? m_table->window()->windowHandle() : nullptr;
}

TableAccessible *CellAccessible::tableAccessible() const
{
    return m_table ? static_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(m_table))
                   : nullptr;
}

QAccessibleInterface *CellAccessible::parent() const
{
    return tableAccessible();
}

QTableWidgetItem *CellAccessible::item() const
{
    return isValid() && m_row != kHeader && m_column != kHeader ? m_table->item(m_row, m_column)
                                                                : nullptr;
}

QString CellAccessible::text(QAccessible::Text t) const
{
    if ((t != QAccessible::Name && t != QAccessible::Value) || !isValid())
        return {};
    if (m_row == kHeader && m_column == kHeader)
        return {};
    if (m_row == kHeader)
        return m_table->model()->headerData(m_column, Qt::Horizontal).toString();
    if (m_column == kHeader)
        return rowName(*m_table, m_row);
    const QTableWidgetItem *cellItem = item();
    return cellItem ? cellItem->text() : QString();
}

void CellAccessible::setText(QAccessible::Text t, const QString &text)
{
    QTableWidgetItem *cellItem = item();
    if ((t == QAccessible::Name || t == QAccessible::Value) && cellItem &&
        (cellItem->flags() & Qt::ItemIsEditable))
        cellItem->setText(text);
}

QRect CellAccessible::rect() const
{
    if (!isValid())
        return {};
    QRect place;
    if (m_row == kHeader) {
        const QHeaderView &header = *m_table->horizontalHeader();
        place = QRect(header.sectionViewportPosition(m_column), 0, header.sectionSize(m_column),
                      header.height());
        return place.translated(header.mapToGlobal(QPoint(0, 0)));
    }
    if (m_column == kHeader) {
        const QHeaderView &header = *m_table->verticalHeader();
        place = QRect(0, header.sectionViewportPosition(m_row), header.width(),
                      header.sectionSize(m_row));
        return place.translated(header.mapToGlobal(QPoint(0, 0)));
    }
    place = m_table->visualRect(m_table->model()->index(m_row, m_column));
    return place.translated(m_table->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role CellAccessible::role() const
{
    if (m_row == kHeader)
        return QAccessible::ColumnHeader;
    return m_column == kHeader ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const QTableWidgetItem *cellItem = item();
    state.editable = cellItem && (cellItem->flags() & Qt::ItemIsEditable);
    state.readOnly = !state.editable;
    if (cellItem) {
        state.selectable = state.focusable = true;
        state.selected = cellItem->isSelected();
        state.focused = m_table->hasFocus() && m_table->currentItem() == cellItem;
    }
    const QRect shown(m_table->viewport()->mapToGlobal(QPoint(0, 0)), m_table->viewport()->size());
    state.invisible = m_table->isHidden() || (cellItem && !shown.intersects(rect()));
    return state;
}

void *CellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool CellAccessible::isSelected() const
{
    const QTableWidgetItem *cellItem = item();
    return cellItem && cellItem->isSelected();
}

QList<QAccessibleInterface *> CellAccessible::columnHeaderCells() const
{
    TableAccessible *table = tableAccessible();
    if (!table || m_row == kHeader || m_column == kHeader)
        return {};
    return {table->cell(kHeader, m_column)};
}

QList<QAccessibleInterface *> CellAccessible::rowHeaderCells() const
{
    TableAccessible *table = tableAccessible();
    if (!table || m_row == kHeader || m_column == kHeader)
        return {};
    return {table->cell(m_row, kHeader)};
}

QAccessibleInterface *TableAccessible::cell(int row, int column) const
{
    QAccessible::Id &id = m_cells[{row, column}];
    if (id == 0) {
        auto *made = new CellAccessible(view(), row, column);
        id = QAccessible::registerAccessibleInterface(made); // the cache owns it from now on
    }
    return QAccessible::accessibleInterface(id);
}

void TableAccessible::forgetCells()
{
    for (const auto &[place, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

int TableAccessible::childCount() const
{
    return (rowCount() + headerRows()) * (columnCount() + headerColumns());
}

QAccessibleInterface *TableAccessible::child(int index) const
{
    const int columns = columnCount() + headerColumns();
    if (index < 0 || index >= childCount() || columns == 0)
        return nullptr;
    const int row = index / columns - headerRows();
    const int column = index % columns - headerColumns();
    return cell(row, column);
}

int TableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (const auto &[place, id] : m_cells)
        if (QAccessible::accessibleInterface(id) == child)
            return (place.first + headerRows()) * (columnCount() + headerColumns()) + place.second +
                   headerColumns();
    return -1;
}

QAccessibleInterface *TableAccessible::childAt(int x, int y) const
{
    const QPoint inView = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view()->indexAt(inView);
    return index.isValid() ? cell(index.row(), index.column()) : nullptr;
}

QAccessibleInterface *TableAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid())
        return nullptr;
    return cell(current.row(), current.column());
}

void *TableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *TableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cell(row, column);
}

QString TableAccessible::columnDescription(int column) const
{
    return view()->model()->headerData(column, Qt::Horizontal).toString();
}

QString TableAccessible::rowDescription(int row) const
{
    return rowName(*view(), row);
}

QList<QAccessibleInterface *> TableAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (const QTableWidgetItem *item : view()->selectedItems())
        cells << cell(item->row(), item->column());
    return cells;
}

QAccessibleInterface *typedTableInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(TypedTable::staticMetaObject.className()))
        return nullptr;
    return new TableAccessible(static_cast<TypedTable *>(object));
}

} // namespace

void installTypedTableAccessible()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&typedTableInterface);
        return true;
    }();
}

} // namespace pagaluz::ui
