#pragma once

#include "PayInputs.h"

#include <QJsonValue>

namespace pagaluz::fuzz {

// The inputs of one calculation read from a QJsonValue, as pagaluz-calc read them before it
// had a JSON reader of its own: the same keys, types, ranges and messages, throwing the same
// MalformedInput; keys are read in the order QJsonObject keeps them. The reference of the
// differential check of fuzz_json_input.
PayInputs payInputsFromQtJson(const QJsonValue &input);

} // namespace pagaluz::fuzz
