#include "formula/normalise.h"

#include <algorithm>

#include "formula/evaluator.h"
#include "formula/formula_math.h"

namespace orvanta {
namespace {

struct Replacement {
  std::string_view from;
  std::string_view to;
};

// Full-width and Chinese forms of the formula characters, in the order they are applied.
constexpr Replacement kTable[] = {
    {"（", "("}, {"）", ")"}, {"〔", "("}, {"〕", ")"}, {"×", "*"},  {"÷", "/"},  {"＋", "+"},
    {"－", "-"}, {"／", "/"}, {"·", "."},  {" ", ""},   {"　", ""},  {"０", "0"}, {"１", "1"},
    {"２", "2"}, {"３", "3"}, {"４", "4"}, {"５", "5"}, {"６", "6"}, {"７", "7"}, {"８", "8"},
    {"９", "9"}, {"．", "."}, {"＊", "*"}, {"＾", "^"},
};

// Full-width Latin letters: U+FF21..FF3A (EF BC A1..BA) and U+FF41..FF5A (EF BD 81..9A).
// Returns the ASCII capital, or 0.
char full_width_letter(std::string_view s, size_t at) {
  if (at + 3 > s.size() || static_cast<unsigned char>(s[at]) != 0xEF) return 0;
  const auto lead = static_cast<unsigned char>(s[at + 1]);
  const auto last = static_cast<unsigned char>(s[at + 2]);
  if (lead == 0xBC && last >= 0xA1 && last <= 0xBA) return static_cast<char>('A' + last - 0xA1);
  if (lead == 0xBD && last >= 0x81 && last <= 0x9A) return static_cast<char>('A' + last - 0x81);
  return 0;
}

bool is_function_name(std::string_view name) {
  if (name == "SQRT") return true;
  for (const FunctionEntry& entry : kFunctionTable) {
    if (entry.name.substr(0, entry.name.size() - 1) == name) return true;
  }
  return false;
}

// A function name typed in full-width letters ("ＳＩＮ(") becomes ASCII. Other full-width
// letters are annotation text and go with it.
void ascii_function_names(std::string& s) {
  for (size_t at = 0; at < s.size();) {
    std::string name;
    size_t end = at;
    while (const char letter = full_width_letter(s, end)) {
      name += letter;
      end += 3;
    }
    if (!name.empty() && end < s.size() && s[end] == '(' && is_function_name(name)) {
      s.replace(at, end - at, name);
      at += name.size();
    } else {
      at = name.empty() ? at + 1 : end;
    }
  }
}

// The full-width comma between two formula characters (SQRT(8，3)) is the root's comma; one
// inside an annotation (（长，宽）) goes with the annotation.
void ascii_commas(std::string& s) {
  constexpr std::string_view kComma = "，";
  for (size_t at = s.find(kComma); at != std::string::npos; at = s.find(kComma, at + 1)) {
    const size_t after = at + kComma.size();
    const bool between_ascii = at > 0 && static_cast<unsigned char>(s[at - 1]) < 0x80 &&
                               after < s.size() && static_cast<unsigned char>(s[after]) < 0x80;
    if (between_ascii) s.replace(at, kComma.size(), ",");
  }
}

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
  ascii_function_names(s);
  ascii_commas(s);
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
