#pragma once

namespace pagaluz::ui {

// Makes assistive technology read a TypedTable as a table of cells, each cell editable or
// read-only as its item is, with the column headers as its first row; each row's header reads
// the row's first cell, whether the vertical header is shown or not. Installing it more than once
// does nothing more.
void installTypedTableAccessible();

} // namespace pagaluz::ui
