#include "ProjectTitle.h"

#include <gtest/gtest.h>

#include <string>

namespace quarlo {
namespace {

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

const std::string kSeventyNine(79, 'x');
const std::string kEighty(80, 'x');

struct InsertionCase {
    const char* name;
    std::string kept;
    std::string inserted;
    std::string expected;
};

class TitleInsertionTest : public ::testing::TestWithParam<InsertionCase> {};

TEST_P(TitleInsertionTest, FitsOnOneLineWithinEightyCharacters) {
    EXPECT_EQ(TitleInsertion(GetParam().kept, GetParam().inserted), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleInsertionTest,
    ::testing::Values(
        InsertionCase{"FitsAsItIs", "Pile ", "A", "A"},
        InsertionCase{"LastCharacterOfTheLimit", kSeventyNine, "yz", "y"},
        InsertionCase{"NothingAtTheLimit", kEighty, "y", ""},
        InsertionCase{"NothingBeyondTheLimit", kEighty + "xx", "y", ""},
        InsertionCase{"PastedTextCut", std::string(70, 'x'), "Driven pile, stiff clay", "Driven pil"},
        InsertionCase{"LineBreaksBecomeBlanks", "", "Pile A\r\nrevised\nagain\r", "Pile A  revised again "},
        InsertionCase{"BreakCountsAsACharacter", kSeventyNine, "\r\nrest", " "},
        // A two-byte character counts once.
        InsertionCase{"CharactersNotBytes", std::string(), "\u00E9\u00E9\u00E9", "\u00E9\u00E9\u00E9"},
        InsertionCase{"NeverCutInsideACharacter", std::string(78, 'x'), "\u00E9\u00E9\u00E9", "\u00E9\u00E9"},
        InsertionCase{"KeptTextCountsCharacters", repeated("\u00B2", 79), "ab", "a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitleOnOneLine, EveryBreakCharacterIsABlank) {
    EXPECT_EQ(TitleOnOneLine("Pile A\r\nrevised"), "Pile A  revised");
    EXPECT_EQ(TitleOnOneLine("One line"), "One line");
}

}  // namespace
}  // namespace quarlo
