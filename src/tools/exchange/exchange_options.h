#pragma once
// The options of the exchange with the window below the calculator, as the sender uses them,
// taken from the one Options struct.
#include "settings/options.h"

namespace orvanta {

// How the outgoing text reaches the window below.
enum class DeliveryMode {
  Characters,  // "按字符方式输出": character by character into the focused control
  Whole,       // "整体输出": through the clipboard and Ctrl+V
};

struct ExchangeOptions {
  bool with_formula = false;    // "连同公式一起输出" (Device_input_bds)
  bool trailing_space = false;  // "输出时末尾加空格" (Device_input_space)
  bool line_break = false;      // "输出后自动换行" (Device_input_enter)
  bool copy_sent = false;       // "复制到系统剪贴板" (Device_input_clip)
  bool skip_topmost = true;     // "搜索下层窗口时忽略置顶窗口" (Device_find_windows)
  // The sign put between loose numbers of a grabbed text (Device_capture "1" to "4").
  char capture_operator = '+';
  DeliveryMode mode = DeliveryMode::Characters;  // Device_output_type "1" or "2"
  // "数据自动输入其它窗口" (Device_AutoCopyTo): results are typed into the window below at all.
  bool automatic = false;

  bool operator==(const ExchangeOptions&) const = default;
};

// The exchange's view of the options.
ExchangeOptions exchange_options(const Options& options);

}  // namespace orvanta
