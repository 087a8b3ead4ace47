#include "BatchRun.h"

#include "InputText.h"
#include "JsonDocument.h"
#include "JsonInput.h"
#include "JsonOutput.h"

#include <algorithm>
#include <deque>
#include <future>
#include <optional>
#include <thread>
#include <vector>

namespace pagaluz {

namespace {

constexpr std::size_t kInputPiece = std::size_t{1} << 20;

// Elements whose results one thread makes into one piece of text: enough for starting a
// thread to cost nothing much, few enough for the memory.
constexpr std::size_t kChunkElements = 1024;
// About what the results of a chunk of payslips take (some 2 KiB each).
constexpr std::size_t kChunkTextRoom = kChunkElements * 2560;

using simdjson::dom::element;

void writeResult(element input, const BatchCalculation &calculation, JsonWriter &json)
{
    try {
        writeResultJson(calculation.calculator.calculate(payInputsFromJson(
                            input, calculation.positions, calculation.calculator.scale())),
                        json);
    } catch (const MalformedInput &error) {
        writeInputErrorJson(error.what(), json);
    }
}

// Writes `text`; a batch whose results cannot be written stops there.
void write(std::string_view text, std::ostream &out)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw BatchOutputFailed("no se pudieron escribir los resultados");
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), isBlank);
}

using ElementTexts = std::vector<std::string_view>;

std::size_t threadCount()
{
    return std::max(1U, std::thread::hardware_concurrency());
}

// The first fault of the elements from `first` to `end`, each parsed on its own: its index and
// message, or nothing.
std::optional<std::pair<std::size_t, std::string>> firstFault(const ElementTexts &inputs,
                                                              std::size_t first, std::size_t end)
{
    JsonParser parser;
    for (std::size_t index = first; index < end; ++index) {
        try {
            parser.parsePadded(inputs[index]);
        } catch (const JsonSyntaxError &error) {
            return std::pair{index, std::string(error.what())};
        }
    }
    return std::nullopt;
}

// Parses every element, a share on each core, before a result is written: a malformed batch
// writes nothing. Throws JsonSyntaxError for the first fault in the order of the text.
void checkElements(const ElementTexts &inputs)
{
    const std::size_t threads = threadCount();
    const std::size_t share = (inputs.size() + threads - 1) / threads;
    std::vector<std::future<std::optional<std::pair<std::size_t, std::string>>>> checks;
    for (std::size_t first = 0; first < inputs.size(); first += share)
        checks.push_back(std::async(std::launch::async, firstFault, std::cref(inputs), first,
                                    std::min(inputs.size(), first + share)));
    for (auto &check : checks) {
        if (const auto fault = check.get())
            throw JsonSyntaxError(fault->second);
    }
}

// The results of the array's elements from `first` on, at most kChunkElements, each on a line
// of its own after the separator from the result before it. The elements were checked.
std::string chunkResults(const ElementTexts &inputs, std::size_t first,
                         const BatchCalculation &calculation, std::string text)
{
    // Room for a chunk's results from the start: grown step by step, a text would be copied and
    // its fresh memory faulted in again at every step.
    text.reserve(kChunkTextRoom);
    JsonWriter json(text, 0);
    JsonParser parser;
    const std::size_t end = std::min(inputs.size(), first + kChunkElements);
    for (std::size_t index = first; index < end; ++index) {
        json.raw(index == 0 ? "\n" : ",\n");
        writeResult(parser.parsePadded(inputs[index]), calculation, json);
    }
    json.finish();
    return text;
}

// Writes the results of the array's elements in their order, the chunks made a few at a time
// on threads of their own while the results before them are written. The texts' memory is
// used again: fresh memory for every chunk would cost a page fault every 4 KiB.
void writeChunks(const ElementTexts &inputs, const BatchCalculation &calculation, std::ostream &out)
{
    const std::size_t threads = threadCount();
    std::deque<std::future<std::string>> made;
    std::vector<std::string> spare;
    std::size_t next = 0;
    const auto start = [&] {
        std::string text;
        if (!spare.empty()) {
            text = std::move(spare.back());
            spare.pop_back();
        }
        made.push_back(std::async(std::launch::async, chunkResults, std::cref(inputs), next,
                                  std::cref(calculation), std::move(text)));
        next += kChunkElements;
    };
    while (next < inputs.size() && made.size() < 2 * threads)
        start();
    while (!made.empty()) {
        std::string text = made.front().get();
        made.pop_front();
        write(text, out);
        spare.push_back(std::move(text));
        if (next < inputs.size())
            start();
    }
}

// The input error of a line longer than a document may be.
void writeTooLongLine(JsonWriter &json)
{
    writeInputErrorJson(tooLargeMessage("la línea", kLargestDocument), json);
    json.raw("\n");
}

// Writes the result of one line of JSON Lines, followed by a line break; nothing for a blank
// line. The line is followed in memory by kJsonPadding readable bytes.
void writeLineResult(std::string_view line, JsonParser &parser, const BatchCalculation &calculation,
                     JsonWriter &json)
{
    if (line.size() > kLargestDocument) {
        writeTooLongLine(json);
        return;
    }
    if (isBlankLine(line))
        return;
    try {
        writeResult(parser.parsePadded(line), calculation, json);
    } catch (const JsonSyntaxError &error) {
        writeInputErrorJson(error.what(), json);
    }
    json.raw("\n");
}

// Writes the results of the whole lines in `pending` and keeps only its last, unfinished line.
void writeWholeLines(std::string &pending, JsonParser &parser, const BatchCalculation &calculation,
                     std::ostream &out)
{
    std::string results;
    {
        JsonWriter json(results);
        std::size_t lineStart = 0;
        for (std::size_t end = pending.find('\n'); end != std::string::npos;
             end = pending.find('\n', lineStart)) {
            writeLineResult(std::string_view(pending).substr(lineStart, end - lineStart), parser,
                            calculation, json);
            lineStart = end + 1;
        }
        pending.erase(0, lineStart);
    }
    write(results, out);
}

// Drops the bytes of `pending` up to its first line break, included; whether there was one.
bool dropThroughLineEnd(std::string &pending)
{
    const std::size_t end = pending.find('\n');
    pending.erase(0, end == std::string::npos ? pending.size() : end + 1);
    return end != std::string::npos;
}

} // namespace

bool batchIsArray(std::string_view start)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (start.starts_with(kByteOrderMark))
        start.remove_prefix(kByteOrderMark.size());
    const auto first = std::find_if_not(start.begin(), start.end(), isBlank);
    return first != start.end() && *first == '[';
}

void writeArrayResults(std::string_view text, const BatchCalculation &calculation,
                       std::ostream &out)
{
    const ElementTexts inputs = arrayElementTexts(text);
    checkElements(inputs);
    write("[", out);
    writeChunks(inputs, calculation, out);
    write("\n]\n", out);
}

void writeLineResults(std::string start, std::istream &in, const BatchCalculation &calculation,
                      std::ostream &out)
{
    JsonParser parser;
    std::string &pending = start;
    // Whether the bytes read are the rest of a line too long to read, whose error is written.
    bool skipping = false;
    do {
        if (skipping)
            skipping = !dropThroughLineEnd(pending);
        if (skipping)
            continue;
        writeWholeLines(pending, parser, calculation, out);
        if (pending.size() > kLargestDocument) {
            std::string results;
            {
                JsonWriter json(results);
                writeTooLongLine(json);
            }
            write(results, out);
            pending.clear();
            skipping = true;
        }
    } while (appendPiece(in, pending, kInputPiece));
    if (skipping)
        return;
    std::string results;
    {
        JsonWriter json(results);
        writeLineResult(pending, parser, calculation, json);
    }
    write(results, out);
}

} // namespace pagaluz
