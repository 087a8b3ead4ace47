#include "TypedTable.h"

#include "TypedTableAccessible.h"

namespace pagaluz::ui {

TypedTable::TypedTable(int rows, int columns, QWidget *parent) : QTableWidget(rows, columns, parent)
{
    installTypedTableAccessible();
}

} // namespace pagaluz::ui
