// A saved file is the JSON pagaluz-calc reads with three keys more: what is written reads back
// the same.

#include "SavedInputs.h"
#include "InputField.h"
#include "JsonDocument.h"
#include "JsonInput.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace pagaluz;

SavedInputs read(std::string_view json)
{
    JsonParser parser;
    return savedInputsFromJson(parser.parse(json));
}

// Each row changes one thing of the start-up data, so that a key written for one field and read
// into another cannot go unseen; then each converted field's text alone.
TEST(SavedInputs, WhatIsWrittenReadsBackTheSame)
{
    using Change = void (*)(SavedInputs &);
    const Change changes[] = {
        [](SavedInputs &) {},
        [](SavedInputs &s) { s.inputs.positionChosen = true; },
        [](SavedInputs &s) { s.inputs.secondaryHoursChosen = true; },
        [](SavedInputs &s) { s.inputs.higherHoursChosen = true; },
        [](SavedInputs &s) {
            s.inputs.position = selectPositionByCode(PositionCatalogue::builtIn(), "734");
            s.inputs.position.name = "Otro \"nombre\"\\";
        },
        [](SavedInputs &s) { s.inputs.position.code = "73"; }, // no row has it
        [](SavedInputs &s) { s.inputs.incentive = false; },
        [](SavedInputs &s) { chooseSeniorityBracket(s.inputs, 12); },
        [](SavedInputs &s) { s.inputs.zone = 4; },
        [](SavedInputs &s) { s.inputs.transport = true; },
        [](SavedInputs &s) { s.inputs.children = true; },
        [](SavedInputs &s) { s.inputs.disabledChildren = true; },
        [](SavedInputs &s) { s.inputs.spouse = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.iosper = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.osplad = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.pension = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.law4035 = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.unionDues = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.compensationFund = true; },
        [](SavedInputs &s) { s.inputs.deductionsChosen.insurance3011 = true; },
        [](SavedInputs &s) { s.inputs.teacherName = "Peña \"la Negra\"\tO'Brien\x01"; },
        [](SavedInputs &s) { s.absencesTicked = true; },
        [](SavedInputs &s) { s.comment = "Dos líneas\ny \"comillas\""; },
    };
    const auto expectReadBack = [](SavedInputs saved) {
        saved.absencesTicked = saved.absencesTicked || saved.inputs.absenceDays != "0";
        std::string json;
        appendSavedInputsJson(saved, json);
        EXPECT_EQ(read(json), saved) << json;
    };
    for (const Change change : changes) {
        SavedInputs saved;
        change(saved);
        expectReadBack(saved);
    }
    for (const InputFieldInfo &field : kInputFields) {
        SavedInputs saved;
        fieldText(saved.inputs, field.field) = "7,5";
        expectReadBack(saved);
    }
}

TEST(SavedInputs, WithoutItsKeyTheAbsencesBoxIsTickedWhenThereAreDays)
{
    EXPECT_FALSE(read(R"({"absences": null})").absencesTicked);
    EXPECT_TRUE(read(R"({"absenceDays": "2"})").absencesTicked);
    EXPECT_TRUE(read(R"({"absenceDays": "0", "absences": true})").absencesTicked);
    EXPECT_FALSE(read(R"({"absenceDays": "2", "absences": false})").absencesTicked);
}

// A newer program's file is refused as such, even with keys this program does not know.
TEST(SavedInputs, ANewerVersionIsRefusedNamingItsKey)
{
    std::string message;
    try {
        read(R"({"pagaluz": 2, "bonus": true})");
    } catch (const MalformedInput &error) {
        message = error.what();
    }
    EXPECT_EQ(message, "\"pagaluz\": el archivo es de la versión 2, de un Pagaluz más nuevo; "
                       "este programa lee hasta la versión 1");
    EXPECT_EQ(read(R"({"pagaluz": 1, "comment": "x"})").comment, "x");
}

// Every input of the tables of inputs, changed alone from the start-up data, is written once under
// its key and read back into its own member: an input missing from the writer or the reader, or
// written under one key and read under another, fails here.
TEST(SavedInputs, EachInputOfTheTablesTravelsUnderItsOwnKey)
{
    struct Row {
        std::string key; // as written, with its value where the key alone is not telling
        SavedInputs saved;
    };
    std::vector<Row> rows;
    const auto add = [&rows](std::string_view key, auto change) {
        Row row{std::string(key), {}};
        change(row.saved.inputs);
        rows.push_back(std::move(row));
    };
    for (const InputTextInfo &text : kInputTexts)
        add(text.memberKey(), [&](PayInputs &in) { textIn(in, text) = "7,5"; });
    for (const InputFieldInfo &field : kInputFields)
        add(field.memberKey(), [&](PayInputs &in) { textIn(in, field) = "7,5"; });
    for (const InputTickInfo &tick : kInputTicks)
        add(tick.key, [&](PayInputs &in) { in.*tick.ticked = !(in.*tick.ticked); });
    for (const DeductionInputInfo &deduction : kDeductionInputs)
        add(deduction.key, [&](PayInputs &in) { in.deductionsChosen.*deduction.chosen = true; });
    for (const PayKindInfo &kind : kPayKinds)
        add("\"mode\":\"" + std::string(kind.mode) + "\"",
            [&](PayInputs &in) { in.*kind.chosen = true; });
    add("\"seniorityBracket\":7", [](PayInputs &in) { chooseSeniorityBracket(in, 7); });
    add("\"zone\":2", [](PayInputs &in) { in.zone = 2; });

    for (Row &row : rows) {
        row.saved.absencesTicked = row.saved.inputs.absenceDays != "0";
        const std::string key = row.key.front() == '"' ? row.key : "\"" + row.key + "\":";
        std::string json;
        appendSavedInputsJson(row.saved, json);
        const std::size_t at = json.find(key);
        EXPECT_NE(at, std::string::npos) << key << " in " << json;
        EXPECT_EQ(json.find(key, at + 1), std::string::npos) << key << " twice in " << json;
        EXPECT_NE(row.saved, SavedInputs{}) << key << " changes nothing";
        EXPECT_EQ(read(json), row.saved) << json;
    }
}

} // namespace
