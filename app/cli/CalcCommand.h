#pragma once

#include <QStringList>

#include <istream>
#include <ostream>

namespace pagaluz {

// The exit statuses of pagaluz-calc.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitValidationFailed = 1; // neither a position nor hours were chosen
inline constexpr int kExitConversionFailed = 2; // a text that is no number for its box, an
                                                // overflow, a position table with a fault
inline constexpr int kExitPayslipsDiffer = 3;   // --compare: the school's payslip differs from ours
inline constexpr int kExitBadUsage = 64;        // an unknown option, unreadable or malformed input
inline constexpr int kExitCannotCreate = 73;    // --pdf: what stands at the output is no file
inline constexpr int kExitWriteFailed = 74;     // the results could not be written (a full disk)

// pagaluz-calc [--json] [--explain] [--locale NAME] [--batch] [--positions]
//              [--positions-file TABLE] [--compare SCHOOL.json [--max-seconds S]] [--help]
//              [--version] [FILE]
//
// Reads the inputs of one payslip as a JSON object from FILE, or from `in` when there is no
// FILE or it is "-", and writes the payslip to `out`: as a table, or with --json as a JSON
// object; with --explain, also how each amount was reached and why a line is missing. --batch
// reads a JSON array of inputs and writes a JSON array with the payslip or the
// error of each, or JSON Lines (one object a line) and writes one result a line. --positions writes
// the position catalogue as CSV, or with --json as a JSON array, each row saying whether its
// points are verified. --positions-file reads the position table from TABLE instead of using the
// built-in one: codes choose its rows and --positions lists it; a table with a fault is refused
// whole, with exit status 2 and a message naming its line and column. Numbers are read and written
// in the conventions of the locale NAME ("es_AR", "en_US"), by default of the system's locale.
// --compare compares the payslip with the school's (JSON as --json writes a payslip, each amount
// compared at the decimals it was written with), searches for inputs that explain the
// difference, the whole command within --max-seconds (more than 0, at most 3600), and writes a
// table, or with --json a JSON report; it returns 3 when the payslips differ. Messages go to `err`.
// `arguments` does not include the program's name. Returns the exit status.
int runCalc(const QStringList &arguments, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace pagaluz
