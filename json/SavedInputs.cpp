#include "SavedInputs.h"

#include "InputField.h"
#include "JsonWriter.h"

namespace pagaluz {

namespace {

void writeMode(const PayInputs &inputs, JsonWriter &json)
{
    json.key(kPayKindKey);
    for (const PayKindInfo &kind : kPayKinds) {
        if (inputs.*kind.chosen) {
            json.string(kind.mode);
            return;
        }
    }
    // No kind of pay is chosen, as when the program starts.
    json.raw("null");
}

// The texts of `table` kept in the position's object (`ofPosition`) or in the inputs' own, each
// under its key within its object.
template <typename Table>
void writeTexts(const Table &table, const PayInputs &inputs, bool ofPosition, JsonWriter &json)
{
    for (const auto &entry : table) {
        if (entry.ofPosition() != ofPosition)
            continue;
        json.key(entry.memberKey()).string(textIn(inputs, entry));
    }
}

void writePosition(const PayInputs &inputs, JsonWriter &json)
{
    json.key(kPositionKey).beginObject();
    writeTexts(kInputTexts, inputs, true, json);
    writeTexts(kInputFields, inputs, true, json);
    json.endObject();
}

void writeTick(const PayInputs &inputs, const InputTickInfo &tick, JsonWriter &json)
{
    json.key(tick.key).flag(inputs.*tick.ticked);
}

void writeChoice(const PayInputs &inputs, const InputChoiceInfo &choice, JsonWriter &json)
{
    json.key(choice.key).number(inputs.*choice.chosen);
}

void writeDeductions(const DeductionChoices &chosen, JsonWriter &json)
{
    json.key(kDeductionsKey).beginObject();
    for (const DeductionInputInfo &deduction : kDeductionInputs)
        json.key(deduction.key).flag(chosen.*deduction.chosen);
    json.endObject();
}

} // namespace

// The keys in the order of the screen's fields: the name, the kind of pay and the position, the
// counts; the incentive's tick with the bracket and the zone, the tick of the absences, then
// the other ticks and the deductions.
void appendSavedInputsJson(const SavedInputs &saved, std::string &out)
{
    const PayInputs &in = saved.inputs;
    JsonWriter json(out);
    json.beginObject();
    json.key("pagaluz").number(kSavedFileVersion);
    writeTexts(kInputTexts, in, false, json);
    writeMode(in, json);
    writePosition(in, json);
    writeTexts(kInputFields, in, false, json);
    writeTick(in, infoOf(InputTick::Incentive), json);
    writeChoice(in, kSeniorityBracketInput, json);
    writeChoice(in, kZoneInput, json);
    json.key("absences").flag(saved.absencesTicked);
    for (const InputTickInfo &tick : kInputTicks)
        if (tick.tick != InputTick::Incentive)
            writeTick(in, tick, json);
    writeDeductions(in.deductionsChosen, json);
    json.key("comment").string(saved.comment);
    if (!saved.scaleName.empty())
        json.key("scale").string(saved.scaleName);
    json.endObject();
    json.raw("\n");
}

} // namespace pagaluz
