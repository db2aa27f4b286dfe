#pragma once
// Numbers written out for cheques, invoices and other programs: Chinese capital numerals and
// the two money (RMB) forms. Any text is accepted; one that is no number counts as 0.
#include <string>
#include <string_view>

namespace orvanta {

// Money in capitals, rounded to fen: "1435.75" -> "人民币壹仟肆佰叁拾伍圆柒角伍分". Ignores the
// sign.
std::string RmbUpper(std::string_view number_text);
// Plain capitals, to two decimals read digit by digit: "1435.75" -> "壹仟肆佰叁拾伍点柒伍",
// "1.05" -> "壹点零伍". Ignores the sign.
std::string CnUpper(std::string_view number_text);
// "￥" and the value with exactly two decimals, sign kept: "-2.5" -> "￥-2.50".
std::string money_figures(std::string_view number_text);

}  // namespace orvanta
