#include "PayScale.h"

namespace pagaluz {

namespace {

Money units(std::int64_t whole)
{
    return Money::fromUnits(whole);
}

HourScale secondaryHours()
{
    return {{64.7, "puntos por hora", "de la escala, nivel medio"},
            30.0,
            {units(282), "tope"},
            {7.33, "importe por hora"},
            {6.66, "importe por hora"},
            30,
            30,
            30};
}

HourScale higherHours()
{
    return {{86.9, "puntos por hora", "de la escala, nivel superior"},
            15.0,
            {units(141), "tope"},
            {9.166, "importe por hora"},
            {8.333, "importe por hora"},
            15,
            24,
            24};
}

std::vector<SeniorityBracket> seniorityBrackets()
{
    return {
        {"Menos de 1 año", "0 %", 0},         {"Entre 1 y 2 años", "10 %", 10},
        {"Entre 2 y 5 años", "15 %", 15},     {"Entre 5 y 7 años", "30 %", 30},
        {"Entre 7 y 10 años", "40 %", 40},    {"Entre 10 y 12 años", "50 %", 50},
        {"Entre 12 y 15 años", "60 %", 60},   {"Entre 15 y 17 años", "70 %", 70},
        {"Entre 17 y 20 años", "80 %", 80},   {"Entre 20 y 22 años", "100 %", 100},
        {"Entre 22 y 24 años", "110 %", 110}, {"Más de 24 años", "120 %", 120},
    };
}

std::vector<Zone> zones()
{
    return {{"Común", 0},
            {"Alejada radio urbano", 20},
            {"Desfavorable", 40},
            {"Muy desfavorable", 80},
            {"Zona Inhóspita", 120}};
}

// The table is used as the pay scale lists it, including the cells that are lower than their
// neighbours.
Code06Scale code06()
{
    return {{971, 1169, 1400, 1942, 2220},
            {
                {160, 80, 0, 0, 0, 0},
                {160, 80, 0, 0, 0, 0},
                {175, 90, 0, 0, 0, 0},
                {270, 180, 240, 193, 180, 0},
                {320, 195, 240, 193, 180, 0},
                {350, 210, 250, 200, 180, 140},
                {375, 230, 250, 200, 180, 140},
                {430, 260, 260, 203, 190, 160},
                {415, 285, 285, 230, 190, 160},
                {500, 345, 395, 340, 280, 180},
                {620, 435, 410, 330, 310, 180},
                {695, 495, 430, 330, 320, 190},
                {715, 510, 480, 335, 330, 190},
            },
            620,
            971,
            {
                {0, 0},
                {0, 0},
                {0, 0},
                {220, 220},
                {380, 350},
                {440, 400},
                {475, 435},
                {510, 450},
                {525, 465},
                {555, 475},
                {590, 490},
                {615, 505},
                {620, 510},
            }};
}

FamilyScale family()
{
    return {{{2300, 102, "ingresos hasta 2300"},
             {3300, 81, "ingresos de más de 2300 hasta 3300"},
             {0, 61, "ingresos de más de 3300"}},
            {400, "importe por hijo con discapacidad"},
            3,
            units(3),
            {units(15), "salario por cónyuge", "importe fijo de la escala"}};
}

DeductionScale deductions()
{
    return {{{0.03, "porcentaje de IOSPER"}, "3 %"},
            {{0.03, "porcentaje de OSPLAD"}, "3 %"},
            {{0.16, "porcentaje de Aporte Jub."}, "16 %"},
            {{0.006, "porcentaje de Ley 4035"}, "0,6 %"},
            {{0.02, "porcentaje de UTREL"}, "2 %"},
            {{0.045, "porcentaje de Caja Comp."}, "4,5 %"},
            {{0.02, "porcentaje de Seguro 3011"}, "2 %"}};
}

PayScale august2008()
{
    PayScale scale;
    scale.pointValue = {0.653, "valor del punto"};
    scale.workdayPointValue = {0.788, "valor del punto de jornada"};
    scale.secondaryHours = secondaryHours();
    scale.higherHours = higherHours();
    scale.code06PerHour = {9.4, "importe por hora"};
    scale.incentiveHoursCap = {units(220), "tope"};
    scale.code113HoursCap = {units(200), "tope"};
    scale.seniorityBrackets = seniorityBrackets();
    scale.zones = zones();
    scale.code06 = code06();
    scale.positionSupplements = {600, units(110), units(220), units(100), units(200)};
    scale.productivity = {{0.07, "porcentaje de productividad"}, "0.7", "7.0"};
    scale.absences = {{{1.0, 0.25}, {2.0, 0.5}, {3.0, 0.75}}, 3.0};
    scale.minimumPay = {900,
                        {units(1290), "mínimo garantizado"},
                        {1.07, "porcentaje de la parte de zona"},
                        {0.196, "porcentaje de los aportes estimados"}};
    scale.transport = {{0.195344, "importe por kilómetro"},
                       {4.0, "semanas por mes", ""},
                       0.13472,
                       161.8,
                       {Money::fromTenThousandths(2346100), "tope", "de la escala, desde 301 km"}};
    scale.family = family();
    scale.deductions = deductions();
    scale.period = {"Haberes Agosto 08", "Agosto de 2.008", "Haberes de Agosto de 2.008"};
    return scale;
}

} // namespace

const PayScale &PayScale::builtIn()
{
    static const PayScale scale = august2008();
    return scale;
}

} // namespace pagaluz
