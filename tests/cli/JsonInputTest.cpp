#include "JsonInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using pagaluz::MalformedInput;
using pagaluz::PayInputs;
using pagaluz::payInputsFromJson;
using pagaluz::SelectedPosition;

PayInputs parsed(const char *json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
    return payInputsFromJson(document.object());
}

// Every field on its own line, so that a mismatch names the field.
std::string describe(const PayInputs &in)
{
    const SelectedPosition &p = in.position;
    const auto &d = in.deductionsChosen;
    std::ostringstream text;
    text << "chosen " << in.positionChosen << in.secondaryHoursChosen << in.higherHoursChosen
         << "\nposition [" << p.code << "][" << p.basicPointsText << "][" << p.name << "]["
         << p.basicPoints << "][" << p.complementPoints << "][" << p.fullDayPoints << "]["
         << p.extendedDayPoints << "][" << p.differentiatedTaskPoints << "]"
         << "\nhours [" << in.secondaryHoursText << "][" << in.higherHours << "][" << in.code06Hours
         << "][" << in.incentiveHours << "][" << in.code113Hours << "]"
         << "\nincentive " << in.incentive << "\nseniority " << in.seniorityBracket << " "
         << int{in.seniorityPercent} << " [" << in.seniorityText << "]\nzone " << in.zone
         << "\nabsenceDays [" << in.absenceDays << "]\ntransport " << in.transport << " ["
         << in.transportKm << "]\nchildren " << in.children << " [" << in.childCount
         << "]\ndisabledChildren " << in.disabledChildren << " [" << in.disabledChildCount
         << "]\nspouse " << in.spouse << "\ndeductions " << d.iosper << d.osplad << d.pension
         << d.law4035 << d.unionDues << d.compensationFund << d.insurance3011 << "\nteacherName ["
         << in.teacherName << "]";
    return text.str();
}

// The catalogue row of code 734 as the selection screen holds it.
const SelectedPosition kSocialWorker{"734", "1500", "Asistente Social", "1500", "101", "0",
                                     "0",   "150"};

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
    {R"({"seniorityBracket": 4})",
     [](PayInputs &in) {
         in.seniorityBracket = 4;
         in.seniorityPercent = 30;
         in.seniorityText = "30 %";
     }},
    {R"({"seniorityBracket": 12})",
     [](PayInputs &in) {
         in.seniorityBracket = 12;
         in.seniorityPercent = 120;
         in.seniorityText = "120 %";
     }},
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
};

TEST(JsonInput, RefusesWrongTypesUnknownKeysAndOutOfRangeValues)
{
    for (const MalformedCase &c : kMalformedCases) {
        SCOPED_TRACE(c.json);
        try {
            parsed(c.json);
            ADD_FAILURE() << "no error";
        } catch (const MalformedInput &error) {
            EXPECT_NE(std::string(error.what()).find('"' + std::string(c.path) + '"'),
                      std::string::npos)
                << error.what();
        }
    }
}

TEST(JsonInput, RefusesAnythingButAnObject)
{
    for (const QJsonValue &value : {QJsonValue(QJsonArray{QJsonObject{}}), QJsonValue("734"),
                                    QJsonValue(734), QJsonValue(true), QJsonValue()}) {
        SCOPED_TRACE(value.type());
        EXPECT_THROW(payInputsFromJson(value), MalformedInput);
    }
}

} // namespace
