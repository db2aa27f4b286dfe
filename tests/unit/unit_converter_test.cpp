// The unit converter's grid: conversions of each kind, main units chosen by a click, the
// degrees/minutes/seconds column, and which cells a view has to repaint.
#include "tools/units/unit_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "numeric/number_text.h"
#include "tools/units/angle_text.h"
#include "tools/units/unit_table.h"

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
                        {{0, 16}, "0.000621371192237 英里"},
                        // 15 significant digits, trailing zeros dropped.
                        {{0, 18}, "39370.0787401575 密耳MIL(PCB或晶片布局)"}}},
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
                       {{{0, 13}, "0.1 英寸"}, {{0, 1}, "0.00254 米"}}},
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

// One of the main unit in other units of its column, from the definitions: the international
// yard and pound, the nautical mile, the shi units, the gallons, standard gravity, the
// horsepowers, the thermochemical calorie, the IT BTU and the atmosphere of 760 mmHg.
struct DefinitionCase {
  Click main;
  std::vector<std::pair<int, std::string>> rows;  // row of the same column, its cell
};

TEST(UnitDefinitions, OneMainUnitIsExactlyItsDefinition) {
  const DefinitionCase cases[] = {
      {{0, 16}, {{14, "5280 英尺"}, {15, "1760 码"}, {13, "63360 英寸"}, {1, "1609.344 米"}}},
      {{0, 17}, {{1, "1852 米"}}},
      {{0, 13}, {{18, "1000 密耳MIL(PCB或晶片布局)"}, {3, "2.54 厘米"}}},
      {{0, 8}, {{9, "1500 市尺"}, {1, "500 米"}}},
      {{0, 1}, {{9, "3 市尺"}, {10, "30 市寸"}}},
      {{1, 9}, {{7, "16 盎司"}, {8, "7000 格令"}, {1, "453.59237 克"}}},
      {{1, 8}, {{1, "0.06479891 克"}}},
      {{1, 10}, {{9, "2000 磅"}}},
      {{1, 11}, {{9, "2240 磅"}}},
      {{1, 5}, {{4, "10 市两"}, {1, "500 克"}}},
      {{2, 12}, {{6, "43560 平方英尺"}, {1, "4046.8564224 平方米"}}},
      {{2, 6}, {{7, "144 平方英寸"}}},
      {{2, 11}, {{5, "6000 平方市尺"}}},
      {{3, 6}, {{5, "1728 立方英寸"}}},
      {{3, 8}, {{5, "231 立方英寸"}, {3, "3.785411784 立方分米(升)"}}},
      {{3, 9}, {{3, "4.54609 立方分米(升)"}}},
      {{3, 10}, {{9, "8 英加仑"}}},
      {{3, 7}, {{3, "10 立方分米(升)"}}},
      {{4, 1}, {{4, "9.80665 牛顿(公斤·米/秒^2)"}}},
      {{4, 2},
       {{4, "4.4482216152605 牛顿(公斤·米/秒^2)"}, {3, "444822.16152605 达因(克·厘米/秒^2)"}}},
      {{5, 6}, {{1, "4.184 千瓦"}}},
      {{5, 3}, {{5, "550 英尺·磅/秒"}, {1, "0.74569987158227 千瓦"}}},
      {{5, 2}, {{4, "75 公斤·米/秒"}, {1, "0.73549875 千瓦"}, {8, "1 匹(空调耗电量)"}}},
      {{5, 7}, {{1, "1.05505585262 千瓦"}}},
      {{6, 2}, {{5, "2647795.5 焦耳(10^7尔格)"}}},
      {{6, 1}, {{5, "3600000 焦耳(10^7尔格)"}}},
      {{7, 2}, {{3, "760 水银柱高度(毫米)"}, {5, "1013.25 毫巴"}}},
      {{7, 1}, {{4, "10 水柱高度(米)"}, {5, "980.665 毫巴"}}},
      {{7, 6}, {{5, "68.9475729316836 毫巴"}}},
  };
  for (const DefinitionCase& c : cases) {
    UnitConverter converter;
    converter.select_cell(c.main.column, c.main.row);
    show(converter, "1");
    for (const auto& [row, text] : c.rows) {
      EXPECT_EQ(converter.cell(c.main.column, row), text)
          << "1" << converter.cell(c.main.column, c.main.row);
    }
  }
}

// The number in front of a cell's unit text.
Extended cell_value(const UnitConverter& converter, int column, int row) {
  const std::string& text = converter.cell(column, row);
  return parse_number(text.substr(0, text.find(' ')));
}

// Every pair of units agrees both ways: 1 A shown in B, and that text converted back from B,
// is 1 A again (to the cells' 15 digits).
TEST(UnitDefinitions, EveryPairRoundTrips) {
  const auto& categories = unit_categories();
  for (int c = 0; c < kUnitCategories; ++c) {
    if (categories[c].kind != UnitKind::Factor) continue;
    const int rows = static_cast<int>(categories[c].units.size());
    for (int a = 1; a <= rows; ++a) {
      for (int b = 1; b <= rows; ++b) {
        UnitConverter converter;
        converter.select_cell(c, a);
        converter.refresh(c, "1", NumberBase::Dec);
        const std::string there = converter.cell(c, b);
        // Below 0.1 the cells' 15 decimals hold fewer than 15 significant digits.
        if (cell_value(converter, c, b) < 0.1L) continue;
        converter.select_cell(c, b);
        converter.refresh(c, there.substr(0, there.find(' ')), NumberBase::Dec);
        EXPECT_NEAR(static_cast<double>(cell_value(converter, c, a)), 1.0, 1e-13)
            << c << ": " << a << " -> " << there;
      }
    }
  }
}

// Significant digits of a cell's number: no more than 15, however long the 80-bit result.
int significant_digits(std::string_view number) {
  if (number.find('E') != std::string_view::npos) number = number.substr(0, number.find('E'));
  std::string digits;
  for (const char ch : number) {
    if (ch >= '0' && ch <= '9') digits += ch;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  digits = digits.substr(first);
  return static_cast<int>(digits.find_last_not_of('0') + 1);
}

TEST(UnitConverter, CellsShowAtMostFifteenSignificantDigits) {
  for (const std::string_view shown : {"1", "212", "5.3345", "-2.5", "0.7", "12345678901234"}) {
    UnitConverter converter;
    show(converter, shown);
    for (int c = 0; c < kUnitCategories - 1; ++c) {
      for (int r = 1; r < kUnitGridRows; ++r) {
        const std::string& text = converter.cell(c, r);
        if (text.empty()) continue;
        EXPECT_LE(significant_digits(text.substr(0, text.find(' '))), 15) << shown << ": " << text;
      }
    }
  }
}

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
  // Every unit of the factor columns; the storage sizes are whole numbers of bits.
  EXPECT_EQ(factors, 83);
  EXPECT_EQ(categories[9].units[7].size, 8192.0L * 1024 * 1024 * 1024);
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
