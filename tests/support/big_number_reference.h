#pragma once
// An independent reference for the big-number operations: decimal schoolbook on digit texts,
// written from the rules and not from the code it checks. For the unit tests and the fuzz
// target.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::big_reference {

inline std::string strip_leading(const std::string& s) {
  const std::size_t first = s.find_first_not_of('0');
  return first == std::string::npos ? "" : s.substr(first);
}

inline std::string_view significant(std::string_view s) {
  const std::size_t first = s.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

inline int ref_compare(std::string_view a, std::string_view b) {
  const std::string_view x = significant(a);
  const std::string_view y = significant(b);
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  const int order = x.compare(y);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

inline std::string ref_add(const std::string& a, const std::string& b) {
  std::string sum;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
    const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    sum.push_back(static_cast<char>('0' + (x + y + carry) % 10));
    carry = (x + y + carry) / 10;
  }
  std::reverse(sum.begin(), sum.end());
  return strip_leading(sum);
}

// a -= b for a >= b, in place.
inline void ref_subtract_from(std::string& a, std::string_view b) {
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char& digit = a[a.size() - 1 - i];
    int d = (digit - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    borrow = d < 0 ? 1 : 0;
    digit = static_cast<char>('0' + d + 10 * borrow);
  }
}

inline std::string ref_sub(std::string a, std::string_view b) {
  ref_subtract_from(a, b);
  return strip_leading(a);
}

inline std::string ref_mul(const std::string& a, const std::string& b) {
  std::vector<int> columns(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) columns[i + j + 1] += (a[i] - '0') * (b[j] - '0');
  }
  for (std::size_t k = columns.size(); k-- > 1;) {
    columns[k - 1] += columns[k] / 10;
    columns[k] %= 10;
  }
  std::string product;
  for (const int c : columns) product.push_back(static_cast<char>('0' + c));
  return strip_leading(product);
}

// digits * 10^-frac written canonically.
inline std::string ref_text(std::string digits, long frac) {
  while (frac > 0 && !digits.empty() && digits.back() == '0') {
    digits.pop_back();
    --frac;
  }
  digits = strip_leading(digits);
  if (digits.empty()) return "0";
  if (frac <= 0) return digits + std::string(static_cast<std::size_t>(-frac), '0');
  if (static_cast<std::size_t>(frac) >= digits.size()) {
    return "0." + std::string(static_cast<std::size_t>(frac) - digits.size(), '0') + digits;
  }
  return digits.substr(0, digits.size() - static_cast<std::size_t>(frac)) + "." +
         digits.substr(digits.size() - static_cast<std::size_t>(frac));
}

// Long division exactly as the panel describes it: partial remainders, one digit brought down
// per quotient digit, trial subtraction, and the point's bookkeeping.
inline std::string ref_div(const std::string& a, const std::string& b, int p) {
  auto split = [](const std::string& text, std::string& digits, long& e) {
    const std::size_t point = text.find('.');
    digits = text;
    e = 0;
    if (point != std::string::npos) {
      digits.erase(point, 1);
      e = static_cast<long>(text.size() - point - 1);
    }
    digits = strip_leading(digits);
    while (!digits.empty() && digits.back() == '0') {
      digits.pop_back();
      --e;
    }
  };
  std::string A, B;
  long ea = 0, eb = 0;
  split(a, A, ea);
  split(b, B, eb);
  if (A.empty() || B.empty() || p <= 0) return "0";
  long e = ea - eb;
  const std::size_t shared = std::min(A.size(), B.size());
  const std::size_t first = B.size() + (A.substr(0, shared) < B.substr(0, shared) ? 1 : 0);
  std::string rest;
  std::size_t pos = 0;
  auto bring_down = [&] {
    ++pos;
    if (pos <= A.size()) {
      rest.push_back(A[pos - 1]);
    } else {
      rest.push_back('0');
      ++e;
    }
  };
  for (std::size_t i = 0; i < first; ++i) bring_down();
  std::string quotient;
  while (quotient.size() < static_cast<std::size_t>(p)) {
    int q = 0;
    while (ref_compare(rest, B) >= 0) {
      ref_subtract_from(rest, B);
      ++q;
    }
    quotient.push_back(static_cast<char>('0' + q));
    rest = strip_leading(rest);
    if (rest.empty() && pos > A.size()) {
      ++e;
      break;
    }
    bring_down();
  }
  if (pos > A.size()) {
    --e;
  } else {
    e += static_cast<long>(pos) - static_cast<long>(A.size()) - 1;
  }
  return ref_text(quotient, e);
}

}  // namespace orvanta::big_reference
