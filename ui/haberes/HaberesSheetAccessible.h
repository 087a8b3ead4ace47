#pragma once

namespace pagaluz::ui {

// Makes assistive technology read the payslip sheet as a list of whole lines instead of its
// scattered cells: the name line, each shown line of the grid in row order (code, concept,
// quantity, amount and "haberes" or "descuentos"), then the three totals. Installing it more
// than once does nothing more.
void installHaberesSheetAccessible();

} // namespace pagaluz::ui
