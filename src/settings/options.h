#pragma once
// Every option the settings file keeps, as one plain struct. The table in settings_table.h ties
// each member to its key; the start-up reader fills it, the settings panel edits it and
// store_option writes it, so the core, the window and the exchange read the same values.
#include <string>
#include <string_view>

namespace orvanta {

inline constexpr std::string_view kDefaultWelcomeText = "欢迎使用Orvanta 作者:Brenic";

// Default-constructed: the settings file's defaults.
struct Options {
  bool auto_output = false;          // "数据自动输入其它窗口"
  bool thousands = false;            // "显示千位分隔符"
  bool stay_on_top = true;           // "窗口总在最前面"
  bool output_formula = false;       // "连同公式一起输出"
  bool output_space = false;         // "输出时末尾加空格"
  bool output_enter = false;         // "输出后自动换行"
  bool output_clipboard = false;     // "复制到系统剪贴板"
  bool result_to_clipboard = false;  // "计算结果存入剪贴板"
  bool ignore_topmost = true;        // "搜索下层窗口时忽略置顶窗口"
  bool close_prompt = true;          // "关闭提示"
  bool formula_bar_shown = true;     // "显示输入公式条"
  bool science_mode = false;         // "科学计算模式"
  bool sound = true;                 // the voice key
  bool degrees = true;               // the angle key
  std::string tax_base = "5000";     // the income-tax panel's base
  std::string tax_deductions;        // the income-tax panel's deductible items
  int tax_table = 2;                 // the income-tax panel's table: 1 of 2011, 2 of 2019,
                                     // 3 cumulative withholding
  int capture = 1;               // the operator between loose grabbed numbers: 1 to 4 are + - * /
  int output_type = 1;           // 1 character by character, 2 whole
  int skin_shift = 0;            // the face's hue shift, -180 to 180
  std::string precision = "-1";  // the decimal-places field as typed, "-1" free
  std::string welcome_text = std::string(kDefaultWelcomeText);

  bool operator==(const Options&) const = default;
};

}  // namespace orvanta
