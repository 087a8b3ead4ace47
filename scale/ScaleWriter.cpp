#include "ScaleWriter.h"

#include <charconv>
#include <cstdio>

namespace pagaluz {

namespace {

std::string shortest(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string written(text, end);
    if (written.find_first_of(".e") == std::string::npos)
        written += ".0";
    return written;
}

std::string amount(Money money)
{
    return shortest(money.toDouble());
}

// A TOML basic string: quotes, backslashes and control characters escaped.
std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(byte));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

template <typename T> std::string list(const std::vector<T> &values, std::string (*write)(T))
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i ? ", " : "") + write(values[i]);
    return out + "]";
}

std::string whole(int value)
{
    return std::to_string(value);
}

std::string number(double value)
{
    return shortest(value);
}

class TomlText {
public:
    TomlText &line(const std::string &text)
    {
        m_text += text + "\n";
        return *this;
    }
    TomlText &key(const std::string &name, const std::string &value)
    {
        return line(name + " = " + value);
    }
    std::string m_text;
};

void hours(TomlText &out, const char *level, const HourScale &scale)
{
    out.line("").line(std::string("[horas.") + level + "]");
    out.key("puntos_por_hora", number(scale.pointsPerHour.value))
        .key("horas_hasta_el_tope_del_codigo_06", number(scale.code06LimitHours))
        .key("tope_codigo_06", amount(scale.code06Cap.value))
        .key("incentivo_por_hora", number(scale.incentivePerHour.value))
        .key("codigo_113_por_hora", number(scale.code113PerHour.value))
        .key("cantidad_maxima_codigo_06", whole(scale.code06QuantityCap))
        .key("cantidad_maxima_incentivo", whole(scale.incentiveQuantityCap))
        .key("cantidad_maxima_codigo_113", whole(scale.code113QuantityCap));
}

void rows(TomlText &out, const char *key, const std::vector<std::vector<int>> &table)
{
    out.line(std::string(key) + " = [");
    for (const auto &row : table)
        out.line("  " + list<int>(row, whole) + ",");
    out.line("]");
}

void code06(TomlText &out, const Code06Scale &scale)
{
    out.line("").line("[codigo_06]");
    out.key("limites_de_puntos_basicos", list<int>(scale.partDayBandUpperBounds, whole));
    rows(out, "media_jornada", scale.partDay);
    out.key("puntos_de_jornada_completa", whole(scale.fullDayTablePoints))
        .key("limite_de_puntos_basicos_jornada_completa", whole(scale.fullDayColumnUpperBound));
    std::vector<std::vector<int>> fullDay;
    for (const auto &row : scale.fullDay)
        fullDay.push_back({row[0], row[1]});
    rows(out, "jornada_completa", fullDay);
}

void family(TomlText &out, const FamilyScale &scale)
{
    std::vector<int> limits;
    std::vector<int> amounts;
    for (const ChildAmount &row : scale.perChild) {
        if (&row != &scale.perChild.back())
            limits.push_back(row.upToIncome);
        amounts.push_back(row.amount);
    }
    out.line("").line("[familia]");
    out.key("ingresos_hasta", list<int>(limits, whole))
        .key("importe_por_hijo", list<int>(amounts, whole))
        .key("importe_por_hijo_con_discapacidad",
             whole(static_cast<int>(scale.perDisabledChild.value)))
        .key("familia_numerosa_desde_hijos", whole(scale.largeFamilyChildren))
        .key("familia_numerosa", amount(scale.largeFamily))
        .key("conyuge", amount(scale.spouse.value));
}

void deductions(TomlText &out, const DeductionScale &scale)
{
    out.line("");
    for (const ScaleDeduction &which : kScaleDeductions) {
        const DeductionRate &rate = scale.*which.rate;
        out.line("[descuentos." + std::string(which.fileKey) + "]");
        out.key("tasa", number(rate.rate.value)).key("cantidad", quoted(rate.quantity));
    }
}

void positionsAndHours(TomlText &out, const PayScale &scale)
{
    const PositionSupplementScale &supplements = scale.positionSupplements;
    out.line("").line("[cargos]");
    out.key("valor_del_punto", number(scale.pointValue.value))
        .key("valor_del_punto_de_jornada", number(scale.workdayPointValue.value));
    out.line("").line("[cargos.suplementos]");
    out.key("puntos_de_jornada_completa", whole(supplements.fullDayPoints))
        .key("incentivo_media_jornada", amount(supplements.incentivePartDay))
        .key("incentivo_jornada_completa", amount(supplements.incentiveFullDay))
        .key("codigo_113_media_jornada", amount(supplements.code113PartDay))
        .key("codigo_113_jornada_completa", amount(supplements.code113FullDay));
    out.line("").line("[horas]");
    out.key("codigo_06_por_hora", number(scale.code06PerHour.value))
        .key("tope_incentivo", amount(scale.incentiveHoursCap.value))
        .key("tope_codigo_113", amount(scale.code113HoursCap.value));
    hours(out, "nivel_medio", scale.secondaryHours);
    hours(out, "nivel_superior", scale.higherHours);
}

void bracketsAndZones(TomlText &out, const PayScale &scale)
{
    for (const SeniorityBracket &bracket : scale.seniorityBrackets)
        out.line("")
            .line("[[antiguedad]]")
            .key("leyenda", quoted(bracket.caption))
            .key("porcentaje", whole(bracket.percent));
    for (const Zone &zone : scale.zones)
        out.line("")
            .line("[[zonas]]")
            .key("nombre", quoted(zone.name))
            .key("porcentaje", whole(zone.percent));
}

void rest(TomlText &out, const PayScale &scale)
{
    out.line("").line("[productividad]");
    out.key("tasa", number(scale.productivity.rate.value))
        .key("cantidad_codigo_014", quoted(scale.productivity.decreeQuantity))
        .key("cantidad_codigo_188", quoted(scale.productivity.plusQuantity));
    std::vector<double> days;
    std::vector<double> parts;
    for (const AbsencePart &part : scale.absences.parts) {
        days.push_back(part.days);
        parts.push_back(part.part);
    }
    out.line("").line("[inasistencias]");
    out.key("dias", list<double>(days, number))
        .key("parte_del_plus", list<double>(parts, number))
        .key("todo_el_plus_con_mas_de_dias", number(scale.absences.wholePlusAfterDays));
    out.line("").line("[minimo_garantizado]");
    out.key("mas_de_puntos_basicos", whole(scale.minimumPay.aboveBasicPoints))
        .key("neto_garantizado", amount(scale.minimumPay.guaranteedNet.value))
        .key("parte_de_zona", number(scale.minimumPay.zoneShare.value))
        .key("aportes_estimados", number(scale.minimumPay.contributions.value));
    out.line("").line("[movilidad]");
    out.key("importe_por_km", number(scale.transport.perKm.value))
        .key("semanas_por_mes", number(scale.transport.weeksPerMonth.value))
        .key("tasa_de_prueba", number(scale.transport.testRate))
        .key("limite_de_prueba", number(scale.transport.testLimit))
        .key("tope", amount(scale.transport.cap.value));
}

} // namespace

std::string scaleFileText(const PayScale &scale)
{
    TomlText out;
    out.line("# Escala de haberes docentes. Cada clave es obligatoria; los importes en pesos, las")
        .line("# tasas en partes de uno, los porcentajes enteros.");
    out.key("nombre", quoted(scale.period.title))
        .key("periodo", quoted(scale.period.month))
        .key("periodo_en_la_ayuda", quoted(scale.period.tooltip))
        .key("vigente_desde", scale.validFrom);
    positionsAndHours(out, scale);
    bracketsAndZones(out, scale);
    code06(out, scale.code06);
    rest(out, scale);
    family(out, scale.family);
    deductions(out, scale.deductions);
    return out.m_text;
}

} // namespace pagaluz
