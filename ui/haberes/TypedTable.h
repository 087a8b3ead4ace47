#pragma once

#include <QTableWidget>

namespace pagaluz::ui {

// A table where some cells are typed in: a screen reader is told which cells are editable and
// which read-only, and each row's header reads the row's first cell (its code).
class TypedTable : public QTableWidget {
    Q_OBJECT

public:
    TypedTable(int rows, int columns, QWidget *parent);
};

} // namespace pagaluz::ui
