// The C++ source of the built-in scale, written from the scale file at build time.
#include "ScaleWriter.h"

#include <charconv>
#include <cstdio>

namespace pagaluz {

namespace {

// The initializers below start from std::string("{"), so that an optimising g++ 12 sees an
// append to a new string rather than an insert, which its -Wrestrict check misreads.

// A C++ string literal; every byte that is not plain printable ASCII as an octal escape,
// which never runs into the next character.
std::string literal(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\' || c == '?') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", unsigned(byte));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string exact(double value)
{
    // The shortest decimal that reads back as the same double, as the file writes it.
    char text[40];
    const std::string decimal(text, std::to_chars(text, text + sizeof text, value).ptr);
    return decimal.find_first_of(".e") == std::string::npos ? decimal + ".0" : decimal;
}

std::string money(Money value)
{
    return "Money::fromTenThousandths(" + std::to_string(value.tenThousandths()) + ")";
}

std::string of(const ScaleNumber &figure)
{
    return std::string("{") + exact(figure.value) + ", " + literal(figure.label) + ", " +
           literal(figure.source) + "}";
}

std::string of(const ScaleAmount &figure)
{
    return std::string("{") + money(figure.value) + ", " + literal(figure.label) + ", " +
           literal(figure.source) + "}";
}

std::string of(const HourScale &scale)
{
    return std::string("{") + of(scale.pointsPerHour) + ", " + exact(scale.code06LimitHours) +
           ", " + of(scale.code06Cap) + ", " + of(scale.incentivePerHour) + ", " +
           of(scale.code113PerHour) + ", " + std::to_string(scale.code06QuantityCap) + ", " +
           std::to_string(scale.incentiveQuantityCap) + ", " +
           std::to_string(scale.code113QuantityCap) + "}";
}

template <typename Row> std::string rowOf(const Row &row)
{
    std::string out = "{";
    for (std::size_t i = 0; i < row.size(); ++i)
        out += (i ? ", " : "") + std::to_string(row[i]);
    return out + "}";
}

template <typename Row> std::string rowsOf(const std::vector<Row> &rows)
{
    std::string out = "{";
    for (const Row &row : rows)
        out += rowOf(row) + ", ";
    return out + "}";
}

std::string of(const DeductionRate &rate)
{
    return std::string("{") + of(rate.rate) + ", " + literal(rate.quantity) + "}";
}

class Statements {
public:
    void set(const std::string &member, const std::string &value)
    {
        text += "    s." + member + " = " + value + ";\n";
    }
    std::string text;
};

void positionsAndHours(Statements &out, const PayScale &scale)
{
    out.set("pointValue", of(scale.pointValue));
    out.set("workdayPointValue", of(scale.workdayPointValue));
    out.set("secondaryHours", of(scale.secondaryHours));
    out.set("higherHours", of(scale.higherHours));
    out.set("code06PerHour", of(scale.code06PerHour));
    out.set("incentiveHoursCap", of(scale.incentiveHoursCap));
    out.set("code113HoursCap", of(scale.code113HoursCap));
    const PositionSupplementScale &p = scale.positionSupplements;
    out.set("positionSupplements", std::string("{") + std::to_string(p.fullDayPoints) + ", " +
                                       money(p.incentivePartDay) + ", " +
                                       money(p.incentiveFullDay) + ", " + money(p.code113PartDay) +
                                       ", " + money(p.code113FullDay) + "}");
}

void tables(Statements &out, const PayScale &scale)
{
    std::string brackets = "{";
    for (const SeniorityBracket &b : scale.seniorityBrackets)
        brackets += std::string("{") + literal(b.caption) + ", " + literal(b.percentText) + ", " +
                    std::to_string(b.percent) + "}, ";
    out.set("seniorityBrackets", brackets + "}");
    std::string zones = "{";
    for (const Zone &z : scale.zones)
        zones += std::string("{") + literal(z.name) + ", " + std::to_string(z.percent) + "}, ";
    out.set("zones", zones + "}");
    const Code06Scale &c = scale.code06;
    out.set("code06", std::string("{") + rowOf(c.partDayBandUpperBounds) + ", " +
                          rowsOf(c.partDay) + ", " + std::to_string(c.fullDayTablePoints) + ", " +
                          std::to_string(c.fullDayColumnUpperBound) + ", " + rowsOf(c.fullDay) +
                          "}");
}

void rest(Statements &out, const PayScale &scale)
{
    const ProductivityScale &p = scale.productivity;
    out.set("productivity", std::string("{") + of(p.rate) + ", " + literal(p.decreeQuantity) +
                                ", " + literal(p.plusQuantity) + "}");
    std::string parts = "{";
    for (const AbsencePart &part : scale.absences.parts)
        parts += std::string("{") + exact(part.days) + ", " + exact(part.part) + "}, ";
    out.set("absences",
            std::string("{") + parts + "}, " + exact(scale.absences.wholePlusAfterDays) + "}");
    const MinimumPayScale &m = scale.minimumPay;
    out.set("minimumPay", std::string("{") + std::to_string(m.aboveBasicPoints) + ", " +
                              of(m.guaranteedNet) + ", " + of(m.zoneShare) + ", " +
                              of(m.contributions) + "}");
    const TransportScale &t = scale.transport;
    out.set("transport", std::string("{") + of(t.perKm) + ", " + of(t.weeksPerMonth) + ", " +
                             exact(t.testRate) + ", " + exact(t.testLimit) + ", " + of(t.cap) +
                             "}");
    const FamilyScale &f = scale.family;
    std::string perChild = "{";
    for (const ChildAmount &row : f.perChild)
        perChild += std::string("{") + std::to_string(row.upToIncome) + ", " +
                    std::to_string(row.amount) + ", " + literal(row.incomes) + "}, ";
    out.set("family", std::string("{") + perChild + "}, " + of(f.perDisabledChild) + ", " +
                          std::to_string(f.largeFamilyChildren) + ", " + money(f.largeFamily) +
                          ", " + of(f.spouse) + "}");
    for (std::size_t index = 0; index < kScaleDeductions.size(); ++index)
        out.set("deductions.*kScaleDeductions[" + std::to_string(index) + "].rate",
                of(scale.deductions.*kScaleDeductions[index].rate));
    out.set("period", std::string("{") + literal(scale.period.title) + ", " +
                          literal(scale.period.month) + ", " + literal(scale.period.tooltip) + "}");
    out.set("validFrom", literal(scale.validFrom));
}

} // namespace

std::string scaleSourceText(const PayScale &scale)
{
    Statements out;
    positionsAndHours(out, scale);
    tables(out, scale);
    rest(out, scale);
    return "// Written at build time from the scale file; edit that file, not this one.\n"
           "#include \"PayScale.h\"\n\n"
           "namespace pagaluz {\n\nnamespace {\n\nPayScale fromScaleFile()\n{\n"
           "    PayScale s;\n" +
           out.text +
           "    return s;\n}\n\n} // namespace\n\n"
           "const PayScale &PayScale::builtIn()\n{\n"
           "    static const PayScale scale = fromScaleFile();\n    return scale;\n}\n\n"
           "} // namespace pagaluz\n";
}

} // namespace pagaluz
