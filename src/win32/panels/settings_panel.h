#pragma once
// Panel1, "参数设置": the settings panel shown in place over the calculator face. Every control
// reports its change to the host at once; the host stores the setting and carries out its effect.
#include <functional>
#include <string>

#include "win32/panels/panel.h"

namespace orvanta::win32 {

// What each control of the panel edits (its settings key in brackets).
enum class PanelSetting {
  Precision,          // decimal-places field [Device_point]
  Thousands,          // "显示千位分隔符" [Device_1000]
  StayOnTop,          // "窗口总在最前面" [Device_Windows_Top]
  OutputFormula,      // "连同公式一起输出" [Device_input_bds]
  OutputSpace,        // "输出时末尾加空格" [Device_input_space]
  OutputEnter,        // "输出后自动换行" [Device_input_enter]
  OutputClipboard,    // "复制到系统剪贴板" [Device_input_clip]
  Capture,            // the four capture radio buttons [Device_capture]
  OutputType,         // "按字符方式输出" / "整体输出" [Device_output_type]
  ResultToClipboard,  // "计算结果存入剪贴板" [Device_input_autoclip]
  ScienceMode,        // "科学计算模式" [Device_Science_calc]
  ClosePrompt,        // "关闭提示" [Device_ESC_exit]
  FormulaBarShown,    // "显示输入公式条" [Device_input_show]
  IgnoreTopmost,      // "搜索下层窗口时忽略置顶窗口" [Device_find_windows]
  WelcomeText,        // the welcome-line field [Welcome/Text]
};

// The operator put between loose numbers of a grabbed text; the stored digits "1" to "4".
enum class CaptureMode { Sum = 1, Difference = 2, Product = 3, Quotient = 4 };
// How output reaches the window below; the stored digits "1" and "2".
enum class OutputType { ByCharacter = 1, Whole = 2 };

// The state of every control. Default-constructed it is the panel's initial state (which is not
// always the settings file's default: "搜索下层窗口时忽略置顶窗口" starts unticked).
struct SettingsValues {
  std::string precision = "-1";  // the field's text, UTF-8, as typed
  bool thousands = false;
  bool stay_on_top = true;
  bool output_formula = false;
  bool output_space = false;
  bool output_enter = false;
  bool output_clipboard = false;
  CaptureMode capture = CaptureMode::Sum;
  OutputType output_type = OutputType::ByCharacter;
  bool result_to_clipboard = false;
  bool science_mode = false;
  bool close_prompt = true;
  bool formula_bar_shown = true;
  bool ignore_topmost = false;
  std::string welcome_text;  // UTF-8

  bool operator==(const SettingsValues&) const = default;
};

// A control changed; `now` holds every control's state after the change. Precision reports
// every change of the field's text (including an empty field); WelcomeText reports only
// changes that leave the field non-empty.
using SettingChanged = std::function<void(PanelSetting id, const SettingsValues& now)>;

class SettingsPanel : public Panel {
 public:
  static constexpr int kLeft = 64;
  static constexpr int kTop = 64;
  static constexpr int kWidth = 337;
  static constexpr int kHeight = 377;
  static constexpr COLORREF kColour = RGB(192, 220, 192);
  static constexpr int kPrecisionMin = -1;
  static constexpr int kPrecisionMax = 15;

  SettingsPanel(PanelHost& host, SettingChanged on_change);

  // Creates the panel, hidden and in its initial state, as a child of `parent`.
  bool create(HWND parent);

  // Sets every control. With report_changes, each control whose state changes reports it as
  // a user's change would (setting_changed), which is what start-up needs: the controls are
  // still in their initial state, so exactly the stored values that differ from it are reported
  // and written back. An empty precision text is put in the field and then replaced by "-1",
  // each reported. The spin control takes the applied precision as its position.
  void apply(const SettingsValues& values, bool report_changes = true);
  SettingsValues values() const;

  // The spin control's position (it keeps its own; see on_spin).
  int spin_position() const;

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_hide() override;
  void create_controls();
  void on_command(int id, int code);
  void on_spin(int position_before_step);
  void on_check(int id);
  void report(PanelSetting id);
  void set_check(int id, bool on);
  bool checked(int id) const;
  void set_text(int id, const std::string& utf8);
  HWND item(int id) const { return GetDlgItem(hwnd_, id); }

  SettingChanged on_change_;
  SettingsValues last_;  // what was last reported or applied: a change is a difference from it
  UniqueFont font_;
  UniqueWindow tooltip_;
  bool applying_ = false;  // programmatic changes are reported by apply, not by notifications
  bool dragging_ = false;
  POINT drag_origin_{};
};

}  // namespace orvanta::win32
