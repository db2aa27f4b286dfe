#include "numeric/base_conversion.h"

#include <gtest/gtest.h>

#include "numeric/calc_error.h"

namespace orvanta {
namespace {

struct ConversionCase {
  std::string (*convert)(std::string_view);
  const char* name;
  const char* input;
  const char* expected;
};

class BaseConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(BaseConversionTest, ConvertsText) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(c.convert(c.input), c.expected) << c.name << "(" << c.input << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Helpers, BaseConversionTest,
    ::testing::Values(
        ConversionCase{hex_to_dec, "hex_to_dec", "FF", "255"},
        ConversionCase{hex_to_dec, "hex_to_dec", "0.", "0."},
        ConversionCase{hex_to_dec, "hex_to_dec", "0", "0."},
        // Characters that are no hexadecimal digit count 0 in their place.
        ConversionCase{hex_to_dec, "hex_to_dec", "1G", "16"},
        ConversionCase{hex_to_dec, "hex_to_dec", "FFFFFFFFFFFFFF", "72057594037927935"},
        // All 64 bits exactly, also beyond 10^18.
        ConversionCase{hex_to_dec, "hex_to_dec", "FFFFFFFFFFFFFF00", "18446744073709551360"},
        ConversionCase{hex_to_dec, "hex_to_dec", "1111111111111101", "1229782938247303425"},
        ConversionCase{dec_to_hex, "dec_to_hex", "255", "FF"},
        ConversionCase{dec_to_hex, "dec_to_hex", "5.75", "5"},
        ConversionCase{dec_to_hex, "dec_to_hex", "-5", "5"},
        ConversionCase{dec_to_hex, "dec_to_hex", "0.5", "0"},
        ConversionCase{dec_to_hex, "dec_to_hex", "0", "0."},
        ConversionCase{dec_to_hex, "dec_to_hex", "4294967296", "100000000"},
        // Beyond 64 bits the low 64 bits stay.
        ConversionCase{dec_to_hex, "dec_to_hex", "18446744073709551618", "2"},
        // Between 2^63 and 2^64 a value keeps its 16 digits; a negative one its magnitude.
        ConversionCase{dec_to_hex, "dec_to_hex", "18446744073709551360", "FFFFFFFFFFFFFF00"},
        ConversionCase{dec_to_hex, "dec_to_hex", "-9223372036854775808", "8000000000000000"},
        ConversionCase{dec_to_bin, "dec_to_bin", "255", "11111111"},
        ConversionCase{dec_to_bin, "dec_to_bin", "-5", "101"},
        ConversionCase{dec_to_bin, "dec_to_bin", "4294967296", ""},
        ConversionCase{dec_to_bin, "dec_to_bin", "2147483648", ""},
        ConversionCase{dec_to_bin, "dec_to_bin", "0.", "0."},
        ConversionCase{dec_to_oct, "dec_to_oct", "255", "377"},
        ConversionCase{dec_to_oct, "dec_to_oct", "8.9", "10"},
        ConversionCase{bin_to_dec, "bin_to_dec", "11111111", "255"},
        ConversionCase{bin_to_dec, "bin_to_dec", "", "0"},
        ConversionCase{bin_to_dec, "bin_to_dec", "0", "0."},
        // Digits 2-9 still weigh by their place; the 32-bit sum wraps.
        ConversionCase{bin_to_dec, "bin_to_dec", "12", "4"},
        ConversionCase{bin_to_dec, "bin_to_dec", "10000000000000000000000000000000", "-2147483648"},
        ConversionCase{oct_to_dec, "oct_to_dec", "377", "255"},
        ConversionCase{oct_to_dec, "oct_to_dec", "77777777777777", "-1"}));

TEST(BaseConversion, OctalAndBinaryRefuseNonDigits) {
  EXPECT_THROW(bin_to_dec("1.1"), CalcError);
  EXPECT_THROW(oct_to_dec("-7"), CalcError);
}

TEST(BaseConversion, DecimalTextsPassThrough) {
  EXPECT_EQ(to_decimal("12.5", NumberBase::Dec), "12.5");
  EXPECT_EQ(from_decimal("12.5", NumberBase::Dec), "12.5");
  EXPECT_EQ(to_decimal("A", NumberBase::Hex), "10");
  EXPECT_EQ(from_decimal("10", NumberBase::Bin), "1010");
}

}  // namespace
}  // namespace orvanta
