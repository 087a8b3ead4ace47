#include "SelectedPositionFromCatalogue.h"

namespace pagaluz {

SelectedPosition selectPositionByRow(const PositionCatalogue &catalogue, int index)
{
    const PositionRecord &r = catalogue.row(index);
    return {r.code,
            r.name,
            r.basicPoints,
            r.complementPoints,
            r.fullDayPoints,
            r.extendedDayPoints,
            r.differentiatedTaskPoints};
}

SelectedPosition selectPositionByCode(const PositionCatalogue &catalogue, std::string_view code)
{
    const int index = catalogue.findCode(code);
    if (index == PositionCatalogue::kNoRow)
        return {}; // no row selected: no code, no name, empty point boxes
    return selectPositionByRow(catalogue, index);
}

} // namespace pagaluz
