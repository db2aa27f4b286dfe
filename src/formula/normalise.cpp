#include "formula/normalise.h"

#include <algorithm>

#include "formula/evaluator.h"

namespace orvanta {
namespace {

struct Replacement {
  std::string_view from;
  std::string_view to;
};

// Full-width and Chinese forms of the formula characters, in the order they are applied.
constexpr Replacement kTable[] = {
    {"（", "("}, {"）", ")"}, {"〔", "("}, {"〕", ")"}, {"×", "*"},  {"÷", "/"},
    {"＋", "+"}, {"－", "-"}, {"／", "/"}, {"·", "."},  {" ", ""},   {"　", ""},
    {"０", "0"}, {"１", "1"}, {"２", "2"}, {"３", "3"}, {"４", "4"}, {"５", "5"},
    {"６", "6"}, {"７", "7"}, {"８", "8"}, {"９", "9"},
};

void replace_all(std::string& s, std::string_view from, std::string_view to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
    s.replace(at, from.size(), to);
  }
}

bool is_number_char(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

}  // namespace

std::optional<std::string> gs_normalise(std::string_view text, FormulaHost& host) {
  std::string s(text);
  for (const Replacement& row : kTable) replace_all(s, row.from, row.to);
  // Whatever is left outside ASCII (annotations, other symbols) goes, byte by byte.
  std::erase_if(s, [](char c) { return c == ' ' || static_cast<unsigned char>(c) >= 0x80; });

  // Empty pairs, usually what is left of an annotation; the same place is examined again.
  for (size_t i = 0; i + 1 < s.size();) {
    if (s[i] == '(' && s[i + 1] == ')') {
      s.erase(i, 2);
    } else {
      ++i;
    }
  }

  // Implicit multiplication: 2(3) and (2)3.
  for (size_t i = 0; i + 1 < s.size(); ++i) {
    if ((is_number_char(s[i]) && s[i + 1] == '(') || (s[i] == ')' && is_number_char(s[i + 1]))) {
      s.insert(i + 1, 1, '*');
    }
  }

  if (std::count(s.begin(), s.end(), '(') != std::count(s.begin(), s.end(), ')')) {
    show_formula_error(host, kBracketMessage);
    return std::nullopt;
  }
  return s;
}

}  // namespace orvanta
