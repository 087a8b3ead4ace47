#include "InputText.h"

#include "JsonDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <sys/stat.h>

namespace {

using namespace pagaluz;
namespace fs = std::filesystem;

// A file of its own for each test, removed at the end.
class InputTextTest : public ::testing::Test {
protected:
    void TearDown() override { fs::remove(m_path); }

    const std::string &pathWith(const std::string &bytes)
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
        return m_path;
    }

    std::string m_path =
        (fs::temp_directory_path() /
         ("pagaluz-input-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
          ::testing::UnitTest::GetInstance()->current_test_info()->name()))
            .string();
};

// Larger than one piece of reading, with every byte value in it.
std::string longText()
{
    std::string text;
    for (int index = 0; text.size() < (std::size_t{3} << 20) + 17; ++index)
        text += static_cast<char>(index % 256);
    return text;
}

TEST_F(InputTextTest, ARegularFileIsReadWhole)
{
    for (const std::string &bytes : {std::string("[{}]"), std::string("a\0b", 3), longText()}) {
        const std::optional<InputText> input = readFile(pathWith(bytes));
        ASSERT_TRUE(input);
        EXPECT_EQ(input->text(), bytes);
    }
}

TEST_F(InputTextTest, AnEmptyFileIsAnEmptyText)
{
    const std::optional<InputText> input = readFile(pathWith(""));
    ASSERT_TRUE(input);
    EXPECT_EQ(input->text(), "");
}

TEST_F(InputTextTest, AFileThatCannotBeOpenedIsNothing)
{
    EXPECT_FALSE(readFile(m_path + "/no/such/file"));
}

TEST_F(InputTextTest, APipeIsReadToItsEnd)
{
    ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
    const std::string bytes = longText();
    std::thread writer([&] { std::ofstream(m_path, std::ios::binary) << bytes; });
    const std::optional<InputText> input = readFile(m_path);
    writer.join();
    ASSERT_TRUE(input);
    EXPECT_EQ(input->text(), bytes);
}

TEST(InputText, AStreamIsReadToItsEnd)
{
    for (const std::string &bytes : {std::string(), std::string(1 << 20, 'x'), longText()}) {
        std::istringstream in(bytes);
        EXPECT_EQ(readAll(in).text(), bytes);
    }
}

// The parser reads up to kJsonPadding bytes past the text: they must be there, even when a
// file ends just before the end of a page.
TEST_F(InputTextTest, ReadableRoomFollowsTheText)
{
    JsonParser parser;
    for (const std::size_t size : {std::size_t{3}, std::size_t{4090}, std::size_t{4096},
                                   std::size_t{8191}, std::size_t{3} << 20}) {
        SCOPED_TRACE(size);
        const std::string json = "[1" + std::string(size - 3, ' ') + "]";
        std::optional<InputText> file = readFile(pathWith(json));
        ASSERT_TRUE(file);
        const char *end = file->text().data() + size;
        EXPECT_EQ(std::count(end, end + kJsonPadding, '\0'), kJsonPadding);
        std::istringstream stream(json);
        for (const InputText &input : {std::move(*file), readAll(stream)})
            EXPECT_TRUE(parser.parsePadded(input.text()).is_array());
    }
}

TEST_F(InputTextTest, AMovedTextKeepsItsBytes)
{
    std::optional<InputText> mapped = readFile(pathWith("[1, 2]"));
    ASSERT_TRUE(mapped);
    const InputText moved(std::move(*mapped));
    mapped.reset();
    EXPECT_EQ(moved.text(), "[1, 2]");
}

} // namespace
