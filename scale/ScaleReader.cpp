#include "ScaleReader.h"

#include "ScaleSection.h"

#include <cmath>

namespace pagaluz {

namespace {

// The largest fixed amount and income a scale may state: more than any month's pay, and
// far from what Money can hold once multiplied by hours and percentages.
constexpr double kLargestAmount = 1'000'000.0;
constexpr double kLargestRate = 10.0;
constexpr double kLargestPointValue = 1'000.0;
constexpr std::int64_t kLargestPercent = 250;
constexpr std::int64_t kLargestPoints = 100'000;
constexpr std::int64_t kLargestQuantity = 1'000;
constexpr std::size_t kLongestCaption = 60;

ScaleNumber number(ScaleSection &section, const char *key, double largest, std::string label,
                   std::string source)
{
    return {section.number(key, 0.0, largest), std::move(label), std::move(source)};
}

ScaleAmount amount(ScaleSection &section, const char *key, std::string label, std::string source)
{
    return {section.amount(key, kLargestAmount), std::move(label), std::move(source)};
}

HourScale hours(ScaleSection level, const std::string &source)
{
    HourScale scale;
    scale.pointsPerHour =
        number(level, "puntos_por_hora", kLargestPoints, "puntos por hora", source);
    scale.code06LimitHours =
        level.number("horas_hasta_el_tope_del_codigo_06", 0.0, double(kLargestQuantity));
    scale.code06Cap = amount(level, "tope_codigo_06", "tope", "de la escala");
    scale.incentivePerHour =
        number(level, "incentivo_por_hora", kLargestAmount, "importe por hora", "de la escala");
    scale.code113PerHour =
        number(level, "codigo_113_por_hora", kLargestAmount, "importe por hora", "de la escala");
    scale.code06QuantityCap = int(level.whole("cantidad_maxima_codigo_06", 0, kLargestQuantity));
    scale.incentiveQuantityCap = int(level.whole("cantidad_maxima_incentivo", 0, kLargestQuantity));
    scale.code113QuantityCap = int(level.whole("cantidad_maxima_codigo_113", 0, kLargestQuantity));
    level.finish();
    return scale;
}

std::vector<SeniorityBracket> seniorityBrackets(ScaleSection &root)
{
    std::vector<SeniorityBracket> brackets;
    std::int64_t previous = 0;
    for (ScaleSection row : root.tables("antiguedad", 1, 20)) {
        const std::int64_t percent =
            row.whole("porcentaje", previous, kLargestPercent, "menor que el del tramo anterior");
        previous = percent;
        brackets.push_back({row.text("leyenda", kLongestCaption), std::to_string(percent) + " %",
                            static_cast<std::uint8_t>(percent)});
        row.finish();
    }
    return brackets;
}

std::vector<Zone> zones(ScaleSection &root)
{
    std::vector<Zone> zones;
    for (ScaleSection row : root.tables("zonas", 1, 20)) {
        zones.push_back({row.text("nombre", kLongestCaption),
                         static_cast<std::uint8_t>(row.whole("porcentaje", 0, kLargestPercent))});
        row.finish();
    }
    return zones;
}

Code06Scale code06(ScaleSection section, std::size_t rows)
{
    Code06Scale scale;
    const auto bounds = section.wholes("limites_de_puntos_basicos", 1, 20, 1, kLargestPoints,
                                       /*rising=*/true);
    scale.partDayBandUpperBounds.assign(bounds.begin(), bounds.end());
    for (const auto &row : section.table("media_jornada", rows, bounds.size() + 1, kLargestAmount))
        scale.partDay.emplace_back(row.begin(), row.end());
    scale.fullDayTablePoints = int(section.whole("puntos_de_jornada_completa", 0, kLargestPoints));
    scale.fullDayColumnUpperBound =
        int(section.whole("limite_de_puntos_basicos_jornada_completa", 0, kLargestPoints));
    for (const auto &row : section.table("jornada_completa", rows, 2, kLargestAmount))
        scale.fullDay.push_back({row[0], row[1]});
    section.finish();
    return scale;
}

AbsenceScale absences(ScaleSection section)
{
    AbsenceScale scale;
    const auto days = section.numbers("dias", 0, 31, 0.0, 31.0);
    const auto parts = section.numbers("parte_del_plus", days.size(), days.size(), 0.0, 1.0);
    for (std::size_t i = 0; i < days.size(); ++i)
        scale.parts.push_back({days[i], parts[i]});
    scale.wholePlusAfterDays = section.number("todo_el_plus_con_mas_de_dias", 0.0, 31.0);
    section.finish();
    return scale;
}

std::string incomesCaption(const std::vector<std::int64_t> &limits, std::size_t row)
{
    if (limits.empty())
        return "todos los ingresos";
    if (row == 0)
        return "ingresos hasta " + std::to_string(limits[0]);
    const std::string above = "ingresos de más de " + std::to_string(limits[row - 1]);
    return row < limits.size() ? above + " hasta " + std::to_string(limits[row]) : above;
}

FamilyScale family(ScaleSection section)
{
    FamilyScale scale;
    const auto limits =
        section.wholes("ingresos_hasta", 0, 20, 1, std::int64_t(kLargestAmount), /*rising=*/true);
    const auto amounts = section.wholes("importe_por_hijo", limits.size() + 1, limits.size() + 1, 0,
                                        std::int64_t(kLargestAmount), /*rising=*/false);
    for (std::size_t row = 0; row < amounts.size(); ++row)
        scale.perChild.push_back({row < limits.size() ? int(limits[row]) : 0, int(amounts[row]),
                                  incomesCaption(limits, row)});
    // Whole pesos, at least one: the count of children it pays is bounded by it.
    scale.perDisabledChild = {double(section.whole("importe_por_hijo_con_discapacidad", 1, 30'000)),
                              "importe por hijo con discapacidad"};
    scale.largeFamilyChildren = int(section.whole("familia_numerosa_desde_hijos", 1, 99));
    scale.largeFamily = section.amount("familia_numerosa", kLargestAmount);
    scale.spouse = amount(section, "conyuge", "salario por cónyuge", "importe fijo de la escala");
    section.finish();
    return scale;
}

DeductionRate deduction(ScaleSection &deductions, const ScaleDeduction &which)
{
    ScaleSection section = deductions.section(std::string(which.fileKey).c_str());
    DeductionRate rate{
        number(section, "tasa", 1.0, "porcentaje de " + std::string(which.name), "de la escala"),
        section.text("cantidad", 10)};
    section.finish();
    return rate;
}

DeductionScale deductions(ScaleSection section)
{
    DeductionScale scale;
    for (const ScaleDeduction &which : kScaleDeductions)
        scale.*which.rate = deduction(section, which);
    section.finish();
    return scale;
}

// The first kilometre that reaches the transport's cap, as its explanation cites it.
std::string capFrom(const TransportScale &scale)
{
    const double product = scale.testRate * scale.weeksPerMonth.value;
    if (product <= 0.0)
        return "de la escala";
    const double km = std::ceil(scale.testLimit / product);
    return "de la escala, desde " + std::to_string(static_cast<long long>(km)) + " km";
}

TransportScale transport(ScaleSection section)
{
    TransportScale scale;
    scale.perKm =
        number(section, "importe_por_km", kLargestRate, "importe por kilómetro", "de la escala");
    scale.weeksPerMonth = number(section, "semanas_por_mes", 5.0, "semanas por mes", "");
    scale.testRate = section.number("tasa_de_prueba", 0.0, kLargestRate);
    scale.testLimit = section.number("limite_de_prueba", 0.0, kLargestAmount);
    scale.cap = {section.amount("tope", kLargestAmount), "tope", ""};
    scale.cap.source = capFrom(scale);
    section.finish();
    return scale;
}

void positions(ScaleSection section, PayScale &scale)
{
    scale.pointValue =
        number(section, "valor_del_punto", kLargestPointValue, "valor del punto", "de la escala");
    scale.workdayPointValue = number(section, "valor_del_punto_de_jornada", kLargestPointValue,
                                     "valor del punto de jornada", "de la escala");
    ScaleSection supplements = section.section("suplementos");
    scale.positionSupplements = {
        int(supplements.whole("puntos_de_jornada_completa", 0, kLargestPoints)),
        supplements.amount("incentivo_media_jornada", kLargestAmount),
        supplements.amount("incentivo_jornada_completa", kLargestAmount),
        supplements.amount("codigo_113_media_jornada", kLargestAmount),
        supplements.amount("codigo_113_jornada_completa", kLargestAmount)};
    supplements.finish();
    section.finish();
}

void hourFigures(ScaleSection section, PayScale &scale)
{
    scale.code06PerHour =
        number(section, "codigo_06_por_hora", kLargestAmount, "importe por hora", "de la escala");
    scale.incentiveHoursCap = amount(section, "tope_incentivo", "tope", "de la escala");
    scale.code113HoursCap = amount(section, "tope_codigo_113", "tope", "de la escala");
    scale.secondaryHours = hours(section.section("nivel_medio"), "de la escala, nivel medio");
    scale.higherHours = hours(section.section("nivel_superior"), "de la escala, nivel superior");
    section.finish();
}

void productivity(ScaleSection section, PayScale &scale)
{
    scale.productivity = {
        number(section, "tasa", 1.0, "porcentaje de productividad", "de la escala"),
        section.text("cantidad_codigo_014", 10), section.text("cantidad_codigo_188", 10)};
    section.finish();
}

void minimumPay(ScaleSection section, PayScale &scale)
{
    scale.minimumPay = {int(section.whole("mas_de_puntos_basicos", 0, kLargestPoints)),
                        amount(section, "neto_garantizado", "mínimo garantizado", "de la escala"),
                        number(section, "parte_de_zona", kLargestRate,
                               "porcentaje de la parte de zona", "de la escala"),
                        number(section, "aportes_estimados", 1.0,
                               "porcentaje de los aportes estimados", "de la escala")};
    section.finish();
}

// Every figure's source names the scale: "de la escala «Haberes Agosto 08»".
void nameTheScale(PayScale &scale)
{
    const std::string from = "de la escala";
    const std::string named = from + " «" + scale.period.title + "»";
    const auto rename = [&](std::string &source) {
        if (source.compare(0, from.size(), from) == 0)
            source.replace(0, from.size(), named);
    };
    for (ScaleNumber *figure :
         {&scale.pointValue, &scale.workdayPointValue, &scale.code06PerHour,
          &scale.secondaryHours.pointsPerHour, &scale.secondaryHours.incentivePerHour,
          &scale.secondaryHours.code113PerHour, &scale.higherHours.pointsPerHour,
          &scale.higherHours.incentivePerHour, &scale.higherHours.code113PerHour,
          &scale.productivity.rate, &scale.minimumPay.zoneShare, &scale.minimumPay.contributions,
          &scale.transport.perKm, &scale.transport.weeksPerMonth, &scale.family.perDisabledChild})
        rename(figure->source);
    for (const ScaleDeduction &which : kScaleDeductions)
        rename((scale.deductions.*which.rate).rate.source);
    for (ScaleAmount *figure :
         {&scale.secondaryHours.code06Cap, &scale.higherHours.code06Cap, &scale.incentiveHoursCap,
          &scale.code113HoursCap, &scale.minimumPay.guaranteedNet, &scale.transport.cap,
          &scale.family.spouse})
        rename(figure->source);
}

PayScale read(ScaleSection root)
{
    PayScale scale;
    scale.period = {root.text("nombre", kLongestScaleName), root.text("periodo", kLongestCaption),
                    root.text("periodo_en_la_ayuda", kLongestCaption)};
    scale.validFrom = root.date("vigente_desde");
    positions(root.section("cargos"), scale);
    hourFigures(root.section("horas"), scale);
    scale.seniorityBrackets = seniorityBrackets(root);
    scale.zones = zones(root);
    scale.code06 = code06(root.section("codigo_06"), scale.seniorityBrackets.size() + 1);
    productivity(root.section("productividad"), scale);
    scale.absences = absences(root.section("inasistencias"));
    minimumPay(root.section("minimo_garantizado"), scale);
    scale.transport = transport(root.section("movilidad"));
    scale.family = family(root.section("familia"));
    scale.deductions = deductions(root.section("descuentos"));
    root.finish();
    nameTheScale(scale);
    return scale;
}

} // namespace

PayScale readPayScale(std::string_view text)
{
    return read(ScaleSection::parse(text));
}

} // namespace pagaluz
