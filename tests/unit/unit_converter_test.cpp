// The unit converter's grid: conversions of each kind, main units chosen by a click, the
// degrees/minutes/seconds column, and which cells a view has to repaint.
#include "tools/unit_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tools/angle_text.h"
#include "tools/unit_table.h"

namespace orvanta {
namespace {

struct Click {
  int column;
  int row;
};

struct ConversionCase {
  std::string name;
  std::string shown;  // the text the LCD shows
  std::vector<Click> clicks;
  std::vector<std::pair<Click, std::string>> cells;
};

// The full refresh that follows every display redraw.
void show(UnitConverter& converter, std::string_view text, NumberBase base = NumberBase::Dec) {
  for (int category = 0; category < kUnitCategories; ++category) {
    converter.refresh(category, text, base);
  }
}

class UnitConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(UnitConversion, CellsRead) {
  const ConversionCase& c = GetParam();
  UnitConverter converter;
  show(converter, c.shown);
  for (const Click& click : c.clicks) converter.select_cell(click.column, click.row);
  for (const auto& [at, text] : c.cells) {
    EXPECT_EQ(converter.cell(at.column, at.row), text) << at.column << "," << at.row;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Displays, UnitConversion,
    testing::Values(
        ConversionCase{"LengthFromMetres",
                       "1",
                       {},
                       {{{0, 1}, "1 米"},
                        {{0, 2}, "10 分米"},
                        {{0, 7}, "0.001 公里"},
                        {{0, 16}, "0.000621388 英里"},
                        // 18 significant digits, trailing zeros dropped.
                        {{0, 18}, "39370.07874015748 密耳MIL(PCB或晶片布局)"}}},
        // Kilobytes are the storage column's main unit; fractions cut to 15 decimals.
        ConversionCase{"StorageFromKilobytes",
                       "1",
                       {},
                       {{{9, 1}, "8192 位(Bit)"},
                        {{9, 2}, "1024 字节(Byte)"},
                        {{9, 3}, "512 字(Word)"},
                        {{9, 4}, "256 双字(DWord)"},
                        {{9, 5}, "1 千字节(KB)"},
                        {{9, 6}, "0.0009765625 兆字节(MB)"},
                        {{9, 7}, "0.000000953674316 千兆字节(GB)"},
                        {{9, 8}, "0.000000000931323 兆兆字节(TB)"}}},
        ConversionCase{"KilogramsAsMainUnit",
                       "2",
                       {{1, 2}},
                       {{{1, 2}, "2 公斤"}, {{1, 1}, "2000 克"}, {{1, 3}, "0.002 吨"}}},
        ConversionCase{"FahrenheitAsMainUnit",
                       "212",
                       {{8, 2}},
                       {{{8, 1}, "100 摄氏温度(℃)"}, {{8, 2}, "212 华氏温度(℉)"}}},
        ConversionCase{
            "CelsiusAsMainUnit", "0", {}, {{{8, 1}, "0 摄氏温度(℃)"}, {{8, 2}, "32 华氏温度(℉)"}}},
        ConversionCase{
            "DegreesMinutesSeconds", "5.3345", {}, {{{10, 1}, " 5°20′4″"}, {{10, 2}, " 5.5625°"}}},
        ConversionCase{"NegativeAngleHasOneSign", "-2.5", {}, {{{10, 1}, " -2°30′0″"}}},
        // The main unit's row shows the displayed number itself.
        ConversionCase{"MainRowShowsTheNumber",
                       "0.1",
                       {{0, 13}},
                       {{{0, 13}, "0.1 英寸"}, {{0, 1}, "0.00254000508001 米"}}},
        // The error mark is no number: everything is converted from 0.
        ConversionCase{"ErrorMarkCountsAsZero",
                       "......",
                       {},
                       {{{0, 1}, "0 米"}, {{8, 2}, "32 华氏温度(℉)"}, {{10, 1}, " 0°0′0″"}}},
        ConversionCase{
            "LargeValuesInExponentForm", "1E18", {}, {{{0, 1}, "1E18 米"}, {{0, 3}, "1E20 厘米"}}},
        // Beyond the 80-bit range a cell says so rather than failing the display.
        ConversionCase{"OverflowIsInfinite", "1E4930", {}, {{{0, 6}, "INF 纳米"}}}),
    [](const auto& info) { return info.param.name; });

TEST(UnitTable, CategoriesAsTheGridShowsThem) {
  const std::vector<std::pair<std::string, int>> expected{
      {"     长 度", 18}, {"     重 量", 11},         {"     面 积", 12},    {"   体积(容积)", 10},
      {"       力", 4},   {"     功 率", 9},          {"     功 能", 5},     {"     压 强", 6},
      {"     温 度", 2},  {"   电脑存储容量(KB)", 8}, {"  度/分/秒(dms)", 2}};
  const auto& categories = unit_categories();
  int factors = 0;
  for (int c = 0; c < kUnitCategories; ++c) {
    EXPECT_EQ(categories[c].header, expected[c].first) << c;
    EXPECT_EQ(static_cast<int>(categories[c].units.size()), expected[c].second) << c;
    if (categories[c].kind == UnitKind::Factor)
      factors += static_cast<int>(categories[c].units.size());
  }
  // Every factor of the table, the storage ones as exact binary fractions.
  EXPECT_EQ(factors, 83);
  EXPECT_EQ(categories[9].units[7].factor, 1.0L / (1024L * 1024 * 1024));
  UnitConverter converter;
  EXPECT_EQ(converter.cell(3, 0), "   体积(容积)");
  EXPECT_EQ(converter.main_row(9), 5);
  EXPECT_EQ(converter.main_row(0), 1);
}

TEST(UnitConverter, ClicksOnEmptyCellsAndTheHeaderChangeNothing) {
  UnitConverter converter;
  show(converter, "3");
  converter.select_cell(4, 5);  // below the force column's four units
  converter.select_cell(4, 0);
  converter.select_cell(11, 1);
  EXPECT_EQ(converter.main_row(4), 1);
  EXPECT_EQ(converter.cell(4, 5), "");
  EXPECT_EQ(converter.cell(4, 1), "3 公斤(力)");
  // Column 0's last row is a unit like any other.
  converter.select_cell(0, 18);
  EXPECT_EQ(converter.main_row(0), 18);
  EXPECT_EQ(converter.cell(0, 18), "3 密耳MIL(PCB或晶片布局)");
}

TEST(UnitConverter, OtherBasesKeepTheLastDecimalContentsAndHideTheRings) {
  UnitConverter converter;
  show(converter, "5");
  EXPECT_TRUE(converter.has_ring(9, 5));
  show(converter, "FF", NumberBase::Hex);
  EXPECT_EQ(converter.cell(0, 1), "5 米");
  EXPECT_FALSE(converter.has_ring(9, 5));
  // A click still chooses the main unit; it counts once the display is decimal again.
  converter.select_cell(0, 3);
  EXPECT_EQ(converter.cell(0, 3), "500 厘米");
  show(converter, "255");
  EXPECT_EQ(converter.cell(0, 3), "255 厘米");
  EXPECT_EQ(converter.cell(0, 1), "2.55 米");
  EXPECT_TRUE(converter.has_ring(0, 3));
  EXPECT_FALSE(converter.has_ring(0, 1));
}

TEST(UnitConverter, ReportsOnlyTheCellsThatChanged) {
  UnitConverter converter;
  std::vector<std::pair<int, int>> changed;
  int batches = 0;
  converter.set_cell_changed([&](int column, int row) { changed.emplace_back(column, row); });
  converter.set_changes_done([&] { ++batches; });
  show(converter, "0");
  EXPECT_EQ(changed.size(), 87u);  // every unit cell, written for the first time
  EXPECT_EQ(batches, 1) << "a full refresh is one batch";
  changed.clear();
  show(converter, "0");
  EXPECT_TRUE(changed.empty());
  show(converter, "1");
  EXPECT_EQ(changed.size(), 87u);
  changed.clear();
  // The ring moves: its old and new cells, and then the texts the new main unit changes.
  const int refreshes = batches;
  converter.select_cell(8, 2);
  ASSERT_GE(changed.size(), 2u);
  EXPECT_EQ(batches, refreshes + 1) << "a click is one batch";
  EXPECT_EQ(changed[0], std::make_pair(8, 1));
  EXPECT_EQ(changed[1], std::make_pair(8, 2));
  changed.clear();
  // Leaving decimal hides every ring and writes no text.
  show(converter, "1", NumberBase::Hex);
  EXPECT_EQ(changed.size(), static_cast<std::size_t>(kUnitCategories));
}

struct AngleCase {
  std::string name;
  long double value;
  std::string dms;
  std::string decimal;
};

class AngleTexts : public testing::TestWithParam<AngleCase> {};

TEST_P(AngleTexts, BothRows) {
  const AngleCase& c = GetParam();
  EXPECT_EQ(dms_text(c.value), c.dms);
  EXPECT_EQ(decimal_degrees_text(c.value), c.decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AngleTexts,
    testing::Values(AngleCase{"Example", 5.3345L, "5°20′4″", "5.5625°"},
                    AngleCase{"WholeDegrees", 12, "12°0′0″", "12°"},
                    AngleCase{"Zero", 0, "0°0′0″", "0°"},
                    // One sign for the whole angle, in both rows.
                    AngleCase{"Negative", -2.5L, "-2°30′0″", "-2.83333333333333°"},
                    AngleCase{"NegativeNotation", -5.3345L, "-5°20′4″", "-5.5625°"},
                    // 59.99964 seconds round to a whole minute, and 60 minutes to a whole degree.
                    // The notation's minutes and seconds are taken as written, even beyond 59.
                    AngleCase{"SecondsCarry", 1.9999999L, "2°0′0″", "2.6777775°"},
                    AngleCase{"SecondsCarryIntoMinutes", 10.0166666L, "10°1′0″", "10.035185°"},
                    // A single digit is tens of minutes, a third one tens of seconds.
                    AngleCase{"OneFractionDigit", 5.5L, "5°30′0″", "5.83333333333333°"},
                    AngleCase{"ThreeFractionDigits", 5.334L, "5°20′2″", "5.56111111111111°"},
                    // Digits after the fourth are fractions of a second.
                    AngleCase{"FractionalSeconds", 5.33451L, "5°20′4″", "5.56252777777778°"},
                    // Too small to show: no sign in front of nothing.
                    AngleCase{"TinyNegative", -1E-17L, "0°0′0″", "0°"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace orvanta
