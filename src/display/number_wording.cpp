#include "display/number_wording.h"

#include <cmath>

#include "numeric/number_text.h"

namespace orvanta {
namespace {

constexpr std::string_view kDigits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
constexpr std::string_view kPositionUnits[] = {"", "拾", "佰", "仟"};
constexpr std::string_view kYuan = "圆";
constexpr std::string_view kWan = "万";
constexpr std::string_view kYi = "亿";

// Groups of four digits from the right: 圆, 万, 亿, 万(亿), 亿, and on alternating beyond.
std::string_view group_unit(size_t group) {
  if (group == 0) return kYuan;
  return group % 2 == 1 ? kWan : kYi;
}

int digit_value(char c) {
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

// The amount rounded to fen, split into integer digits and the two decimals.
struct Amount {
  std::string integer = "0";
  int jiao = 0;
  int fen = 0;
  bool is_zero() const { return integer == "0" && jiao == 0 && fen == 0; }
};

Amount read_amount(std::string_view number_text) {
  Amount amount;
  Extended value = 0;
  if (!try_parse_number(number_text, value) || !std::isfinite(value) || value == 0) {
    return amount;
  }
  const std::string text = money_text(std::fabs(value));
  const size_t point = text.find('.');
  if (point > 0) amount.integer = text.substr(0, point);  // otherwise stays "0"
  if (point != std::string::npos && point + 1 < text.size()) {
    amount.jiao = digit_value(text[point + 1]);
    if (point + 2 < text.size()) amount.fen = digit_value(text[point + 2]);
  }
  return amount;
}

// The integer part in capitals, ending in 圆; empty when it is 0.
std::string integer_words(const std::string& digits) {
  if (digits == "0") return {};
  std::string words;
  int previous = 0;
  for (size_t i = 0; i < digits.size(); ++i) {
    const int digit = digit_value(digits[digits.size() - 1 - i]);
    const size_t position = i % 4;
    const size_t group = i / 4;
    if (position != 0) {
      if (digit > 0) {
        words.insert(0, std::string(kDigits[digit]) + std::string(kPositionUnits[position]));
      } else if (previous > 0) {
        words.insert(0, kDigits[0]);
      }
    } else {
      std::string piece = digit > 0 ? std::string(kDigits[digit]) : std::string();
      piece += group_unit(group);
      // A 亿 group after an all-zero 万 group: 壹亿圆, not 壹亿万圆.
      if (group_unit(group) == kYi && words.starts_with(kWan)) words.erase(0, kWan.size());
      words.insert(0, piece);
    }
    previous = digit;
  }
  return words;
}

}  // namespace

std::string RmbUpper(std::string_view number_text) {
  const Amount amount = read_amount(number_text);
  if (amount.is_zero()) return "人民币零圆整";
  std::string text = "人民币" + integer_words(amount.integer);
  if (amount.jiao == 0 && amount.fen == 0) return text + "整";
  if (amount.jiao > 0) {
    text += std::string(kDigits[amount.jiao]) + "角";
  } else if (amount.integer != "0") {
    text += kDigits[0];
  }
  if (amount.fen > 0) text += std::string(kDigits[amount.fen]) + "分";
  return text;
}

std::string CnUpper(std::string_view number_text) {
  const Amount amount = read_amount(number_text);
  if (amount.is_zero()) return std::string(kDigits[0]);
  std::string text = integer_words(amount.integer);
  if (text.ends_with(kYuan)) text.erase(text.size() - kYuan.size());
  if (amount.jiao == 0 && amount.fen == 0) return text;
  text += "点";
  text += kDigits[amount.jiao];
  if (amount.fen > 0) text += kDigits[amount.fen];
  return text;
}

std::string money_figures(std::string_view number_text) {
  Extended value = 0;
  if (!try_parse_number(number_text, value) || !std::isfinite(value)) value = 0;
  return "￥" + money_text(value);
}

}  // namespace orvanta
