// The big-number operations on any two texts "a b [p]": every result is canonical, (a+b)-b
// gives a back, a product or quotient of short operands agrees with the schoolbook reference
// (the quotient with its long division, whose leading 0 digit counts towards p, so 0.1 / 1.01E-22
// to one digit is 0), and a quotient has at most p digits and never exceeds a: q*b <= a.
#include <algorithm>
#include <charconv>

#include "formula/big_number.h"
#include "fuzz/fuzz_support.h"
#include "support/big_number_reference.h"

namespace {

using namespace orvanta;
using namespace orvanta::My_Calcs;

bool is_canonical(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty()) return false;
  if (text == "0") return true;
  const std::size_t point = text.find('.');
  const std::string_view integer = text.substr(0, point);
  if (integer.empty() || integer.find_first_not_of("0123456789") != std::string_view::npos) {
    return false;
  }
  if (integer.size() > 1 && integer.front() == '0') return false;
  if (point == std::string_view::npos) return integer != "0";
  const std::string_view fraction = text.substr(point + 1);
  return !fraction.empty() && fraction.back() != '0' &&
         fraction.find_first_not_of("0123456789") == std::string_view::npos;
}

void check_canonical(const std::string& result, std::string_view operation) {
  fuzz::check(is_canonical(result), "a result that is not canonical",
              std::string(operation) + " gave " + result);
}

// The product of two canonical numbers by the schoolbook reference.
std::string schoolbook_product(std::string_view a, std::string_view b) {
  auto split = [](std::string_view x, std::string& digits) {
    const std::size_t point = x.find('.');
    digits = std::string(x.substr(0, point));
    if (point == std::string_view::npos) return 0L;
    digits += x.substr(point + 1);
    return static_cast<long>(x.size() - point - 1);
  };
  std::string da;
  std::string db;
  const long frac = split(a, da) + split(b, db);
  return big_reference::ref_text(big_reference::ref_mul(da, db), frac);
}

bool less(std::string_view x, std::string_view y) {
  return BigSub(x, y).starts_with('-');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::string_view a = input.text_until(' ');
  const std::string_view b = input.text_until(' ');
  const std::string_view precision_text = input.rest();
  std::int64_t p = 10;
  std::from_chars(precision_text.data(), precision_text.data() + precision_text.size(), p);
  p = std::clamp<std::int64_t>(p, -5, 1000);
  const std::string case_text = std::string(a) + " | " + std::string(b) + " | " + std::to_string(p);

  const std::string na = BigNormalize(a);
  const std::string nb = BigNormalize(b);
  check_canonical(na, "BigNormalize " + case_text);
  check_canonical(nb, "BigNormalize " + case_text);
  fuzz::check(BigNormalize(na) == na, "BigNormalize is not idempotent", case_text);

  const std::string sum = BigAdd(a, b);
  check_canonical(sum, "BigAdd " + case_text);
  const std::string back = BigSub(sum, b);
  check_canonical(back, "BigSub " + case_text);
  fuzz::check(back == na, "(a+b)-b is not a", case_text + " gave " + back);
  const std::string difference = BigSub(a, b);
  check_canonical(difference, "BigSub " + case_text);
  // a-b = d means b+d = a; a negative d means a+|d| = b.
  const bool negative = difference.starts_with('-');
  fuzz::check(negative ? BigAdd(na, difference.substr(1)) == nb : BigAdd(nb, difference) == na,
              "a-b does not add back", case_text + " gave " + difference);

  const std::string product = BigMul(a, b);
  check_canonical(product, "BigMul " + case_text);
  fuzz::check(BigDigits(product).size() <= BigDigits(na).size() + BigDigits(nb).size(),
              "a product longer than its operands", case_text);
  if (na.size() <= 300 && nb.size() <= 300) {
    const std::string expected = schoolbook_product(na, nb);
    fuzz::check(product == expected, "BigMul differs from schoolbook",
                case_text + " gave " + product + ", schoolbook " + expected);
  }

  const std::string quotient = BigDiv(a, b, p);
  check_canonical(quotient, "BigDiv " + case_text);
  if (na == "0" || nb == "0" || p <= 0) {
    fuzz::check(quotient == "0", "a quotient that should be 0", case_text + " gave " + quotient);
  } else {
    fuzz::check(static_cast<std::int64_t>(BigDigits(quotient).size()) <= p,
                "more quotient digits than the precision", case_text + " gave " + quotient);
    fuzz::check(!less(na, BigMul(quotient, nb)), "a quotient too large (q*b > a)",
                case_text + " gave " + quotient);
    if (na.size() <= 300 && nb.size() <= 300 && p <= 300) {
      const std::string expected = big_reference::ref_div(na, nb, static_cast<int>(p));
      fuzz::check(quotient == expected, "BigDiv differs from long division",
                  case_text + " gave " + quotient + ", long division " + expected);
    }
  }
  return 0;
}
