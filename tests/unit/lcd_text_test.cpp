#include "display/lcd_text.h"

#include <gtest/gtest.h>

#include <utility>

#include "face/face_layout.h"

namespace orvanta {
namespace {

struct PrecisionCase {
  const char* text;
  const char* field;
  const char* expected;
};

class PrecisionTest : public ::testing::TestWithParam<PrecisionCase> {};

TEST_P(PrecisionTest, RoundsToTheFieldsDecimals) {
  const PrecisionCase& c = GetParam();
  EXPECT_EQ(apply_precision(c.text, c.field), c.expected) << c.text << " at " << c.field;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PrecisionTest,
    ::testing::Values(PrecisionCase{"3.14159", "2", "3.14"}, PrecisionCase{"2.5", "0", "2"},
                      PrecisionCase{"3.5", "0", "4"}, PrecisionCase{"0.125", "2", "0.12"},
                      PrecisionCase{"2.5", "-1", "2.5"},
                      // Not a number, negative or beyond 15: 0, 0 and 15 decimals.
                      PrecisionCase{"2.567", "abc", "3"}, PrecisionCase{"2.567", "-5", "3"},
                      PrecisionCase{"0.1234567890123456", "40", "0.123456789012346"},
                      // Texts with an exponent and texts that are no number stay.
                      PrecisionCase{"1.5E20", "2", "1.5E20"},
                      PrecisionCase{"......", "2", "......"},
                      // The scaled value beyond the 64-bit range: left unrounded.
                      PrecisionCase{"12345678.123456", "15", "12345678.123456"},
                      PrecisionCase{"123", "2", "123"}, PrecisionCase{"-1.005", "1", "-1"}));

TEST(LcdText, ThousandsSeparators) {
  EXPECT_EQ(apply_thousands("1234567.5"), "1,234,567.5");
  EXPECT_EQ(apply_thousands("12345678901"), "12,345,678,901");
  EXPECT_EQ(apply_thousands("0"), "0.");
  EXPECT_EQ(apply_thousands("......"), "......");
  EXPECT_EQ(apply_thousands("1E20"), "1E20");
}

TEST(LcdText, TypedNumbersKeepTheirDigitsBetweenSeparators) {
  const std::pair<const char*, const char*> cases[] = {{"12345678901", "12,345,678,901"},
                                                       {"1234.50", "1,234.50"},
                                                       {"1.", "1."},
                                                       {"1.00", "1.00"},
                                                       {"-1234", "-1,234"},
                                                       {"0.", "0."},
                                                       {"123", "123"},
                                                       {"......", "......"},
                                                       {"-", "-"}};
  for (const auto& [typed, shown] : cases) EXPECT_EQ(typed_thousands(typed), shown) << typed;
}

TEST(LcdText, ExponentFormKeepsItsExponentOnTheCells) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.5241578780672E26", "1.524157878E26"},
      {"1.24101807021767E309", "1.24101807E309"},
      {"-1.23456789012345E-20", "-1.2345679E-20"},
      {"1.23456789012345E-5", "1.23456789E-5"},
      // Rounding up may carry into the exponent, which may then take one more cell.
      {"9.99999999999999E99", "1E100"},
      {"-9.99999999999999E300", "-1E301"},
      // Texts that fit, texts without an exponent and texts that are no number stay.
      {"1.5E20", "1.5E20"},
      {"1234567890123456", "1234567890123456"},
      {"3.1415926535897932384626433832795", "3.1415926535897932384626433832795"},
      {"..............E5", "..............E5"}};
  for (const auto& [text, fitted] : cases) {
    EXPECT_EQ(fit_exponent_form(text, 14), fitted) << text;
  }
}

TEST(LcdText, IntegerDigitsBeyondTheCellsGoIntoTheExponentForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"100000000000000", "1E14"},
      {"9460500000000000", "9.4605E15"},
      // Rounded half up, away from zero for a negative number; a carry may reach the exponent.
      {"9460730472580800", "9.460730473E15"},
      {"-12345678901234", "-1.23456789E13"},
      {"-12345678905", "-12345678905"},
      {"99999999999999999", "1E17"},
      {"123456789056789.5", "1.234567891E14"},
      {"999999999990000", "1E15"},
      // Exponent forms keep their exponent.
      {"1.5241578780672E26", "1.524157878E26"},
      // Below 1E-4 the first cells would show few digits or none.
      {"0.000000000000033", "3.3E-14"},
      {"-0.0000123456789012", "-1.23456789E-5"},
      {"0.000123456789012", "0.000123456789012"},
      // Texts whose integer digits fit stay: a long fraction shows its first cells.
      {"12345678901234", "12345678901234"},
      {"0.666666666666667", "0.666666666666667"},
      {"12345678901234.5", "12345678901234.5"},
      // Texts that are no plain number stay.
      {"......", "......"},
      {"123456789,012,345", "123456789,012,345"},
      {"012345678901234", "012345678901234"}};
  for (const auto& [text, fitted] : cases) EXPECT_EQ(fit_to_cells(text, 14), fitted) << text;
}

TEST(LcdText, CellsShowAWholeNumberWhenTheyReadAsItsValue) {
  const struct {
    const char* drawn;
    const char* text;
    bool whole;
  } cases[] = {{"1E14", "100000000000000", true},
               {"9.460730473E15", "9460730472580800", false},
               {"123,456,789", "123456789", true},
               {"0.666666666666", "0.666666666666667", false},
               {"......", "......", true},
               {"12:05:30", "12:05:30", true},
               {"ABCDEFABCDEFAB", "ABCDEFABCDEFABC", false}};
  for (const auto& c : cases) EXPECT_EQ(cells_show_whole(c.drawn, c.text, 14), c.whole) << c.text;
}

TEST(LcdText, GlyphsExistForNumbersTimesAndTheErrorMark) {
  for (const char c : std::string_view("0123456789ABCDEF.-,: ")) EXPECT_TRUE(has_glyph(c)) << c;
  for (const char c : std::string_view("Ia+xe")) EXPECT_FALSE(has_glyph(c)) << c;
}

TEST(LcdText, GlyphResourcesKeepTheMinusAndTheHexFApart) {
  EXPECT_EQ(glyph_resource('-'), "DF");
  EXPECT_EQ(glyph_resource('F'), "DFF");
  EXPECT_EQ(glyph_resource('.'), "DP");
  EXPECT_EQ(glyph_resource(','), "DQW");
  EXPECT_EQ(glyph_resource(':'), "DMH");
  EXPECT_EQ(glyph_resource('7'), "D7");
  EXPECT_EQ(glyph_resource(' '), "");
  for (const face::Glyph& g : face::kGlyphs) EXPECT_EQ(glyph_resource(g.character), g.resource);
}

TEST(LcdText, TooltipShowsTheFullValue) {
  EXPECT_EQ(lcd_tooltip("1234567890123456", true), "1,234,567,890,123,456");
  EXPECT_EQ(lcd_tooltip("1234567.891", true), "1,234,567.891");
  EXPECT_EQ(lcd_tooltip("......", true), "0");
  EXPECT_EQ(lcd_tooltip("FF", false), "FF");
}

}  // namespace
}  // namespace orvanta
