#pragma once
// The form in which results leave the calculator for other windows and the clipboard.
#include <string>
#include <string_view>

namespace orvanta {

enum class OutputForm {
  Figures,          // "阿拉伯数字形式": as the LCD shows it
  ChineseCapitals,  // "中文大写形式"
  MoneyCapitals,    // "人民币中文大写形式"
  MoneyFigures,     // "人民币阿拉伯数字形式"
};

// The outgoing text for a result: `shown_text` is the result as the display shows it
// (thousands separators included), `value_text` the number text it was drawn from.
std::string output_text(OutputForm form, std::string_view value_text, std::string_view shown_text);

}  // namespace orvanta
