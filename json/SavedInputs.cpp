#include "SavedInputs.h"

#include "InputField.h"
#include "JsonWriter.h"

namespace pagaluz {

namespace {

void writeMode(const PayInputs &inputs, JsonWriter &json)
{
    // null: no kind of pay is chosen, as when the program starts.
    if (inputs.positionChosen)
        json.string("position");
    else if (inputs.secondaryHoursChosen)
        json.string("secondaryHours");
    else if (inputs.higherHoursChosen)
        json.string("higherHours");
    else
        json.raw("null");
}

// The texts of the converted fields that `ofPosition` selects, each under its key in its object.
void writeFieldTexts(const PayInputs &inputs, bool ofPosition, JsonWriter &json)
{
    for (const InputFieldInfo &field : kInputFields)
        if (field.ofPosition() == ofPosition)
            json.key(field.memberKey()).string(fieldText(inputs, field.field));
}

void writePosition(const PayInputs &inputs, JsonWriter &json)
{
    json.beginObject();
    json.key("code").string(inputs.position.code);
    json.key("name").string(inputs.position.name);
    writeFieldTexts(inputs, true, json);
    json.endObject();
}

void writeDeductions(const DeductionChoices &chosen, JsonWriter &json)
{
    json.beginObject();
    json.key("iosper").flag(chosen.iosper);
    json.key("osplad").flag(chosen.osplad);
    json.key("pension").flag(chosen.pension);
    json.key("law4035").flag(chosen.law4035);
    json.key("unionDues").flag(chosen.unionDues);
    json.key("compensationFund").flag(chosen.compensationFund);
    json.key("insurance3011").flag(chosen.insurance3011);
    json.endObject();
}

} // namespace

void appendSavedInputsJson(const SavedInputs &saved, std::string &out)
{
    const PayInputs &in = saved.inputs;
    JsonWriter json(out);
    json.beginObject();
    json.key("pagaluz").number(kSavedFileVersion);
    json.key("teacherName").string(in.teacherName);
    writeMode(in, json.key("mode"));
    writePosition(in, json.key("position"));
    writeFieldTexts(in, false, json);
    json.key("incentive").flag(in.incentive);
    json.key("seniorityBracket").number(in.seniorityBracket);
    json.key("zone").number(in.zone);
    json.key("absences").flag(saved.absencesTicked);
    json.key("transport").flag(in.transport);
    json.key("children").flag(in.children);
    json.key("disabledChildren").flag(in.disabledChildren);
    json.key("spouse").flag(in.spouse);
    writeDeductions(in.deductionsChosen, json.key("deductions"));
    json.key("comment").string(saved.comment);
    json.endObject();
    json.raw("\n");
}

} // namespace pagaluz
