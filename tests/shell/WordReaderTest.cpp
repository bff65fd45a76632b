#include "WordReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <functional>
#include <fstream>
#include <string>

namespace quarlo {
namespace {

std::string errorText(const std::function<void()>& read)
{
    try {
        read();
    } catch (const EInOutError& error) {
        return error.what();
    }
    return "no error";
}

const std::string kIncomplete = "This file either invalid or incomplete.";
const std::string kIntegerExpected = "An integer was expected but not found.";
const std::string kFloatExpected = "A floating point number was expected but not found.";

TEST(WordReaderSplit, BlanksAndTabsSeparateWords)
{
    TWordReader reader = TWordReader::FromText("12  3.5\t-4");
    ASSERT_EQ(reader.Lines().size(), 1u);
    EXPECT_EQ(reader.Lines()[0].Words, (std::vector<std::string>{"12", "3.5", "-4"}));
    EXPECT_EQ(reader.ReadInteger(), 12);
    EXPECT_EQ(reader.ReadFloat(), 3.5L);
    EXPECT_EQ(reader.ReadFloat(), -4.0L);
}

TEST(WordReaderSplit, CommasAndSemicolonsBelongToTheWord)
{
    TWordReader reader = TWordReader::FromText("1,2;3 4");
    EXPECT_EQ(reader.Lines()[0].Words, (std::vector<std::string>{"1,2;3", "4"}));
}

TEST(WordReaderSplit, LineOfBlanksHasNoWordsAndKeepsItsText)
{
    TWordReader reader = TWordReader::FromText("   \r\n5");
    EXPECT_TRUE(reader.Lines()[0].Words.empty());
    EXPECT_EQ(reader.ReadLine(), "   ");
}

TEST(WordReaderSplit, LineEndsWithAndWithoutCarriageReturn)
{
    TWordReader reader = TWordReader::FromText("Title line\r\n1 2\n3\r\n");
    ASSERT_EQ(reader.Lines().size(), 3u);
    EXPECT_EQ(reader.ReadLine(), "Title line");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 2);
    EXPECT_EQ(reader.ReadInteger(), 3);
}

TEST(WordReaderSplit, EmptyTextIsOneLineWithoutWords)
{
    TWordReader reader = TWordReader::FromText("");
    ASSERT_EQ(reader.Lines().size(), 1u);
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(WordReaderLines, ReadLineReturnsWholeLineAfterWordsWereTaken)
{
    TWordReader reader = TWordReader::FromText("7 8 9\nnext");
    EXPECT_EQ(reader.ReadInteger(), 7);
    EXPECT_EQ(reader.ReadLine(), "7 8 9");
    EXPECT_EQ(reader.ReadLine(), "next");
    EXPECT_EQ(errorText([&] { reader.ReadLine(); }), kIncomplete);
}

TEST(WordReaderLines, WordlessLinesBetweenWordsAreSkipped)
{
    TWordReader reader = TWordReader::FromText("1\n\n  \t \n2\n\n");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 2);
    EXPECT_EQ(errorText([&] { reader.ReadInteger(); }), kIncomplete);
}

TEST(WordReaderLines, TitleOnlyFileIsIncomplete)
{
    TWordReader reader = TWordReader::FromText("Pile test\r\n");
    EXPECT_EQ(reader.ReadLine(), "Pile test");
    EXPECT_EQ(errorText([&] { reader.ReadInteger(); }), kIncomplete);
}

TEST(WordReaderErrors, NameLineAndItemOfTheBadWord)
{
    TWordReader integers = TWordReader::FromText("Title\n50 x 1\n");
    integers.ReadLine();
    EXPECT_EQ(integers.ReadInteger(), 50);
    EXPECT_EQ(errorText([&] { integers.ReadInteger(); }), "Error on Line 2 Item 2\r" + kIntegerExpected);

    TWordReader floats = TWordReader::FromText("Title\n50 x 1\n");
    floats.ReadLine();
    EXPECT_EQ(floats.ReadFloat(), 50.0L);
    EXPECT_EQ(errorText([&] { floats.ReadFloat(); }), "Error on Line 2 Item 2\r" + kFloatExpected);
}

TEST(WordReaderErrors, LineNumberCountsSkippedLines)
{
    TWordReader reader = TWordReader::FromText("1\n\n\n2 3 oops");
    reader.ReadInteger();
    reader.ReadInteger();
    reader.ReadInteger();
    EXPECT_EQ(errorText([&] { reader.ReadFloat(); }), "Error on Line 4 Item 3\r" + kFloatExpected);
}

struct WordCase {
    const char* name;
    const char* word;
    bool accepted;
    long double value;
};

class ReadIntegerWord : public testing::TestWithParam<WordCase> {};
class ReadFloatWord : public testing::TestWithParam<WordCase> {};

TEST_P(ReadIntegerWord, AcceptsOnlyWholeNumbersInRange)
{
    const WordCase& c = GetParam();
    TWordReader reader = TWordReader::FromText(c.word);
    if (c.accepted)
        EXPECT_EQ(reader.ReadInteger(), static_cast<std::int32_t>(c.value));
    else
        EXPECT_EQ(errorText([&] { reader.ReadInteger(); }), "Error on Line 1 Item 1\r" + kIntegerExpected);
}

TEST_P(ReadFloatWord, AcceptsDecimalNumbersOnly)
{
    const WordCase& c = GetParam();
    TWordReader reader = TWordReader::FromText(c.word);
    if (c.accepted)
        EXPECT_EQ(reader.ReadFloat(), c.value);
    else
        EXPECT_EQ(errorText([&] { reader.ReadFloat(); }), "Error on Line 1 Item 1\r" + kFloatExpected);
}

auto wordName = [](const testing::TestParamInfo<WordCase>& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Words, ReadIntegerWord,
    testing::Values(WordCase{"Plain", "42", true, 42},
                    WordCase{"WholeWithPoint", "2.0", true, 2},
                    WordCase{"Exponent", "1e3", true, 1000},
                    WordCase{"Lowest", "-2147483648", true, -2147483648.0L},
                    WordCase{"Highest", "2147483647", true, 2147483647.0L},
                    WordCase{"Fraction", "2.5", false, 0},
                    WordCase{"TooLarge", "3000000000", false, 0},
                    WordCase{"TooSmall", "-2147483649", false, 0},
                    WordCase{"DecimalComma", "2,0", false, 0},
                    WordCase{"Letters", "x", false, 0}),
    wordName);

INSTANTIATE_TEST_SUITE_P(
    Words, ReadFloatWord,
    testing::Values(WordCase{"Fixed", "-0.25", true, -0.25L},
                    WordCase{"Exponent", "1.5E-3", true, 1.5e-3L},
                    WordCase{"LowerExponent", "2e2", true, 200},
                    WordCase{"PlusSign", "+2", true, 2},
                    WordCase{"LeadingPoint", ".5", true, 0.5L},
                    WordCase{"TrailingPoint", "5.", true, 5},
                    WordCase{"Underflow", "1e-6000", true, 0},
                    WordCase{"DecimalComma", "1,5", false, 0},
                    WordCase{"Infinity", "inf", false, 0},
                    WordCase{"NotANumber", "nan", false, 0},
                    WordCase{"Hexadecimal", "0x10", false, 0},
                    WordCase{"BeyondRange", "1e6000", false, 0},
                    WordCase{"ExponentWithoutDigits", "1e", false, 0},
                    WordCase{"SignOnly", "-", false, 0}),
    wordName);

TEST(WordReaderFile, ReadsTheFileItNames)
{
    const std::string path = testing::TempDir() + "word_reader_test.qv3d";
    std::ofstream(path, std::ios::binary) << "Title\r\n1 2.5\r\n";
    TWordReader reader(path);
    EXPECT_EQ(reader.ReadLine(), "Title");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadFloat(), 2.5L);
    std::remove(path.c_str());
}

TEST(WordReaderFile, MissingFileOrDirectoryCannotBeOpened)
{
    for (const std::string& path : {testing::TempDir() + "no_such_dir/none.qv3d", testing::TempDir()})
        EXPECT_EQ(errorText([&] { TWordReader reader(path); }), "Cannot open file " + path + ".");
}

TEST(WordReaderLocale, DecimalCommaLocaleChangesNothing)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* chosen = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (!chosen)
        chosen = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string commaLocale = chosen;
    TWordReader reader = TWordReader::FromText("1.5 2.0 bad");
    const long double value = reader.ReadFloat();
    const std::int32_t whole = reader.ReadInteger();
    const std::string error = errorText([&] { reader.ReadFloat(); });
    const std::string after = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(value, 1.5L);
    EXPECT_EQ(whole, 2);
    EXPECT_EQ(error, "Error on Line 1 Item 3\r" + kFloatExpected);
    EXPECT_EQ(after, commaLocale);
}

}  // namespace
}  // namespace quarlo
