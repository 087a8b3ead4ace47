// Fuzz target: reading a pay scale file.
//
// The bytes are the file. A scale that is read must calculate the worked example (a payslip
// or a calculation error, never anything thrown), and written again as a scale file read back
// as a scale that is written alike. A refusal must name a line of the text (or the one after
// its last) and a column, and its message must start with both.

#include "FuzzCheck.h"
#include "PayCalculator.h"
#include "ScaleReader.h"
#include "ScaleWriter.h"
#include "SelectedPositionFromCatalogue.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace pagaluz;

PayInputs workedExample()
{
    PayInputs in;
    in.positionChosen = true;
    in.position = selectPositionByCode(PositionCatalogue::builtIn(), "734");
    in.seniorityBracket = 4;
    in.zone = 2;
    in.deductionsChosen.pension = true;
    return in;
}

void checkScale(const PayScale &scale)
{
    PayCalculator(DecimalConventions::comma(), Explanations::Built, scale)
        .calculate(workedExample());
    const std::string written = scaleFileText(scale);
    fuzz::check(scaleFileText(readPayScale(written)) == written,
                "a scale written again reads back otherwise");
}

void checkRefusal(std::string_view text, const ScaleRefused &refused)
{
    const std::string_view message = refused.what();
    const long lines = std::count(text.begin(), text.end(), '\n') + 1;
    long line = 0;
    long column = 0;
    const int read = std::sscanf(refused.what(), "línea %ld, columna %ld", &line, &column);
    fuzz::check(read == 2 && line >= 1 && line <= lines + 1 && column >= 1,
                "a refusal without its place: " + std::string(message));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        checkScale(readPayScale(text));
    } catch (const ScaleRefused &refused) {
        checkRefusal(text, refused);
    }
    return 0;
}
