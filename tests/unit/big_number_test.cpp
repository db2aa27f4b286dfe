#include "formula/big_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "formula/big_natural.h"
#include "formula/limb_algorithms.h"
#include "support/big_number_reference.h"

namespace orvanta {
namespace {

using namespace My_Calcs;

struct BinaryCase {
  const char* a;
  const char* b;
  const char* expected;
};

TEST(BigNumber, AddsDecimalTexts) {
  const BinaryCase cases[] = {
      {"99999999999999999999", "1", "100000000000000000000"},
      {"0.1", "0.25", "0.35"},
      {"1.50", "1.50", "3"},
      {"", "", "0"},
      {"007", "", "7"},
      {".5", "0.5", "1"},
      {"123456789123456789.000000001", "876543210876543210.999999999", "1000000000000000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(BigAdd(c.a, c.b), c.expected) << c.a << " + " << c.b;
}

TEST(BigNumber, SubtractsWithSignWhenSecondIsLarger) {
  const BinaryCase cases[] = {
      {"3", "5", "-2"},
      {"5", "5", "0"},
      {"0.5", "0.25", "0.25"},
      {"0", "7", "-7"},
      {"1.5", "1.75", "-0.25"},
      {"", "", "0"},
      {"1000000000", "1", "999999999"},
      {"1", "1000000000000000000000.5", "-999999999999999999999.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(BigSub(c.a, c.b), c.expected) << c.a << " - " << c.b;
}

TEST(BigNumber, NegatedResultsCarryTheirSignButZeroNone) {
  // Sums with a trailing zero, a point, a leading "0." and nine digits in one limb (no spare
  // leading zero for the sign); products and quotients likewise.
  const BinaryCase sums[] = {{"5", "3", "-8"},
                             {"1.5", "1", "-2.5"},
                             {"0.1", "0.15", "-0.25"},
                             {"600", "600", "-1200"},
                             {"999999999", "0", "-999999999"},
                             {"0", "", "0"}};
  for (const auto& c : sums) EXPECT_EQ(BigAdd(c.a, c.b, true), c.expected) << c.a << " + " << c.b;
  const BinaryCase products[] = {
      {"5", "3", "-15"}, {"0.1", "0.1", "-0.01"}, {"25", "40", "-1000"}, {"5", "0", "0"}};
  for (const auto& c : products) {
    EXPECT_EQ(BigMul(c.a, c.b, true), c.expected) << c.a << " * " << c.b;
  }
  EXPECT_EQ(BigDiv("1", "3", 10, true), "-0.3333333333");
  EXPECT_EQ(BigDiv("100", "4", 10, true), "-25");
  EXPECT_EQ(BigDiv("5", "0", 10, true), "0");
  EXPECT_EQ(BigAdd("5", "3", false), "8");
}

TEST(BigNumber, Multiplies) {
  const BinaryCase cases[] = {
      {"0.1", "0.1", "0.01"},
      {"25", "4", "100"},
      {"123456789", "987654321", "121932631112635269"},
      {"1.25", "0.8", "1"},
      {"", "", "0"},
      {"0.000", "12", "0"},
      {"999999999999999999", "999999999999999999", "999999999999999998000000000000000001"},
  };
  for (const auto& c : cases) EXPECT_EQ(BigMul(c.a, c.b), c.expected) << c.a << " * " << c.b;
}

struct DivisionCase {
  const char* a;
  const char* b;
  std::int64_t p;
  const char* expected;
};

TEST(BigNumber, DividesToPQuotientDigitsFromTheFirstPartialRemainder) {
  const DivisionCase cases[] = {
      {"1", "3", 10, "0.3333333333"},
      {"100", "3", 10, "33.33333333"},
      {"12", "123", 10, "0.0975609756"},  // the first quotient digit is a 0 and counts
      {"10", "4", 10, "2.5"},             // exact: stops early
      {"10", "4", 1, "2"},                // cut off, not rounded
      {"2", "3", 5, "0.66666"},
      {"4", "2", 10, "2"},
      {"1", "300", 3, "0.00333"},
      {"123", "12", 1, "10"},  // digits beyond p are cut in the integer part too
      {"1000", "0.001", 3, "1000000"},
      {"0.001", "0.3", 4, "0.003333"},
      {"22", "7", 20, "3.1428571428571428571"},
      {"1", "1024", 20, "0.0009765625"},
      {"1.5", "0.5", 10, "3"},
      {"5", "0", 10, "0"},
      {"0", "5", 10, "0"},
      {"", "", 10, "0"},
      {"7", "3", 0, "0"},
      {"7", "3", -4, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BigDiv(c.a, c.b, c.p), c.expected) << c.a << " / " << c.b << " p=" << c.p;
  }
}

TEST(BigNumber, DivisionResultIsCanonicalWhenTheFirstQuotientDigitIsZero) {
  // Long division writes these as "09.756" and "" (a lone zero digit stripped as trailing).
  EXPECT_EQ(BigDiv("1200", "123", 5), "9.756");
  EXPECT_EQ(BigDiv("12", "123", 1), "0");
}

TEST(BigNumber, NonDigitsCountAsZero) {
  EXPECT_EQ(BigNormalize("-5"), "5");
  EXPECT_EQ(BigNormalize("1,000"), "10000");
  EXPECT_EQ(BigNormalize("1.2.3"), "1.203");  // only the first point is the point
  EXPECT_EQ(BigNormalize("1\xE4\xBA\x8C"
                         "3"),
            "103");  // 二 is one character, one 0
  EXPECT_EQ(BigAdd("-5", "1"), "6");
  EXPECT_EQ(BigDiv("1,000", "3", 4), "3333");
  EXPECT_EQ(BigMul("x", "5"), "0");
}

TEST(BigNumber, NormalizesToCanonicalForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"007.500", "7.5"}, {"", "0"},   {".5", "0.5"},    {"abc", "0"},
      {"000", "0"},       {"5.", "5"}, {"1200", "1200"}, {"0.000100", "0.0001"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(BigNormalize(text), expected) << text;
}

TEST(BigNumber, HelperOperations) {
  EXPECT_EQ(BigMulDigit("0012", 3), "0036");
  EXPECT_EQ(BigMulDigit("999", 9), "8991");
  EXPECT_EQ(BigMulDigit("5", 0), "0");
  EXPECT_EQ(BigFracDigits("1200"), -2);
  EXPECT_EQ(BigFracDigits("0"), -1);
  EXPECT_EQ(BigFracDigits("0.25"), 2);
  EXPECT_EQ(BigFracDigits("3"), 0);
  EXPECT_EQ(BigDigits("0.0975"), "975");
  EXPECT_EQ(BigDigits("1200"), "12");
  EXPECT_EQ(BigDigits("0"), "");
  EXPECT_EQ(StrLeftOf("12.345", "."), "12");
  EXPECT_EQ(StrRightOf("12.345", "."), "345");
  EXPECT_EQ(StrLeftOf("12345", "."), "");
  EXPECT_EQ(StrRightOf("12345", "."), "");
  EXPECT_EQ(StrRightOf("a::b::c", "::"), "b::c");
}

using namespace big_reference;

std::string random_digits(std::mt19937& rng, std::size_t count) {
  // Runs of 0s and 9s stress carries, borrows and the quotient estimates.
  const int style = static_cast<int>(rng() % 4);
  std::string s(count, '0');
  for (char& c : s) {
    const int r = static_cast<int>(rng() % 10);
    c = static_cast<char>('0' + (style == 1 ? (r < 8 ? 9 : r) : style == 2 ? (r < 8 ? 0 : r) : r));
  }
  if (count > 0 && s[0] == '0' && rng() % 2) s[0] = '1';
  return s;
}

// A random number text with optional point; also returns its digits and fraction length.
std::string random_number(std::mt19937& rng, std::size_t count, std::string& digits, long& frac) {
  digits = random_digits(rng, count);
  frac = 0;
  if (count == 0 || rng() % 2) return digits;
  frac = static_cast<long>(rng() % (count + 1));
  std::string text = digits;
  text.insert(count - static_cast<std::size_t>(frac), ".");
  return text;
}

// Digit counts on both sides of a limb and of the product's algorithm threshold.
std::size_t random_size(std::mt19937& rng) {
  constexpr std::size_t kThreshold = bignum::kSchoolbookMultiplyLimit * bignum::kBaseDigits;
  const std::size_t sizes[] = {0, 1, 2, 8, 9, 10, 17, 19, 40, 300};
  if (rng() % 4 == 0) return kThreshold - 20 + rng() % 60;
  return sizes[rng() % std::size(sizes)] + rng() % 3;
}

TEST(BigNumberReference, AddSubMulAgreeWithSchoolbook) {
  std::mt19937 rng(20240601);
  for (int round = 0; round < 200; ++round) {
    std::string da, db;
    long fa = 0, fb = 0;
    const std::string a = random_number(rng, random_size(rng), da, fa);
    const std::string b = random_number(rng, random_size(rng), db, fb);
    const long f = std::max(fa, fb);
    const std::string xa = da + std::string(static_cast<std::size_t>(f - fa), '0');
    const std::string xb = db + std::string(static_cast<std::size_t>(f - fb), '0');
    EXPECT_EQ(BigAdd(a, b), ref_text(ref_add(xa, xb), f)) << a << " + " << b;
    const bool negative = ref_compare(xa, xb) < 0;
    EXPECT_EQ(BigSub(a, b),
              (negative ? "-" : "") + ref_text(negative ? ref_sub(xb, xa) : ref_sub(xa, xb), f))
        << a << " - " << b;
    EXPECT_EQ(BigMul(a, b), ref_text(ref_mul(da, db), fa + fb)) << a << " * " << b;
  }
}

TEST(BigNumberReference, DivisionAgreesWithLiteralLongDivision) {
  std::mt19937 rng(7);
  for (int round = 0; round < 400; ++round) {
    std::string da, db;
    long fa = 0, fb = 0;
    // Every 100th round is long enough for either side of the Newton threshold.
    constexpr int kThreshold = static_cast<int>(bignum::kNewtonDivideLimit) * bignum::kBaseDigits;
    const bool large = round % 100 == 0;
    const int spread = large ? kThreshold - 40 + static_cast<int>(rng() % 80) : 0;
    const std::string a = random_number(rng, large ? spread + rng() % 100 : rng() % 30, da, fa);
    const std::string b = random_number(rng, large ? spread : rng() % 20, db, fb);
    const int p = large ? spread + static_cast<int>(rng() % 50) : static_cast<int>(rng() % 25);
    EXPECT_EQ(BigDiv(a, b, p), ref_div(a, b, p)) << a << " / " << b << " p=" << p;
  }
}

TEST(BigNumberReference, ProductDividedByFactorGivesTheOtherFactor) {
  std::mt19937 rng(99);
  for (const std::size_t digits : {5u, 500u, 3000u, 20000u}) {
    const std::string a = "7" + random_digits(rng, digits);
    const std::string b = "3" + random_digits(rng, digits / 2 + 1);
    const std::string product = BigMul(a, b);
    EXPECT_EQ(BigDiv(product, b, static_cast<std::int64_t>(a.size()) + 2), BigNormalize(a));
    EXPECT_EQ(BigSub(BigAdd(product, a), a), product);
  }
}

// ---- limb algorithms against each other ----------------------------------------------------

bignum::Limbs random_limbs(std::mt19937& rng, std::size_t count) {
  bignum::Limbs limbs(count);
  const int style = static_cast<int>(rng() % 3);
  for (auto& limb : limbs) {
    limb = style == 0 ? rng() % bignum::kBase : (style == 1 ? bignum::kBase - 1 : rng() % 2);
  }
  if (count > 0) limbs.back() = 1 + rng() % (bignum::kBase - 1);
  return limbs;
}

TEST(BigNatural, ProductAlgorithmsAgree) {
  std::mt19937 rng(3);
  for (const auto& [na, nb] : {std::pair<std::size_t, std::size_t>{1, 1},
                               {3, 70},
                               {47, 49},
                               {120, 130},
                               {700, 9},
                               {513, 1500}}) {
    const bignum::Limbs a = random_limbs(rng, na);
    const bignum::Limbs b = random_limbs(rng, nb);
    const bignum::Limbs expected = bignum::multiply_schoolbook(a, b);
    EXPECT_EQ(bignum::multiply_ntt(a, b), expected) << na << "x" << nb;
    EXPECT_EQ(bignum::multiply_ntt(a, b, false), expected) << na << "x" << nb;
    EXPECT_EQ(bignum::multiply_in_pieces(a, b, 64), expected) << na << "x" << nb;
  }
}

// The transform tables are the process's: threads share them while a longer product replaces
// them, and a product after they were dropped builds them again.
TEST(BigNatural, TransformTablesServeEveryThreadAndEveryStart) {
  std::mt19937 rng(7);
  const std::pair<std::size_t, std::size_t> sizes[] = {{300, 500}, {2000, 1500}, {40, 9000}};
  std::vector<std::pair<bignum::Limbs, bignum::Limbs>> operands;
  std::vector<bignum::Limbs> expected;
  for (const auto& [na, nb] : sizes) {
    operands.emplace_back(random_limbs(rng, na), random_limbs(rng, nb));
    expected.push_back(bignum::multiply_schoolbook(operands.back().first, operands.back().second));
  }
  bignum::drop_transform_tables();
  std::vector<bignum::Limbs> got(std::size(sizes));
  {
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
      threads.emplace_back([&, i] {
        for (int round = 0; round < 3; ++round) {
          got[i] = bignum::multiply_ntt(operands[i].first, operands[i].second);
        }
      });
    }
    for (std::thread& t : threads) t.join();
  }
  EXPECT_EQ(got, expected);
  bignum::drop_transform_tables();
  EXPECT_EQ(bignum::multiply_ntt(operands[0].first, operands[0].second), expected[0]);
}

// A transform longer than the kept tables shares their stages and adds its own for itself; the
// next product must still find the kept ones whole.
TEST(BigNatural, ProductsBeyondTheKeptTablesAgreeWithPieces) {
  std::mt19937 rng(11);
  const bignum::Limbs a = random_limbs(rng, 300000);
  const bignum::Limbs b = random_limbs(rng, 260000);
  const bignum::Limbs c = random_limbs(rng, 5000);
  bignum::drop_transform_tables();
  const bignum::Limbs small_first = bignum::multiply_ntt(c, c);
  EXPECT_EQ(bignum::multiply_ntt(a, b), bignum::multiply_in_pieces(a, b, std::size_t{1} << 18));
  EXPECT_EQ(bignum::multiply_ntt(c, c), small_first);
  EXPECT_EQ(small_first, bignum::multiply_schoolbook(c, c));
}

TEST(BigNatural, DivisionAlgorithmsAgree) {
  std::mt19937 rng(5);
  for (const auto& [na, nb] : {std::pair<std::size_t, std::size_t>{1, 1},
                               {5, 2},
                               {40, 3},
                               {200, 100},
                               {300, 33},
                               {300, 250},
                               {1200, 400}}) {
    for (int round = 0; round < 3; ++round) {
      const bignum::Limbs a = random_limbs(rng, na);
      const bignum::Limbs b = random_limbs(rng, nb);
      const bignum::Limbs q = bignum::divide_schoolbook(a, b);
      EXPECT_EQ(bignum::divide_newton(a, b), q) << na << "/" << nb;
      // floor: q * b <= a < (q + 1) * b
      const bignum::Limbs qb = bignum::multiply(q, b);
      ASSERT_LE(bignum::compare(qb, a), 0);
      EXPECT_LT(bignum::compare(bignum::subtract(a, qb), b), 0);
    }
  }
}

}  // namespace
}  // namespace orvanta
