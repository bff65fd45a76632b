#include "RecordReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quarlo {
namespace {

TEST(RecordReader, OneReadRunsOnOverFollowingLines) {
    std::istringstream in("1.5 2\n3\n\n4 9\nnext\n");
    RecordReader reader(in);
    reader.beginRecord("pairs");
    EXPECT_EQ(reader.readReal("a"), 1.5f);
    EXPECT_EQ(reader.readReal("b"), 2.0f);
    EXPECT_EQ(reader.readReal("c"), 3.0f);
    EXPECT_EQ(reader.readReal("d"), 4.0f);
    // The 9 left on the record's last line is skipped by the next record.
    reader.beginRecord("next");
    EXPECT_THROW(reader.readReal("e"), ReadError);
}

TEST(RecordReader, EachRecordStartsOnANewLine) {
    // Two loads on one line: the second is ignored, the next load comes from the next line.
    std::istringstream in("10000 20000\n30000\n");
    RecordReader reader(in);
    reader.beginRecord("load 1");
    EXPECT_EQ(reader.readReal("LOAD"), 10000.0f);
    reader.beginRecord("load 2");
    EXPECT_EQ(reader.readReal("LOAD"), 30000.0f);
    EXPECT_EQ(reader.lineNumber(), 2);
}

TEST(RecordReader, CommasAndTabsSeparateValues) {
    std::istringstream in("1,2 , 3\t4,\r\n5\r\n");
    RecordReader reader(in);
    reader.beginRecord("values");
    for (int expected = 1; expected <= 5; ++expected)
        EXPECT_EQ(reader.readInt("v"), expected);
}

struct RealsCase {
    const char* name;
    const char* text;
    std::vector<float> expected;
};

void PrintTo(const RealsCase& c, std::ostream* os) { *os << c.name; }

class RecordReaderReals : public testing::TestWithParam<RealsCase> {};

TEST_P(RecordReaderReals, ReadAsWritten) {
    std::istringstream in(GetParam().text);
    RecordReader reader(in);
    reader.beginRecord("reals");
    for (std::size_t i = 0; i < GetParam().expected.size(); ++i)
        EXPECT_EQ(reader.readReal(std::string(1, static_cast<char>('a' + i))), GetParam().expected[i]) << "value " << i;
}

const RealsCase kReals[] = {
    {"every_number_form", "0.0 -1.5E-5 1.5D3 +.5 7 1.2345679E8\n", {0.0f, -1.5e-5f, 1500.0f, 0.5f, 7.0f, 1.2345679e8f}},
    // A magnitude below the smallest single-precision value is a number all the same: it
    // reads as zero, whatever its exponent, while a subnormal one keeps its value.
    {"too_small_for_single_precision_reads_as_zero", "1E-50 -2.5E-60 0.0000001E-39 12E-99999999999999999999 1E-40\n",
     {0.0f, 0.0f, 0.0f, 0.0f, 1e-40f}},
};

INSTANTIATE_TEST_SUITE_P(Reads, RecordReaderReals, testing::ValuesIn(kReals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, TitleIsAFixedField) {
    std::istringstream in(std::string(80, 'T') + "\r\nShort\r\n");
    RecordReader reader(in);
    EXPECT_EQ(reader.readFixed("title", 72), std::string(72, 'T'));
    EXPECT_EQ(reader.readFixed("title", 72), "Short" + std::string(67, ' '));
}

struct FailureCase {
    const char* name;
    const char* text;
    bool integer;
    ReadError::Kind kind;
    int line;
    const char* detail;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class RecordReaderFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(RecordReaderFailure, NamesRecordItemAndLine) {
    const FailureCase& c = GetParam();
    std::istringstream in(c.text);
    RecordReader reader(in);
    reader.beginRecord("record 8");
    try {
        if (c.integer)
            reader.readInt("NSEG");
        else
            reader.readReal("TOL");
        FAIL() << "no error";
    } catch (const ReadError& error) {
        EXPECT_EQ(error.kind(), c.kind);
        EXPECT_EQ(error.line(), c.line);
        EXPECT_EQ(error.record(), c.integer ? "record 8, NSEG" : "record 8, TOL");
        EXPECT_STREQ(error.what(), c.detail);
    }
}

const FailureCase kFailures[] = {
    {"end_of_file", "\n\n", false, ReadError::Kind::EndOfFile, 3, "the file ends after line 2"},
    {"text_for_real", "abc\n", false, ReadError::Kind::BadValue, 1, "\"abc\" is not a number"},
    {"real_for_integer", "1.5\n", true, ReadError::Kind::BadValue, 1, "\"1.5\" is not an integer"},
    {"integer_too_large", "99999999999\n", true, ReadError::Kind::BadValue, 1,
     "\"99999999999\" is too large for an integer"},
    {"infinite_real", "1E50\n", false, ReadError::Kind::BadValue, 1,
     "\"1E50\" is too large for a single-precision number"},
    {"exponent_beyond_any_type", "0.001E99999999999999999999\n", false, ReadError::Kind::BadValue, 1,
     "\"0.001E99999999999999999999\" is too large for a single-precision number"},
    {"nan_text", "nan\n", false, ReadError::Kind::BadValue, 1, "\"nan\" is not a number"},
    {"two_signs_real", "+-5\n", false, ReadError::Kind::BadValue, 1, "\"+-5\" is not a number"},
    {"two_signs_integer", "+-5\n", true, ReadError::Kind::BadValue, 1, "\"+-5\" is not an integer"},
};

INSTANTIATE_TEST_SUITE_P(Reads, RecordReaderFailure, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, EmptyValueIsReportedOnItsOwnItem) {
    std::istringstream in("1,,2\n");
    RecordReader reader(in);
    reader.beginRecord("record 8");
    EXPECT_EQ(reader.readInt("first"), 1);
    EXPECT_THROW(reader.readInt("second"), ReadError);
}

TEST(RecordReader, NegativeCountIsRefused) {
    std::istringstream in("-3\n");
    RecordReader reader(in);
    reader.beginRecord("record 10");
    try {
        reader.readCount("NLOAD");
        FAIL() << "no error";
    } catch (const ReadError& error) {
        EXPECT_EQ(error.kind(), ReadError::Kind::NegativeCount);
        EXPECT_STREQ(error.what(), "the count -3 is negative");
    }
}

}  // namespace
}  // namespace quarlo
