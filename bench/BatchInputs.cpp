// batch_inputs [COUNT] [SEED]: writes a JSON array of COUNT payslip inputs
// (100 000 by default) for `pagaluz-calc --batch --locale es_AR`, varied the
// way a school's payroll is: positions from the whole catalogue and both
// kinds of hours, every seniority bracket and zone, with and without the
// incentive, absences, transport, children, spouse and each deduction. The
// same SEED always writes the same inputs.

#include "PositionCatalogue.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

namespace {

class InputWriter {
public:
    explicit InputWriter(std::uint32_t seed) : m_random(seed) {}

    // One input as a JSON object, appended to `json`.
    void append(std::string &json)
    {
        json += '{';
        appendPayBasis(json);
        appendSeniorityAndZone(json);
        appendFamilyAndTransport(json);
        appendDeductions(json);
        json += "\"teacherName\":\"Docente ";
        json += std::to_string(m_random() % 10000);
        json += "\"}";
    }

private:
    bool chance(int percent) { return static_cast<int>(m_random() % 100) < percent; }
    int between(int lowest, int highest)
    {
        return lowest + static_cast<int>(m_random() % static_cast<unsigned>(highest - lowest + 1));
    }

    // A count as the data entry screen holds it, sometimes with a decimal comma.
    std::string count(int lowest, int highest)
    {
        std::string text = std::to_string(between(lowest, highest));
        if (chance(15))
            text += ",5";
        return text;
    }

    static void appendText(std::string &json, std::string_view key, const std::string &value)
    {
        json += '"';
        json += key;
        json += "\":\"";
        json += value;
        json += "\",";
    }

    static void appendValue(std::string &json, std::string_view key, const std::string &value)
    {
        json += '"';
        json += key;
        json += "\":";
        json += value;
        json += ',';
    }

    void appendFlag(std::string &json, std::string_view key, int percent)
    {
        appendValue(json, key, chance(percent) ? "true" : "false");
    }

    void appendPayBasis(std::string &json)
    {
        const int basis = between(1, 10);
        if (basis <= 6) {
            const auto &rows = pagaluz::PositionCatalogue::builtIn().rows();
            appendText(json, "mode", "position");
            json += "\"position\":{\"code\":\"";
            json += rows[m_random() % rows.size()].code;
            json += "\"},";
            return;
        }
        const bool higher = basis > 8;
        appendText(json, "mode", higher ? "higherHours" : "secondaryHours");
        appendText(json, higher ? "higherHours" : "secondaryHoursText", count(1, 40));
        appendText(json, "code06Hours", count(0, 40));
        appendText(json, "incentiveHours", count(0, 40));
        appendText(json, "code113Hours", count(0, 40));
    }

    void appendSeniorityAndZone(std::string &json)
    {
        appendValue(json, "seniorityBracket", std::to_string(between(0, 12)));
        appendValue(json, "zone", std::to_string(between(-1, 4)));
        appendFlag(json, "incentive", 80);
        appendText(json, "absenceDays", chance(30) ? std::to_string(between(1, 5)) : "0");
    }

    void appendFamilyAndTransport(std::string &json)
    {
        if (chance(25)) {
            appendFlag(json, "transport", 100);
            appendText(json, "transportKm", std::to_string(between(1, 300)));
        }
        if (chance(35)) {
            appendFlag(json, "children", 100);
            appendText(json, "childCount", std::to_string(between(1, 6)));
        }
        if (chance(5)) {
            appendFlag(json, "disabledChildren", 100);
            appendText(json, "disabledChildCount", std::to_string(between(1, 2)));
        }
        appendFlag(json, "spouse", 40);
    }

    void appendDeductions(std::string &json)
    {
        json += "\"deductions\":{";
        constexpr std::array<std::string_view, 7> keys{
            "iosper",    "osplad",           "pension",      "law4035",
            "unionDues", "compensationFund", "insurance3011"};
        for (std::string_view key : keys)
            appendFlag(json, key, key == "pension" ? 90 : 50); // most teachers pay the pension
        json.back() = '}';
        json += ',';
    }

    std::mt19937 m_random;
};

} // namespace

int main(int argc, char *argv[])
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
    if (count < 1) {
        std::cerr << "usage: batch_inputs [COUNT] [SEED]\n";
        return 64;
    }
    InputWriter writer(seed);
    std::string json = "[\n";
    for (long index = 0; index < count; ++index) {
        if (index > 0)
            json += ",\n";
        writer.append(json);
    }
    json += "\n]\n";
    std::cout << json;
    return std::cout ? 0 : 1;
}
