#pragma once

namespace pagaluz::ui {

// Makes assistive technology read the payslip sheet as a list of whole lines instead of its
// scattered cells: the name line, each shown line of the grid in row order (code, concept,
// quantity, amount and "haberes" or "descuentos"), then the three totals. Installing it more
// than once does nothing more.
// Each line and total is focusable: the one the keyboard is on is the list's focused item, with
// the sentence of how its amount was reached as its description.
void installHaberesSheetAccessible();

class HaberesSheet;

// Tells assistive technology that the keyboard moved to `part` of the sheet.
void tellSheetFocus(HaberesSheet &sheet, int part);

} // namespace pagaluz::ui
