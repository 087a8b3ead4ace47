#include "BatchRun.h"

#include "JsonInput.h"
#include "JsonOutput.h"
#include "JsonReader.h"
#include "OrderedOutput.h"

#include <string>
#include <vector>

namespace pagaluz {

namespace {

// Elements whose results are made together, on one thread, into one piece of output: enough
// for the handing over between threads to cost nothing much, few enough for the memory.
constexpr std::size_t kChunkElements = 1024;

// Consecutive elements of the batch: where the first starts, and how many.
struct Chunk {
    JsonArrayReader::Mark start;
    std::size_t count = 0;
};

// Reads every element once, so that a malformed batch is refused before a result is written,
// and notes where each chunk starts.
std::vector<Chunk> chunksOf(std::string_view text)
{
    std::vector<Chunk> chunks;
    JsonArrayReader elements(text);
    for (JsonArrayReader::Mark start = elements.mark(); elements.next(); start = elements.mark()) {
        if (chunks.empty() || chunks.back().count == kChunkElements)
            chunks.push_back({start, 0});
        ++chunks.back().count;
    }
    return chunks;
}

void appendBatchResult(JsonValue element, const PayCalculator &calculator, std::string &out)
{
    try {
        appendResultJson(calculator.calculate(payInputsFromJson(element)), out);
    } catch (const MalformedInput &error) {
        appendInputErrorJson(error.what(), out);
    }
}

// The results of the chunk's elements, each on a line of its own after the separator from the
// result before it.
void appendChunkResults(std::string_view text, const Chunk &chunk, const PayCalculator &calculator,
                        std::string &out)
{
    JsonArrayReader elements(text, chunk.start);
    for (std::size_t index = 0; index < chunk.count; ++index) {
        out += chunk.start.first && index == 0 ? "\n" : ",\n";
        appendBatchResult(elements.next().value(), calculator, out);
    }
}

void write(std::string_view bytes, std::ostream &out)
{
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

void writeBatchResults(std::string_view text, const PayCalculator &calculator, std::ostream &out)
{
    const std::vector<Chunk> chunks = chunksOf(text);
    write("[", out);
    writeInOrder(
        chunks.size(),
        [&](std::size_t index, std::string &results) {
            appendChunkResults(text, chunks[index], calculator, results);
        },
        out);
    write("\n]\n", out);
}

} // namespace pagaluz
