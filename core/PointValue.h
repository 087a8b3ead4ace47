#pragma once

namespace pagaluz {

// What one point of the pay scale pays: the basic, complement and differentiated-task points
// and the hours' points at kPointValue, the full-day and prolongation points at
// kWorkdayPointValue.
inline constexpr double kPointValue = 0.653;
inline constexpr double kWorkdayPointValue = 0.788;

} // namespace pagaluz
