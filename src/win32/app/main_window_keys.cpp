// The keyboard (key preview through the key table), the global hotkey, the clock key and the
// alarms' one-second tick.
#include "tools/key_dispatch.h"
#include "win32/app/main_window.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr UINT kAlarmIntervalMs = 1000;
constexpr wchar_t kHotkeyAtom[] = L"calc HotKey";

LocalDateTime local_date_time(const SYSTEMTIME& st) {
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

bool held(int vk) {
  return (GetKeyState(vk) & 0x8000) != 0;
}

}  // namespace

void Tcomputer_qel::AlarmPort::set_timer(bool enabled) {
  if (enabled) {
    w_.timers_.start(w_.alarm_timer_, kAlarmIntervalMs);
  } else {
    w_.timers_.stop(w_.alarm_timer_);
  }
}

void Tcomputer_qel::create_alarms() {
  alarms_ = std::make_unique<AlarmClock>(*calculator_, *settings_, ports_.boxes, alarm_port_);
  alarm_timer_ = timers_.add([this] { alarm_tick(); });
  alarm_panel_.attach(*alarms_);
  alarms_->ok();
  key_table_.LoadKeyTable(true, *settings_);
  key_editor_ = std::make_unique<KeyEditor>(key_table_, *settings_, ports_.boxes);
  key_panel_.attach(*key_editor_);
  register_hotkey();
}

void Tcomputer_qel::key_editor_closed(bool stored) {
  // A combination another program holds is said at once, not left silently without effect.
  if (!register_hotkey() && stored) {
    ports_.boxes.show("提示", "“缩/弹”的组合键已被其它程序占用，请换一个组合键。", BoxIcon::Warning,
                      BoxButtons::Ok);
  }
}

void Tcomputer_qel::alarm_tick() {
  alarms_->tick(local_date_time(clock_.local_time()));
}

void Tcomputer_qel::clock_key() {
  alarms_->clock_key(local_date_time(clock_.local_time()));
}

void Tcomputer_qel::quit_now() {
  // Posted: the tick that asks for it finishes before the window goes.
  PostMessageW(hwnd_, kQuitNowMessage, 0, 0);
}

bool Tcomputer_qel::pre_translate(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  // With a panel's fields taking the typing, Tab walks through them.
  if (!panels_.key_preview()) return panels_.tab(hwnd_, msg);
  if (msg.hwnd != hwnd_ && GetParent(msg.hwnd) != hwnd_) return false;
  return key_down(static_cast<int>(msg.wParam));
}

bool Tcomputer_qel::key_down(int code) {
  KeyGuards guards;
  guards.equals_busy = calculator_->calc_state().equals_busy;
  guards.formula_bar_focused = GetFocus() == ports_.formula_bar.hwnd();
  guards.clock_shown = alarms_ && alarms_->clock_mode() != ClockMode::Off;
  guards.panel_open =
      (tax_panel_ && tax_panel_->visible()) || alarm_panel_.visible() || key_panel_.visible();
  const KeyModifiers modifiers{held(VK_CONTROL), held(VK_SHIFT), held(VK_MENU)};
  const KeyPress press = dispatch_key(key_table_, code, modifiers, guards);
  if (press.route != KeyRoute::Press) return false;
  if (press.button == kPopupButton) {
    POINT at{face::kLcdArea.left, face::kLcdArea.top + face::kLcdArea.height};
    ClientToScreen(hwnd_, &at);
    menus_.popup_lcd(hwnd_, at, mover_.mini_mode());
    return true;
  }
  keys_.show_click(press.button, press.mouse);
  return true;
}

bool Tcomputer_qel::register_hotkey() {
  // A removed binding takes its hotkey with it at once.
  if (hotkey_id_ != 0) {
    check(UnregisterHotKey(hwnd_, hotkey_id_) != FALSE, L"UnregisterHotKey");
    hotkey_id_ = 0;
  }
  const std::optional<HotkeyBinding> binding = key_table_.hotkey();
  if (!binding) return true;
  const ATOM atom = GlobalFindAtomW(kHotkeyAtom) != 0 ? GlobalFindAtomW(kHotkeyAtom)
                                                      : GlobalAddAtomW(kHotkeyAtom);
  if (!check(atom != 0, L"GlobalAddAtomW")) return false;
  const int id = atom - 0xC000;
  UINT modifiers = 0;
  if (binding->modifiers.ctrl) modifiers |= MOD_CONTROL;
  if (binding->modifiers.shift) modifiers |= MOD_SHIFT;
  if (binding->modifiers.alt) modifiers |= MOD_ALT;
  // Fails when another program holds the combination.
  if (check(RegisterHotKey(hwnd_, id, modifiers, static_cast<UINT>(binding->code)) != FALSE,
            L"RegisterHotKey")) {
    hotkey_id_ = id;
    return true;
  }
  return false;
}

void Tcomputer_qel::on_hotkey() {
  if (key_panel_.visible()) return;
  if (window_hidden_) {
    restore_from_tray();
  } else {
    hide_to_tray();
  }
}

}  // namespace orvanta::win32
