#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeadingSlug.h"
#include "Utf8Text.h"

namespace quarlo {
namespace {

struct SlugCase {
    const char* name;
    const char* heading;
    const char* slug;
};

class HeadingSlugTest : public ::testing::TestWithParam<SlugCase> {};

TEST_P(HeadingSlugTest, GivesTheAnchorTheLinksWrite)
{
    EXPECT_EQ(HeadingSlug(GetParam().heading), GetParam().slug);
}

// The first rows are headings of the technical manual with the anchors its pages link to.
INSTANTIATE_TEST_SUITE_P(
    Headings, HeadingSlugTest,
    ::testing::Values(
        SlugCase{"LowerCaseAndSpacesToDashes", "t-z curves", "t-z-curves"},
        SlugCase{"NumberedChapterTitle", "2 t-z and Q-w curves", "2-t-z-and-q-w-curves"},
        SlugCase{"ParenthesesDropped", "Load-transfer solution (30-39)", "load-transfer-solution-30-39"},
        SlugCase{"ColonDropped", "Worked example: the first segment", "worked-example-the-first-segment"},
        SlugCase{"ApostropheDropped", "The engine's choices", "the-engines-choices"},
        SlugCase{"UnderscoreKept", "snake_case name", "snake_case-name"},
        SlugCase{"EveryBlankCounts", "a  b", "a--b"},
        SlugCase{"EnDashDropped", "Load\u2013settlement curve", "loadsettlement-curve"},
        SlugCase{"MultiplicationSignDropped", "Area \u00d7 2", "area--2"},
        SlugCase{"SuperscriptDigitKept", "Stress in F/L\u00b2", "stress-in-fl\u00b2"},
        SlugCase{"AccentedCapitalLowered", "\u00c9tude du sol", "\u00e9tude-du-sol"},
        SlugCase{"GreekCapitalLowered", "\u0394 settlement", "\u03b4-settlement"},
        SlugCase{"NothingLeft", "?!", ""}),
    [](const ::testing::TestParamInfo<SlugCase>& info) { return std::string(info.param.name); });

TEST(HeadingSlugsTest, ARepeatedHeadingGetsTheNextNumber)
{
    HeadingSlugs slugs;
    EXPECT_EQ(slugs.Add("Sources"), "sources");
    EXPECT_EQ(slugs.Add("Units"), "units");
    EXPECT_EQ(slugs.Add("Sources"), "sources-1");
    EXPECT_EQ(slugs.Add("Sources"), "sources-2");
}

TEST(HeadingSlugsTest, AHeadingThatReadsLikeANumberedAnchorStaysDistinct)
{
    HeadingSlugs slugs;
    EXPECT_EQ(slugs.Add("a"), "a");
    EXPECT_EQ(slugs.Add("a"), "a-1");
    EXPECT_EQ(slugs.Add("a-1"), "a-1-1");
    EXPECT_EQ(slugs.Add("a"), "a-2");
}

TEST(Utf8TextTest, WellFormedTextRoundTrips)
{
    const std::string text = "t \u00d7 z \u2013 \u03b4 \U0001D70E";
    const std::u32string decoded = DecodeUtf8(text);
    EXPECT_EQ(decoded, U"t \u00d7 z \u2013 \u03b4 \U0001D70E");
    EXPECT_EQ(EncodeUtf8(decoded), text);
}

TEST(Utf8TextTest, MalformedBytesReadAsReplacementMarks)
{
    // A Latin-1 e acute, a stray continuation byte, an overlong slash, a cut-off sequence.
    EXPECT_EQ(DecodeUtf8("caf\xe9!"), U"caf\ufffd!");
    EXPECT_EQ(DecodeUtf8("a\x80z"), U"a\ufffdz");
    EXPECT_EQ(DecodeUtf8("\xc0\xaf"), U"\ufffd\ufffd");
    EXPECT_EQ(DecodeUtf8("x\xe2\x80"), U"x\ufffd");
}

}  // namespace
}  // namespace quarlo
