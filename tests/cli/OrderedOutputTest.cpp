#include "OrderedOutput.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using pagaluz::writeInOrder;

// Piece `index`: its number, and as many dots as its number says, up to 99.
std::string piece(std::size_t index)
{
    return std::to_string(index) + std::string(index % 100, '.') + "|";
}

std::string allPieces(std::size_t count)
{
    std::string text;
    for (std::size_t index = 0; index < count; ++index)
        text += piece(index);
    return text;
}

TEST(OrderedOutput, WritesEveryPieceInTheOrderOfItsIndex)
{
    for (const std::size_t count : {0, 1, 2, 7, 500}) {
        SCOPED_TRACE(count);
        std::atomic<int> handedFullTexts = 0;
        std::ostringstream out;
        writeInOrder(
            count,
            [&](std::size_t index, std::string &text) {
                handedFullTexts += text.empty() ? 0 : 1;
                text += piece(index);
            },
            out);
        EXPECT_EQ(out.str(), allPieces(count));
        EXPECT_EQ(handedFullTexts, 0);
    }
}

TEST(OrderedOutput, ASlowPieceKeepsItsPlace)
{
    std::ostringstream out;
    writeInOrder(
        6,
        [](std::size_t index, std::string &text) {
            if (index % 3 == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            text += piece(index);
        },
        out);
    EXPECT_EQ(out.str(), allPieces(6));
}

TEST(OrderedOutput, AFailureIsThrownAfterThePiecesBeforeIt)
{
    for (const std::size_t failing : {0, 1, 40}) {
        SCOPED_TRACE(failing);
        std::ostringstream out;
        EXPECT_THROW(writeInOrder(
                         100,
                         [&](std::size_t index, std::string &text) {
                             if (index == failing)
                                 throw std::runtime_error("no piece");
                             text += piece(index);
                         },
                         out),
                     std::runtime_error);
        const std::string written = out.str();
        EXPECT_EQ(written, allPieces(failing).substr(0, written.size()));
    }
}

} // namespace
