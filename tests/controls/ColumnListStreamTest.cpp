#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CaseName.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Exception.h"
#include "SystemTables.h"

using namespace quarlo;

namespace {

using Bytes = std::vector<std::uint8_t>;

void appendText(Bytes& bytes, const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

template <class Table>
Bytes columnListOf(const Table& table) {
    ComponentWriter writer;
    table.WriteColumnList(writer);
    return writer.Bytes();
}

std::string readError(const Bytes& bytes) {
    TGridTableChart table;
    ComponentReader reader(bytes);
    try {
        table.ReadColumnList(reader);
    } catch (const Exception& error) {
        return error.what();
    }
    return "(read)";
}

}  // namespace

// The tip-movement table's list, byte by byte: one column, class 2 (float), one caption line,
// visible, no group value, no top depth, the float mark, unit "L", default 0.
TEST(ColumnListEncoding, TipMovementTableIsWrittenByteForByte) {
    SystemTables tables;
    Bytes expected = {0x02, 0x01, 0x02, 0x02, 0x01, 0x06, 0x0E};
    appendText(expected, "Tip Movement, ");
    expected.insert(expected.end(), {0x00, 0x09, 0x08, 0x08, 0x06, 0x0C});
    appendText(expected, "FLOATCOLUMN2");
    expected.insert(expected.end(), {0x06, 0x01, 'L', 0x05});
    expected.insert(expected.end(), 10, 0x00);
    EXPECT_EQ(columnListOf(tables.TblTipMove()), expected);
}

TEST(ColumnListEncoding, IntegersTakeTheSmallestSize) {
    ComponentWriter writer;
    writer.WriteInteger(-1);
    writer.WriteInteger(300);
    writer.WriteInteger(-70000);
    EXPECT_EQ(writer.Bytes(), (Bytes{0x02, 0xFF, 0x03, 0x2C, 0x01, 0x04, 0x90, 0xEE, 0xFE, 0xFF}));
    ComponentReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadInteger(), -1);
    EXPECT_EQ(reader.ReadInteger(), 300);
    EXPECT_EQ(reader.ReadInteger(), -70000);
}

// 1.0 in the 80-bit layout: mantissa 0x8000000000000000, exponent 0x3FFF; -2.5: mantissa
// 0xA000000000000000, exponent 0x4000 with the sign bit.
TEST(ColumnListEncoding, ExtendedRealsUseTheTenByteLayout) {
    ComponentWriter writer;
    writer.WriteFloat(1.0L);
    writer.WriteFloat(-2.5L);
    EXPECT_EQ(writer.Bytes(), (Bytes{0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F,  //
                                     0x05, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    ComponentReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadFloat(), 1.0L);
    EXPECT_EQ(reader.ReadFloat(), -2.5L);
}

TEST(ColumnListEncoding, LongStringsTakeAFourByteLength) {
    ComponentWriter writer;
    const std::string text(300, 'a');
    writer.WriteString(text);
    EXPECT_EQ(writer.Bytes()[0], 0x0C);
    EXPECT_EQ(writer.Bytes()[1], 0x2C);
    EXPECT_EQ(writer.Bytes()[2], 0x01);
    ComponentReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadString(), text);
}

TEST(ColumnListRoundTrip, SoilLayerTableComesBackWithItsColumnsAndTemplates) {
    SystemTables tables;
    const Bytes written = columnListOf(tables.D2());
    TGridTableChart copy;
    ComponentReader reader(written);
    copy.ReadColumnList(reader);
    EXPECT_TRUE(reader.AtEnd());
    ASSERT_EQ(copy.ColumnCount(), 3);
    EXPECT_EQ(dynamic_cast<TEnumColumnChart&>(copy.Column(0)).Items().size(), 6u);
    EXPECT_EQ(dynamic_cast<TFloatColumnChart&>(copy.Column(1)).UnitsText(), "L");
    const auto& layerData = dynamic_cast<TTableColumnChart&>(copy.Column(2));
    ASSERT_EQ(layerData.Templates().Count(), 6);
    EXPECT_EQ(layerData.Templates().Resolve(1), &tables.tblDataSand2());
    EXPECT_EQ(columnListOf(copy), written);
}

TEST(ColumnListRoundTrip, ChartSettingsFollowTheColumns) {
    SystemTables tables;
    const Bytes written = columnListOf(tables.TblTZCurves2());
    TGridTableChart copy;
    ComponentReader reader(written);
    copy.ReadColumnList(reader);
    EXPECT_TRUE(copy.Chart().ShowChart);
    EXPECT_EQ(copy.Chart().XColumn, 1);
    EXPECT_EQ(copy.Chart().YColumn, 0);
}

TEST(ColumnListRoundTrip, EveryColumnClassKeepsItsSettings) {
    TGridTableChart table;
    auto intColumn = std::make_unique<TIntColumnChart>(&table);
    intColumn->SetDefault(3);
    intColumn->SetMinValue(-200);
    intColumn->SetMaxValue(70000);
    intColumn->SetGroupValue(true);
    table.AdoptColumn(std::move(intColumn));
    auto stringColumn = std::make_unique<TStringColumnChart>(&table);
    stringColumn->SetDefault("n/a");
    stringColumn->SetWidthInches(1.5L);
    stringColumn->SetVisible(false);
    table.AdoptColumn(std::move(stringColumn));

    TGridTableChart copy;
    ComponentReader reader(columnListOf(table));
    copy.ReadColumnList(reader);
    const auto& ints = dynamic_cast<TIntColumnChart&>(copy.Column(0));
    EXPECT_EQ(ints.Default(), 3);
    EXPECT_EQ(ints.MinValue(), -200);
    EXPECT_EQ(ints.MaxValue(), 70000);
    EXPECT_TRUE(ints.GroupValue());
    const auto& strings = dynamic_cast<TStringColumnChart&>(copy.Column(1));
    EXPECT_EQ(strings.Default(), "n/a");
    EXPECT_EQ(strings.WidthInches(), 1.5L);
    EXPECT_FALSE(strings.Visible());
}

struct ReadErrorCase {
    const char* name;
    Bytes bytes;
    const char* message;
};

class ColumnListErrors : public testing::TestWithParam<ReadErrorCase> {};

TEST_P(ColumnListErrors, NameWhatFailedAndWhere) { EXPECT_EQ(readError(GetParam().bytes), GetParam().message); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnListErrors,
    testing::Values(
        ReadErrorCase{"UnknownClassKey", {0x02, 0x01, 0x02, 0x07},
                      "Error occured when creating column 0: Error Column Class not defined"},
        ReadErrorCase{"EmptyList", {}, "Error reading column count"},
        ReadErrorCase{"CountOfWrongKind", {0x09}, "Error reading column count"},
        ReadErrorCase{"TruncatedColumn", {0x02, 0x01, 0x02, 0x02, 0x01}, "Error occured when creating column 0: Stream read error"},
        ReadErrorCase{"WrongFloatMark",
                      {0x02, 0x01, 0x02, 0x02, 0x01, 0x00, 0x09, 0x08, 0x08, 0x06, 0x01, 'X'},
                      "Error occured when creating column 0: Invalid property value"},
        ReadErrorCase{"SecondColumnUnknown",
                      {0x02, 0x02, 0x02, 0x04, 0x01, 0x00, 0x09, 0x08, 0x06, 0x00, 0x05, 0, 0, 0, 0, 0, 0, 0,
                       0x80, 0xFF, 0x3F, 0x02, 0x09},
                      "Error occured when creating column 1: Error Column Class not defined"},
        ReadErrorCase{"MissingGraphicParameters", {0x02, 0x00}, "Error reading graphic parameters"}),
    CaseName());

TEST(ColumnListErrors, ColumnsReadBeforeTheFaultStayInPlace) {
    TGridTableChart table;
    ComponentReader reader({0x02, 0x02, 0x02, 0x04, 0x01, 0x00, 0x09, 0x08, 0x06, 0x00, 0x05, 0, 0, 0, 0, 0, 0, 0,
                            0x80, 0xFF, 0x3F, 0x02, 0x09});
    EXPECT_THROW(table.ReadColumnList(reader), Exception);
    EXPECT_EQ(table.ColumnCount(), 1);
}

TEST(ColumnClassRegistry, KnowsTheFiveClassesOnly) {
    auto& registry = ColumnClassRegistryChart::Instance();
    for (int key = 0; key <= 4; ++key) {
        EXPECT_NE(registry.Find(key), nullptr) << key;
    }
    EXPECT_EQ(registry.Find(7), nullptr);
}
