#pragma once
// Panel1, "参数设置": the settings panel shown in place over the calculator face. Every control
// edits one option (kPanelSettings) and reports its change at once; whoever created the panel
// stores the option and carries out its effect.
#include <functional>
#include <string>

#include "settings/option_values.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

// A control changed; `now` holds every control's state after the change. Precision reports
// every change of the field's text (including an empty field); WelcomeText reports only
// changes that leave the field non-empty.
using SettingChanged = std::function<void(SettingId id, const Options& now)>;

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

  // Creates the panel, hidden, as a child of `parent`, its controls showing `state` (as if it
  // had been applied without reporting).
  bool create(HWND parent, const Options& state = initial_options());

  // Sets every control. With report_changes, each control whose state changes reports it as
  // a user's change would (setting_changed), which is what start-up needs: the controls are
  // still in their initial state, so exactly the stored values that differ from it are reported
  // and written back. An empty precision text is put in the field and then replaced by "-1",
  // each reported. The spin control takes the applied precision as its position.
  void apply(const Options& values, bool report_changes = true);
  // The options as applied, with every control's present state.
  Options values() const;

  // The spin control's position (it keeps its own; see on_spin).
  int spin_position() const;

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_rescale() override;
  void on_hide() override;
  void create_controls(const Options& state);
  void on_command(int id, int code);
  void on_spin(int delta);
  void on_check(int id);
  void report(SettingId id);
  void set_check(int id, bool on);
  bool checked(int id) const;
  void set_text(int id, const std::string& utf8);
  HWND item(int id) const { return GetDlgItem(hwnd_, id); }

  SettingChanged on_change_;
  Options base_;           // the options last applied: what values() reports besides the controls
  Options last_;           // what was last reported or applied: a change is a difference from it
  UniqueWindow tooltip_;   // made when first needed
  bool applying_ = false;  // programmatic changes are reported by apply, not by notifications
  bool dragging_ = false;
  POINT drag_origin_{};
};

}  // namespace orvanta::win32
