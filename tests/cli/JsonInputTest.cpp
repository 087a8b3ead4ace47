#include "JsonInput.h"

#include "JsonDocument.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using pagaluz::JsonParser;
using pagaluz::MalformedInput;
using pagaluz::PayInputs;
using pagaluz::payInputsFromJson;
using pagaluz::SelectedPosition;

PayInputs parsed(std::string_view json)
{
    JsonParser parser;
    return payInputsFromJson(parser.parse(json), pagaluz::PositionCatalogue::builtIn());
}

// The message of the refusal of `json`, or "" when it is read.
std::string refusal(std::string_view json)
{
    try {
        parsed(json);
    } catch (const MalformedInput &error) {
        return error.what();
    }
    return "";
}

// Every field on its own line, so that a mismatch names the field.
std::string describe(const PayInputs &in)
{
    const SelectedPosition &p = in.position;
    const auto &d = in.deductionsChosen;
    std::ostringstream text;
    text << "chosen " << in.positionChosen << in.secondaryHoursChosen << in.higherHoursChosen
         << "\nposition [" << p.code << "][" << p.name << "][" << p.basicPoints << "]["
         << p.complementPoints << "][" << p.fullDayPoints << "][" << p.extendedDayPoints << "]["
         << p.differentiatedTaskPoints << "]"
         << "\nhours [" << in.secondaryHoursText << "][" << in.higherHours << "][" << in.code06Hours
         << "][" << in.incentiveHours << "][" << in.code113Hours << "]"
         << "\nincentive " << in.incentive << "\nseniority " << in.seniorityBracket << " "
         << int{seniorityPercent(in)} << " [" << seniorityText(in) << "]\nzone " << in.zone
         << "\nabsenceDays [" << in.absenceDays << "]\ntransport " << in.transport << " ["
         << in.transportKm << "]\nchildren " << in.children << " [" << in.childCount
         << "]\ndisabledChildren " << in.disabledChildren << " [" << in.disabledChildCount
         << "]\nspouse " << in.spouse << "\ndeductions " << d.iosper << d.osplad << d.pension
         << d.law4035 << d.unionDues << d.compensationFund << d.insurance3011 << "\nteacherName ["
         << in.teacherName << "]";
    return text.str();
}

// The catalogue row of code 734 as the selection screen holds it.
const SelectedPosition kSocialWorker{"734", "Asistente Social", "1500", "101", "0", "0", "150"};

struct KeyCase {
    const char *json;
    void (*change)(PayInputs &); // from the start-up inputs to the expected ones
};

const KeyCase kKeyCases[] = {
    {R"({})", [](PayInputs &) {}},
    {R"({"mode": "position"})", [](PayInputs &in) { in.positionChosen = true; }},
    {R"({"mode": "secondaryHours"})", [](PayInputs &in) { in.secondaryHoursChosen = true; }},
    {R"({"mode": "higherHours"})", [](PayInputs &in) { in.higherHoursChosen = true; }},
    {R"({"position": {"code": "734"}})", [](PayInputs &in) { in.position = kSocialWorker; }},
    {R"({"position": {"code": "000"}})", [](PayInputs &in) { in.position.code = "000"; }},
    {R"({"position": {"basicPoints": "1600", "code": "734"}})",
     [](PayInputs &in) {
         in.position = kSocialWorker;
         in.position.basicPoints = "1600";
     }},
    {R"({"position": {"code": "734", "name": "Otro", "complementPoints": "7",
         "fullDayPoints": "300", "extendedDayPoints": "200", "differentiatedTaskPoints": "1,5"}})",
     [](PayInputs &in) {
         in.position = kSocialWorker;
         in.position.name = "Otro";
         in.position.complementPoints = "7";
         in.position.fullDayPoints = "300";
         in.position.extendedDayPoints = "200";
         in.position.differentiatedTaskPoints = "1,5";
     }},
    {R"({"position": {"basicPoints": "10"}})",
     [](PayInputs &in) { in.position.basicPoints = "10"; }},
    {R"({"secondaryHoursText": "20"})", [](PayInputs &in) { in.secondaryHoursText = "20"; }},
    {R"({"higherHours": "12,5"})", [](PayInputs &in) { in.higherHours = "12,5"; }},
    {R"({"code06Hours": "3"})", [](PayInputs &in) { in.code06Hours = "3"; }},
    {R"({"incentiveHours": "4"})", [](PayInputs &in) { in.incentiveHours = "4"; }},
    {R"({"code113Hours": "5"})", [](PayInputs &in) { in.code113Hours = "5"; }},
    {R"({"incentive": false})", [](PayInputs &in) { in.incentive = false; }},
    {R"({"incentive": true})", [](PayInputs &) {}},
    {R"({"seniorityBracket": 0})", [](PayInputs &) {}},
    {R"({"seniorityBracket": 1})", [](PayInputs &in) { in.seniorityBracket = 1; }},
    {R"({"seniorityBracket": 4})", [](PayInputs &in) { in.seniorityBracket = 4; }},
    {R"({"seniorityBracket": 12})", [](PayInputs &in) { in.seniorityBracket = 12; }},
    {R"({"zone": -1})", [](PayInputs &) {}},
    {R"({"zone": 0})", [](PayInputs &in) { in.zone = 0; }},
    {R"({"zone": 4})", [](PayInputs &in) { in.zone = 4; }},
    {R"({"absenceDays": "2,5"})", [](PayInputs &in) { in.absenceDays = "2,5"; }},
    {R"({"transport": true, "transportKm": "40"})",
     [](PayInputs &in) {
         in.transport = true;
         in.transportKm = "40";
     }},
    {R"({"children": true, "childCount": "3"})",
     [](PayInputs &in) {
         in.children = true;
         in.childCount = "3";
     }},
    {R"({"disabledChildren": true, "disabledChildCount": "1"})",
     [](PayInputs &in) {
         in.disabledChildren = true;
         in.disabledChildCount = "1";
     }},
    {R"({"spouse": true})", [](PayInputs &in) { in.spouse = true; }},
    {R"({"deductions": {"iosper": true}})",
     [](PayInputs &in) { in.deductionsChosen.iosper = true; }},
    {R"({"deductions": {"osplad": true}})",
     [](PayInputs &in) { in.deductionsChosen.osplad = true; }},
    {R"({"deductions": {"pension": true}})",
     [](PayInputs &in) { in.deductionsChosen.pension = true; }},
    {R"({"deductions": {"law4035": true}})",
     [](PayInputs &in) { in.deductionsChosen.law4035 = true; }},
    {R"({"deductions": {"unionDues": true}})",
     [](PayInputs &in) { in.deductionsChosen.unionDues = true; }},
    {R"({"deductions": {"compensationFund": true}})",
     [](PayInputs &in) { in.deductionsChosen.compensationFund = true; }},
    {R"({"deductions": {"insurance3011": true, "iosper": false}})",
     [](PayInputs &in) { in.deductionsChosen.insurance3011 = true; }},
    {R"({"teacherName": "Ana \"la profe\" Núñez"})",
     [](PayInputs &in) { in.teacherName = "Ana \"la profe\" Núñez"; }},
    // A byte order mark inside a text is a character like any other.
    {R"({"teacherName": "\ufeffAna"})",
     [](PayInputs &in) {
         in.teacherName = "\xEF\xBB\xBF"
                          "Ana";
     }},
    // null is the start-up value, at the top and inside the two objects.
    {R"({"mode": null, "position": null, "secondaryHoursText": null, "higherHours": null,
         "code06Hours": null, "incentiveHours": null, "code113Hours": null, "incentive": null,
         "seniorityBracket": null, "zone": null, "absenceDays": null, "transport": null,
         "transportKm": null, "children": null, "childCount": null, "disabledChildren": null,
         "disabledChildCount": null, "spouse": null, "deductions": null, "teacherName": null})",
     [](PayInputs &) {}},
    {R"({"position": {"code": null, "name": null}, "deductions": {"iosper": null}})",
     [](PayInputs &) {}},
};

TEST(JsonInput, EachKeySetsItsFieldAndNothingElse)
{
    for (const KeyCase &c : kKeyCases) {
        SCOPED_TRACE(c.json);
        PayInputs expected;
        c.change(expected);
        EXPECT_EQ(describe(parsed(c.json)), describe(expected));
    }
}

struct MalformedCase {
    const char *json;
    const char *path; // the key the message must name
};

const MalformedCase kMalformedCases[] = {
    {R"({"mode": 1})", "mode"},
    {R"({"mode": "cargo"})", "mode"},
    {R"({"mode": ""})", "mode"},
    {R"({"position": "734"})", "position"},
    {R"({"position": {"code": 734}})", "position.code"},
    {R"({"position": {"colour": "azul"}})", "position.colour"},
    {R"({"position": {"basicPoints": 1500}})", "position.basicPoints"},
    {R"({"position": {"basicPointsText": "1500"}})", "position.basicPointsText"},
    {R"({"secondaryHoursText": 20})", "secondaryHoursText"},
    {R"({"higherHours": false})", "higherHours"},
    {R"({"absenceDays": 1})", "absenceDays"},
    {R"({"transportKm": 40})", "transportKm"},
    {R"({"teacherName": ["Ana"]})", "teacherName"},
    {R"({"incentive": "true"})", "incentive"},
    {R"({"spouse": 1})", "spouse"},
    {R"({"seniorityBracket": 13})", "seniorityBracket"},
    {R"({"seniorityBracket": -1})", "seniorityBracket"},
    {R"({"seniorityBracket": 4.5})", "seniorityBracket"},
    {R"({"seniorityBracket": "4"})", "seniorityBracket"},
    {R"({"seniorityBracket": 1e300})", "seniorityBracket"},
    {R"({"zone": 5})", "zone"},
    {R"({"zone": -2})", "zone"},
    {R"({"zone": 1.5})", "zone"},
    {R"({"zone": "Desfavorable"})", "zone"},
    {R"({"deductions": [true]})", "deductions"},
    {R"({"deductions": {"iosper": 1}})", "deductions.iosper"},
    {R"({"deductions": {"pensions": true}})", "deductions.pensions"},
    {R"({"seniorityPercent": 30})", "seniorityPercent"},
    {R"({"Mode": "position"})", "Mode"},
    // The keys a saved file adds.
    {R"({"pagaluz": "1"})", "pagaluz"},
    {R"({"pagaluz": 0})", "pagaluz"},
    {R"({"pagaluz": 1.5})", "pagaluz"},
    {R"({"absences": "no"})", "absences"},
    {R"({"comment": ["línea"]})", "comment"},
    {R"({"comment": "a", "comment": "b"})", "comment"},
};

TEST(JsonInput, RefusesWrongTypesUnknownKeysAndOutOfRangeValues)
{
    for (const MalformedCase &c : kMalformedCases) {
        SCOPED_TRACE(c.json);
        EXPECT_NE(refusal(c.json).find('"' + std::string(c.path) + '"'), std::string::npos)
            << refusal(c.json);
    }
}

TEST(JsonInput, RefusesAnythingButAnObject)
{
    for (const char *json : {"[{}]", "\"734\"", "734", "true", "null"}) {
        SCOPED_TRACE(json);
        EXPECT_NE(refusal(json).find("se esperaba un objeto JSON"), std::string::npos);
    }
}

struct MessageCase {
    const char *json;
    const char *message; // the whole message of the refusal
};

TEST(JsonInput, RefusesAKeyWrittenTwiceInOneObject)
{
    const MessageCase cases[] = {
        {R"({"zone": 1, "zone": 1})", R"("zone": clave repetida)"},
        {R"({"teacherName": null, "teacherName": null})", R"("teacherName": clave repetida)"},
        {R"({"position": {"code": "734", "code": "999"}})", R"("position.code": clave repetida)"},
        {R"({"deductions": {"iosper": true, "osplad": true, "iosper": false}})",
         R"("deductions.iosper": clave repetida)"},
        // The same key however it is written.
        {R"({"mode": "position", "m\u006fde": "position"})", R"("mode": clave repetida)"},
        // Before a fault of the value written second.
        {R"({"zone": 1, "zone": 9})", R"("zone": clave repetida)"},
    };
    for (const MessageCase &c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(refusal(c.json), c.message);
    }
}

// Of several faults, the first in the order of the text, inside objects as at the top.
TEST(JsonInput, ReportsTheFirstFaultInTheOrderOfTheText)
{
    const MessageCase cases[] = {
        {R"({"zone": 9, "mode": 1})", R"("zone": se esperaba un número entero de -1 a 4, no 9)"},
        {R"({"mode": 1, "zone": 9})", R"("mode": se esperaba un texto, no un número)"},
        {R"({"zz": 1, "Zone": 1, "absenceDays": 1})", R"("zz": clave desconocida)"},
        {R"({"zone": "1", "zone": 2})",
         R"("zone": se esperaba un número entero de -1 a 4, no un texto)"},
        {R"({"position": {"basicPoints": 1, "code": 2}})",
         R"("position.basicPoints": se esperaba un texto, no un número)"},
        {R"({"position": {"code": "734", "colour": 1}, "zone": 9})",
         R"("position.colour": clave desconocida)"},
    };
    for (const MessageCase &c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(refusal(c.json), c.message);
    }
}

// The code chooses the catalogue row before the position's other texts replace its boxes,
// wherever it is written.
TEST(JsonInput, ThePositionsTextsReplaceThoseOfItsCodesRowWhereverTheCodeIsWritten)
{
    for (const char *json : {R"({"position": {"basicPoints": "1600", "code": "734"}})",
                             R"({"position": {"code": "734", "basicPoints": "1600"}})"}) {
        SCOPED_TRACE(json);
        SelectedPosition expected = kSocialWorker;
        expected.basicPoints = "1600";
        EXPECT_EQ(parsed(json).position, expected);
    }
}

// A number that is no bracket or zone, written back in the message.
TEST(JsonInput, NamesTheNumberThatIsOutOfRange)
{
    const MessageCase cases[] = {
        {R"({"zone": 4.5})", "no 4.5"},
        {R"({"zone": 5.0})", "no 5"},
        {R"({"zone": 1e16})", "no 10000000000000000"},
        {R"({"zone": 123456789012345678})", "no 123456789012345678"},
        {R"({"zone": 18446744073709551615})", "no 18446744073709552000"},
        {R"({"zone": 1e21})", "no 1e+21"},
        {R"({"seniorityBracket": 0.00001})", "no 1e-05"},
    };
    for (const MessageCase &c : cases) {
        SCOPED_TRACE(c.json);
        const std::string message = refusal(c.json);
        EXPECT_EQ(message.substr(message.rfind(", no ") + 2), c.message) << message;
    }
}

// The bracket and the zone are read within the brackets and zones of the scale in use.
TEST(JsonInput, TheBracketAndTheZoneAreThoseOfTheScale)
{
    pagaluz::PayScale scale = pagaluz::PayScale::builtIn();
    scale.seniorityBrackets.pop_back();
    scale.seniorityBrackets.back().percent = 115;
    scale.zones.resize(6, scale.zones.back());
    const struct {
        const char *json;
        const char *refused;
    } cases[] = {
        {R"({"seniorityBracket": 12})",
         "\"seniorityBracket\": se esperaba un número entero de 0 a 11"},
        {R"({"zone": 5})", ""},
        {R"({"zone": 6})", "\"zone\": se esperaba un número entero de -1 a 5"},
        {R"({"seniorityBracket": 11, "seniorityBracket": 11})",
         "\"seniorityBracket\": clave repetida"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.json);
        JsonParser parser;
        try {
            const PayInputs in = payInputsFromJson(parser.parse(std::string_view(c.json)),
                                                   pagaluz::PositionCatalogue::builtIn(), scale);
            EXPECT_STREQ(c.refused, "");
            EXPECT_EQ(in.zone, 5);
        } catch (const MalformedInput &error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.refused, 0), 0u) << error.what();
        }
    }
    JsonParser parser;
    const PayInputs eleventh = payInputsFromJson(parser.parse(R"({"seniorityBracket": 11})"),
                                                 pagaluz::PositionCatalogue::builtIn(), scale);
    EXPECT_EQ(pagaluz::seniorityPercent(eleventh, scale), 115);
}

TEST(JsonInput, TheOrderOfTheKeysDoesNotMatter)
{
    const char *const orders[] = {
        R"({"mode": "position", "zone": 2, "seniorityBracket": 4,
            "position": {"code": "734", "name": "Otro"}, "deductions": {"pension": true}})",
        R"({"deductions": {"pension": true}, "position": {"name": "Otro", "code": "734"},
            "seniorityBracket": 4, "zone": 2, "mode": "position"})",
    };
    PayInputs expected;
    expected.positionChosen = true;
    expected.position = kSocialWorker;
    expected.position.name = "Otro";
    expected.zone = 2;
    expected.seniorityBracket = 4;
    expected.deductionsChosen.pension = true;
    for (const char *json : orders) {
        SCOPED_TRACE(json);
        EXPECT_EQ(describe(parsed(json)), describe(expected));
    }
}

} // namespace
