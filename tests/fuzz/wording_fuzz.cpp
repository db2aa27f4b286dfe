// The wordings of any text: RmbUpper, CnUpper and money_figures never fail, and the first two
// read back (by the reader below, written independently of the writer) as the amount the text
// stands for, rounded to fen: money_text of its magnitude, 0 for a text that is no number.
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "display/number_wording.h"
#include "fuzz/fuzz_support.h"
#include "numeric/number_text.h"

namespace {

using namespace orvanta;

constexpr std::string_view kCapitals[] = {"零", "壹", "贰", "叁", "肆",
                                          "伍", "陆", "柒", "捌", "玖"};

std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> out;
  while (!text.empty()) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    out.push_back(text.substr(0, n));
    text.remove_prefix(std::min(n, text.size()));
  }
  return out;
}

int capital(std::string_view ch) {
  for (int d = 0; d < 10; ++d) {
    if (kCapitals[d] == ch) return d;
  }
  return -1;
}

// The integer words (everything before 圆, or before 点 in the plain form) as decimal digits.
// Groups of four digits end in 圆 (the last group), 万 or 亿, alternating from the right; a 万
// group that is all zeros loses its 万 before a 亿. "0" for no words.
std::optional<std::string> read_integer(const std::vector<std::string_view>& words,
                                        bool ends_in_yuan) {
  std::vector<std::string_view> units;  // the group units from the left
  std::vector<std::map<int, int>> groups(1);
  int pending = -1;
  for (const std::string_view ch : words) {
    const int d = capital(ch);
    if (d > 0) {
      if (pending >= 0) return std::nullopt;
      pending = d;
    } else if (d == 0) {
      if (pending >= 0) return std::nullopt;
    } else if (ch == "拾" || ch == "佰" || ch == "仟") {
      if (pending < 0) return std::nullopt;
      groups.back()[ch == "拾" ? 1 : ch == "佰" ? 2 : 3] = pending;
      pending = -1;
    } else if (ch == "万" || ch == "亿" || ch == "圆") {
      if (pending >= 0) groups.back()[0] = pending;
      pending = -1;
      units.push_back(ch);
      groups.emplace_back();
    } else {
      return std::nullopt;
    }
  }
  if (!ends_in_yuan) {
    // The plain form drops the 圆: the digits after the last unit are the ones group.
    if (pending >= 0) groups.back()[0] = pending;
    if (!groups.back().empty() || units.empty() || units.back() != "圆") {
      units.push_back("圆");
      groups.emplace_back();
    }
  } else if (pending >= 0 || !groups.back().empty()) {
    return std::nullopt;
  }
  groups.pop_back();
  if (units.empty()) return "0";
  // Group numbers from the right: 圆 0, then 万 at odd and 亿 at even numbers.
  std::map<int, int> digits;  // power of ten -> digit
  int group = -1;
  for (std::size_t i = units.size(); i-- > 0;) {
    ++group;
    if (group == 0 && units[i] != "圆") return std::nullopt;
    if (group > 0 && units[i] == "圆") return std::nullopt;
    if (units[i] == "亿" && group % 2 == 1) ++group;
    if (units[i] == "万" && group % 2 == 0) return std::nullopt;
    for (const auto& [position, digit] : groups[i]) digits[4 * group + position] = digit;
  }
  if (digits.empty()) return "0";
  std::string text;
  for (int power = digits.rbegin()->first; power >= 0; --power) {
    text += static_cast<char>('0' + (digits.count(power) ? digits[power] : 0));
  }
  return text;
}

std::string amount_of(std::string_view input) {
  Extended value = 0;
  if (!try_parse_number(input, value) || !std::isfinite(value)) value = 0;
  return money_text(std::fabs(value));
}

// 人民币 W 整, 人民币 W [零|d角] [d分].
std::optional<std::string> read_rmb(std::string_view text) {
  if (!text.starts_with("人民币")) return std::nullopt;
  if (text == "人民币零圆整") return "0.00";
  std::vector<std::string_view> chars = characters(text.substr(std::string_view("人民币").size()));
  int jiao = 0;
  int fen = 0;
  if (!chars.empty() && chars.back() == "整") {
    chars.pop_back();
  } else {
    if (chars.size() >= 2 && chars.back() == "分") {
      fen = capital(chars[chars.size() - 2]);
      chars.resize(chars.size() - 2);
    }
    if (chars.size() >= 2 && chars.back() == "角") {
      jiao = capital(chars[chars.size() - 2]);
      chars.resize(chars.size() - 2);
    } else if (!chars.empty() && chars.back() == "零") {
      chars.pop_back();
    }
    if (jiao <= 0 && fen <= 0) return std::nullopt;
  }
  const bool has_yuan = !chars.empty();
  const std::optional<std::string> integer = read_integer(chars, has_yuan);
  if (!integer) return std::nullopt;
  return *integer + "." + std::to_string(std::max(jiao, 0)) + std::to_string(std::max(fen, 0));
}

// W [点 d [d]] with W's 圆 dropped; "零" alone is zero.
std::optional<std::string> read_plain(std::string_view text) {
  if (text == "零") return "0.00";
  std::vector<std::string_view> chars = characters(text);
  std::string decimals = "00";
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] != "点") continue;
    if (chars.size() - i - 1 < 1 || chars.size() - i - 1 > 2) return std::nullopt;
    for (std::size_t k = i + 1; k < chars.size(); ++k) {
      const int d = capital(chars[k]);
      if (d < 0) return std::nullopt;
      decimals[k - i - 1] = static_cast<char>('0' + d);
    }
    chars.resize(i);
    break;
  }
  const std::optional<std::string> integer = read_integer(chars, false);
  if (!integer) return std::nullopt;
  return *integer + "." + decimals;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string amount = amount_of(input);

  const std::string rmb = RmbUpper(input);
  fuzz::check(read_rmb(rmb) == amount, "RmbUpper does not read back as the amount",
              std::string(input) + " -> " + rmb + " (" + amount + ")");
  const std::string plain = CnUpper(input);
  fuzz::check(read_plain(plain) == amount, "CnUpper does not read back as the amount",
              std::string(input) + " -> " + plain + " (" + amount + ")");

  Extended value = 0;
  if (!try_parse_number(input, value) || !std::isfinite(value)) value = 0;
  fuzz::check(money_figures(input) == "￥" + money_text(value),
              "money_figures is not the amount in figures", input);
  return 0;
}
