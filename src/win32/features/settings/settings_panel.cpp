#include "win32/features/settings/settings_panel.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "platform/wide.h"
#include "settings/settings_table.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaSettingsPanel";
constexpr int kFontHeight = 12;

enum ControlId : int {
  kGroup = 100,  // group boxes and labels need no id of their own
  kPrecisionEdit = 200,
  kPrecisionSpin,
  kCaptureSum,
  kCaptureDifference,
  kCaptureProduct,
  kCaptureQuotient,
  kByCharacter,
  kWhole,
  kWelcomeEdit,
  kOk,
};

enum class Kind { Group, Label, Check, Radio, Edit, Button };

// A control of the panel; a check box carries the option it edits, and its id follows from it.
struct ControlSpec {
  Kind kind;
  int id;
  const wchar_t* text;
  RECT bounds;
  std::optional<SettingId> setting = std::nullopt;
};

constexpr int kFirstCheckId = 300;

constexpr ControlSpec check(SettingId setting, const wchar_t* text, RECT bounds) {
  return {Kind::Check, kFirstCheckId + static_cast<int>(setting), text, bounds, setting};
}

// Two columns inside full-width groups, rows 19 pixels apart.
constexpr int kLeftColumn = 24;
constexpr int kRightColumn = 178;
constexpr int kColumnEnd = 318;
constexpr int kRowHeight = 16;

constexpr RECT left_cell(int top) {
  return {kLeftColumn, top, kRightColumn - 8, top + kRowHeight};
}
constexpr RECT right_cell(int top) {
  return {kRightColumn, top, kColumnEnd, top + kRowHeight};
}
constexpr RECT wide_cell(int top) {
  return {kLeftColumn, top, kColumnEnd, top + kRowHeight};
}

// In creation order, which is also the tab order.
constexpr ControlSpec kControls[] = {
    {Kind::Group, kGroup, L"参数设置", {6, 3, 331, 340}},
    {Kind::Group, kGroup, L"显示设置", {14, 18, 323, 74}},
    {Kind::Label, kGroup, L"小数位精度设置", {kLeftColumn, 35, 110, 49}},
    {Kind::Edit, kPrecisionEdit, L"-1", {112, 32, 166, 52}},
    check(SettingId::Device1000, L"显示千位分隔符", right_cell(34)),
    check(SettingId::DeviceWindowsTop, L"窗口总在最前面", left_cell(53)),
    {Kind::Group, kGroup, L"数据自动输出下层软件窗口设置", {14, 77, 323, 133}},
    check(SettingId::DeviceInputBds, L"连同公式一起输出", left_cell(93)),
    check(SettingId::DeviceInputSpace, L"输出时末尾加空格", right_cell(93)),
    check(SettingId::DeviceInputEnter, L"输出后自动换行", left_cell(112)),
    check(SettingId::DeviceInputClip, L"复制到系统剪贴板", right_cell(112)),
    {Kind::Group, kGroup, L"抓取公式数据设置", {14, 136, 323, 192}},
    {Kind::Radio, kCaptureSum, L"离散数据自动求和", left_cell(152)},
    {Kind::Radio, kCaptureDifference, L"离散数据自动求差", right_cell(152)},
    {Kind::Radio, kCaptureProduct, L"离散数据自动求积", left_cell(171)},
    {Kind::Radio, kCaptureQuotient, L"离散数据自动求商", right_cell(171)},
    {Kind::Group, kGroup, L"采用何种方式输出数据到下层软件窗口?", {14, 195, 323, 232}},
    {Kind::Radio, kByCharacter, L"按字符方式输出", left_cell(211)},
    {Kind::Radio, kWhole, L"整体输出", right_cell(211)},
    {Kind::Group, kGroup, L"其它设置", {14, 235, 323, 334}},
    check(SettingId::DeviceInputAutoclip, L"计算结果存入剪贴板", left_cell(251)),
    check(SettingId::DeviceScienceCalc, L"科学计算模式", right_cell(251)),
    check(SettingId::DeviceEscExit, L"关闭提示", left_cell(270)),
    check(SettingId::DeviceInputShow, L"显示输入公式条", right_cell(270)),
    check(SettingId::DeviceFindWindows, L"搜索下层窗口时忽略置顶窗口", wide_cell(289)),
    {Kind::Edit, kWelcomeEdit, L"", {kLeftColumn, 308, kColumnEnd - 4, 328}},
    {Kind::Button, kOk, L"确 定", {128, 345, 208, 369}},
};

// The check boxes in the order the settings are read at start-up (the settings table's).
const std::vector<const ControlSpec*>& kChecks() {
  static const std::vector<const ControlSpec*> checks = [] {
    std::vector<const ControlSpec*> in_order;
    for (const SettingInfo& info : kStartupSettings) {
      for (const ControlSpec& c : kControls) {
        if (c.kind == Kind::Check && c.setting == info.id) in_order.push_back(&c);
      }
    }
    return in_order;
  }();
  return checks;
}

bool Options::*check_field(const ControlSpec& c) {
  return std::get<bool Options::*>(setting_info(*c.setting).field);
}

const ControlSpec* check_binding(int id) {
  for (const ControlSpec* c : kChecks()) {
    if (c->id == id) return c;
  }
  return nullptr;
}

// Radio ids follow the stored digits: first id = digit 1.
int capture_id(int capture) {
  return kCaptureSum + capture - 1;
}
int output_type_id(int output_type) {
  return kByCharacter + output_type - 1;
}

std::optional<int> whole_number(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// The decimal-places field has no context menu at all.
void suppress_context_menu(HWND edit) {
  subclass_control(edit, [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_CONTEXTMENU) return 0;
    return std::nullopt;
  });
}

// The places a precision text names, when the spin can show them.
std::optional<int> valid_places(const std::string& text) {
  const auto places = whole_number(text);
  if (places && *places >= SettingsPanel::kPrecisionMin &&
      *places <= SettingsPanel::kPrecisionMax) {
    return places;
  }
  return std::nullopt;
}

// Where the spin starts: at the places the field shows, else at its lowest.
int spin_start(const std::string& precision) {
  return valid_places(precision).value_or(SettingsPanel::kPrecisionMin);
}

}  // namespace

// No WS_CLIPCHILDREN: group boxes leave their inside to the parent's painting. They stay windows
// (not drawn by the panel, which would open it some 7 ms sooner) so that screen readers name the
// group a control is in. Its text fields take typing, so key preview is off while it is shown.
SettingsPanel::SettingsPanel(PanelHost& host, SettingChanged on_change)
    : Panel(host, {kClassName, L"参数设置", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   kColour, 0, true}),
      on_change_(std::move(on_change)) {}

bool SettingsPanel::create(HWND parent, const Options& state) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  check(InitCommonControlsEx(&icc) != FALSE, L"InitCommonControlsEx");
  if (!create_window(parent)) return false;
  base_ = state;
  create_controls(state);
  last_ = values();
  return true;
}

// Each control is made in the state it shows: setting it afterwards would lay out and report
// again what was just made.
void SettingsPanel::create_controls(const Options& state) {
  const HFONT font = this->font(kFontHeight);
  const std::wstring precision =
      to_wide(state.precision.empty() ? initial_options().precision : state.precision);
  const std::wstring welcome = to_wide(state.welcome_text);
  for (const ControlSpec& c : kControls) {
    const RECT bounds = at(c.bounds);
    switch (c.kind) {
      case Kind::Group:
        create_child(hwnd_, L"BUTTON", c.text, BS_GROUPBOX, bounds, c.id, font);
        break;
      case Kind::Label:
        create_child(hwnd_, L"STATIC", c.text, SS_LEFT, bounds, c.id, font);
        break;
      case Kind::Check:
        create_child(hwnd_, L"BUTTON", c.text, BS_AUTOCHECKBOX | WS_TABSTOP, bounds, c.id, font);
        break;
      case Kind::Radio:
        create_child(hwnd_, L"BUTTON", c.text, BS_RADIOBUTTON | WS_TABSTOP, bounds, c.id, font);
        break;
      case Kind::Edit:
        create_child(hwnd_, L"EDIT", c.id == kPrecisionEdit ? precision.c_str() : welcome.c_str(),
                     ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, bounds, c.id, font);
        break;
      case Kind::Button:
        create_child(hwnd_, L"BUTTON", c.text, BS_PUSHBUTTON | WS_TABSTOP, bounds, c.id, font);
        break;
    }
  }
  for (const ControlSpec* c : kChecks()) {
    if (state.*check_field(*c)) set_check(c->id, true);
  }
  set_check(capture_id(state.capture), true);
  set_check(output_type_id(state.output_type), true);

  const HWND edit = item(kPrecisionEdit);
  suppress_context_menu(edit);
  const HWND spin =
      create_child(hwnd_, UPDOWN_CLASSW, nullptr, UDS_ALIGNRIGHT, RECT{}, kPrecisionSpin, nullptr);
  SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(kPrecisionMin), kPrecisionMax);
  SendMessageW(spin, UDM_SETPOS32, 0, spin_start(window_text_utf8(edit)));
}

// The arrows take their width off their field: the field gets its whole place at the new scale
// back, and the arrows take it again.
void SettingsPanel::on_rescale() {
  const HWND edit = item(kPrecisionEdit);
  for (const ControlSpec& c : kControls) {
    if (c.id != kPrecisionEdit) continue;
    const RECT r = at(c.bounds);
    SetWindowPos(edit, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(item(kPrecisionSpin), UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
}

void SettingsPanel::set_check(int id, bool on) {
  SendMessageW(item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool SettingsPanel::checked(int id) const {
  return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SettingsPanel::set_text(int id, const std::string& utf8) {
  applying_ = true;
  check(SetWindowTextW(item(id), to_wide(utf8).c_str()) != FALSE, L"SetWindowTextW");
  applying_ = false;
}

Options SettingsPanel::values() const {
  Options v = base_;
  v.precision = window_text_utf8(item(kPrecisionEdit));
  for (const ControlSpec* c : kChecks()) v.*check_field(*c) = checked(c->id);
  for (int capture = 1; capture <= 4; ++capture) {
    if (checked(capture_id(capture))) v.capture = capture;
  }
  v.output_type = checked(output_type_id(2)) ? 2 : 1;
  v.welcome_text = window_text_utf8(item(kWelcomeEdit));
  return v;
}

int SettingsPanel::spin_position() const {
  return static_cast<int>(SendMessageW(item(kPrecisionSpin), UDM_GETPOS32, 0, 0));
}

void SettingsPanel::report(SettingId id) {
  const Options now = values();
  last_ = now;
  on_change_(id, now);
}

void SettingsPanel::apply(const Options& v, bool report_changes) {
  base_ = v;
  const auto changed = [&](SettingId id) {
    if (report_changes) {
      report(id);
    } else {
      last_ = values();
    }
  };
  for (const ControlSpec* c : kChecks()) {
    if (checked(c->id) == v.*check_field(*c)) continue;
    set_check(c->id, v.*check_field(*c));
    changed(*c->setting);
  }
  if (values().capture != v.capture) {
    CheckRadioButton(hwnd_, kCaptureSum, kCaptureQuotient, capture_id(v.capture));
    changed(SettingId::DeviceCapture);
  }
  if (values().output_type != v.output_type) {
    CheckRadioButton(hwnd_, kByCharacter, kWhole, output_type_id(v.output_type));
    changed(SettingId::DeviceOutputType);
  }
  if (window_text_utf8(item(kPrecisionEdit)) != v.precision) {
    set_text(kPrecisionEdit, v.precision);
    changed(SettingId::DevicePoint);
  }
  if (GetWindowTextLengthW(item(kPrecisionEdit)) == 0) {
    set_text(kPrecisionEdit, initial_options().precision);
    changed(SettingId::DevicePoint);
  }
  // The spin starts from the applied places, not from its initial position.
  if (const auto places = valid_places(window_text_utf8(item(kPrecisionEdit)))) {
    SendMessageW(item(kPrecisionSpin), UDM_SETPOS32, 0, *places);
  }
  if (window_text_utf8(item(kWelcomeEdit)) != v.welcome_text) {
    set_text(kWelcomeEdit, v.welcome_text);
    if (!v.welcome_text.empty()) changed(SettingId::WelcomeText);
  }
}

void SettingsPanel::on_hide() {
  if (dragging_) ReleaseCapture();
}

// A click on the spin's arrows (UDN_DELTAPOS, which the caller answers as handled).
void SettingsPanel::on_spin(int delta) {
  // One click is one step from the value the field shows, typed or stepped, at once; the spin
  // keeps the same position.
  const std::string shown = window_text_utf8(item(kPrecisionEdit));
  const int from =
      std::clamp(whole_number(shown).value_or(spin_position()), kPrecisionMin, kPrecisionMax);
  const int step = (delta > 0) - (delta < 0);
  const int to = std::clamp(from + step, kPrecisionMin, kPrecisionMax);
  SendMessageW(item(kPrecisionSpin), UDM_SETPOS32, 0, to);
  const std::string text = std::to_string(to);
  if (shown == text) return;
  set_text(kPrecisionEdit, text);
  report(SettingId::DevicePoint);
}

void SettingsPanel::on_check(int id) {
  if (const ControlSpec* c = check_binding(id)) report(*c->setting);
}

void SettingsPanel::on_command(int id, int code) {
  switch (id) {
    case kOk:
      if (code == BN_CLICKED) hide();
      return;
    case kPrecisionEdit:
      if (code == EN_CHANGE && !applying_) report(SettingId::DevicePoint);
      return;
    case kWelcomeEdit:
      if (code == EN_CHANGE && !applying_ && GetWindowTextLengthW(item(kWelcomeEdit)) > 0) {
        report(SettingId::WelcomeText);
      }
      return;
    case kCaptureSum:
    case kCaptureDifference:
    case kCaptureProduct:
    case kCaptureQuotient:
      if (code != BN_CLICKED) return;
      CheckRadioButton(hwnd_, kCaptureSum, kCaptureQuotient, id);
      if (values().capture != last_.capture) report(SettingId::DeviceCapture);
      return;
    case kByCharacter:
    case kWhole:
      if (code != BN_CLICKED) return;
      CheckRadioButton(hwnd_, kByCharacter, kWhole, id);
      if (values().output_type != last_.output_type) report(SettingId::DeviceOutputType);
      return;
    default:
      if (code == BN_CLICKED) on_check(id);
      return;
  }
}

LRESULT SettingsPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETCURSOR:
      // The welcome field's tooltip is made when the mouse first comes over the field: few
      // openings of the panel ever show it.
      if (!tooltip_ && reinterpret_cast<HWND>(wp) == item(kWelcomeEdit)) {
        tooltip_.reset(add_tooltip(hwnd_, item(kWelcomeEdit), L"编辑欢迎条（数据输入条）"));
      }
      break;
    case WM_COMMAND:
      on_command(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->idFrom == kPrecisionSpin && header->code == UDN_DELTAPOS) {
        on_spin(reinterpret_cast<const NMUPDOWN*>(lp)->iDelta);
        return TRUE;  // the panel has moved the spin itself
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
      // Dragged inside the window like the window itself: by the mouse's movement.
      dragging_ = true;
      drag_origin_ = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      SetCapture(hwnd_);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) {
        const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        RECT r;
        GetWindowRect(hwnd_, &r);
        MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(hwnd_, nullptr, r.left + at.x - drag_origin_.x, r.top + at.y - drag_origin_.y,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_RBUTTONDOWN:
      hide();
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
