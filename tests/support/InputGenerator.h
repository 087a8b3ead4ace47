#pragma once

// Inputs over every mode, bracket, zone, deduction, family and transport
// choice, with counts typed as a teacher might type them.

#include "PayInputs.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <random>
#include <string>

namespace pagaluz::test {

class InputGenerator {
public:
    // Half counts are typed with `decimalSeparator`.
    explicit InputGenerator(unsigned seed, std::string decimalSeparator = ",")
        : m_random(seed), m_separator(std::move(decimalSeparator))
    {
    }

    PayInputs next()
    {
        PayInputs in;
        switch (pick(3)) {
        case 0:
            in.positionChosen = true;
            in.position = selectPositionByRow(PositionCatalogue::builtIn(), pick(311));
            break;
        case 1:
            in.secondaryHoursChosen = true;
            in.secondaryHoursText = count(60);
            break;
        default:
            in.higherHoursChosen = true;
            in.higherHours = count(40);
            break;
        }
        in.code06Hours = count(40);
        in.incentiveHours = count(40);
        in.code113Hours = count(40);
        in.incentive = coin();
        in.seniorityBracket = pick(13);
        in.zone = pick(6) - 1;
        in.absenceDays = count(6);
        in.transport = coin();
        in.transportKm = std::to_string(pick(500));
        in.children = coin();
        in.childCount = std::to_string(pick(6));
        in.disabledChildren = coin();
        in.disabledChildCount = std::to_string(pick(4));
        in.spouse = coin();
        in.deductionsChosen = {coin(), coin(), coin(), coin(), coin(), coin(), coin()};
        return in;
    }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    bool coin() { return pick(2) == 1; }
    // A whole or half count.
    std::string count(int bound)
    {
        const int whole = pick(bound);
        return pick(4) == 0 ? std::to_string(whole) + m_separator + "5" : std::to_string(whole);
    }

    std::mt19937 m_random;
    std::string m_separator;
};

} // namespace pagaluz::test
