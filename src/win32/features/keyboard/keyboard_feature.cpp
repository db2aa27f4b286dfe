#include "win32/features/keyboard/keyboard_feature.h"

#include "tools/alarms/alarm_clock.h"
#include "tools/keyboard/key_dispatch.h"
#include "win32/chrome/menu_ids.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kHotkeyAtom[] = L"calc HotKey";

bool held(int vk) {
  return (GetKeyState(vk) & 0x8000) != 0;
}

}  // namespace

void KeyboardFeature::attach(FeatureContext& context) {
  context_ = &context;
  key_table_.LoadKeyTable(true, context.settings());
  editor_ = std::make_unique<KeyEditor>(key_table_, context.settings(), context.boxes());
  register_hotkey();
  context.menu(kMenuKeyboard, [this] { open_panel(); });
  context.holds_keys_while([this] { return panel_ && panel_->visible(); });
}

void KeyboardFeature::open_panel() {
  if (!panel_) {
    panel_ = std::make_unique<KeyPanel>(context_->panels(),
                                        [this](bool stored) { editor_closed(stored); });
    panel_->create(context_->window().hwnd());
    panel_->attach(*editor_);
  }
  panel_->open();
}

bool KeyboardFeature::pre_translate(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  PanelHost& panels = context_->panels();
  const HWND face = context_->window().hwnd();
  // With a panel's fields taking the typing, Tab walks through them.
  if (!panels.key_preview()) return panels.tab(face, msg);
  if (msg.hwnd != face && GetParent(msg.hwnd) != face) return false;
  return key_down(static_cast<int>(msg.wParam));
}

bool KeyboardFeature::key_down(int code) {
  KeyGuards guards;
  guards.equals_busy = context_->calculator().equals_busy();
  guards.formula_bar_focused = GetFocus() == context_->window().formula_bar();
  // The clock covers the LCD: the keys wait.
  const AlarmClock* alarms = context_->services().find<AlarmClock>();
  guards.clock_shown = alarms != nullptr && alarms->clock_mode() != ClockMode::Off;
  guards.panel_open = context_->keys_held();
  FaceWindow& window = context_->window();
  guards.key_focus_shown = window.key_focus_shown();
  const KeyModifiers modifiers{held(VK_CONTROL), held(VK_SHIFT), held(VK_MENU)};
  const KeyPress press = dispatch_key(key_table_, code, modifiers, guards);
  switch (press.route) {
    case KeyRoute::MoveFocus:
      window.move_key_focus(press.step);
      return true;
    case KeyRoute::PressFocused:
      window.press_focused_key();
      return true;
    case KeyRoute::Press:
      break;
    default:
      return false;
  }
  if (press.button == kPopupButton) {
    // The menu is the window's own; the calculator's keys stop a read-out themselves.
    context_->calculator().stop_read_out();
    window.popup_lcd_menu();
  } else {
    window.press_key(press.button, press.mouse);
  }
  return true;
}

bool KeyboardFeature::register_hotkey() {
  const HWND face = context_->window().hwnd();
  // A removed binding takes its hotkey with it at once.
  if (hotkey_id_ != 0) {
    check(UnregisterHotKey(face, hotkey_id_) != FALSE, L"UnregisterHotKey");
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
  if (check(RegisterHotKey(face, id, modifiers, static_cast<UINT>(binding->code)) != FALSE,
            L"RegisterHotKey")) {
    hotkey_id_ = id;
    return true;
  }
  return false;
}

void KeyboardFeature::editor_closed(bool stored) {
  // A combination another program holds is said at once, not left silently without effect.
  if (!register_hotkey() && stored) {
    context_->boxes().show("提示", "“缩/弹”的组合键已被其它程序占用，请换一个组合键。",
                           BoxIcon::Warning, BoxButtons::Ok);
  }
}

bool KeyboardFeature::window_message(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  if (msg != WM_HOTKEY) return false;
  result = 0;
  if (panel_ && panel_->visible()) return true;
  FaceWindow& window = context_->window();
  if (window.hidden()) {
    window.restore_from_tray();
  } else {
    window.hide_to_tray();
  }
  return true;
}

void KeyboardFeature::closing() {
  if (hotkey_id_ != 0 && !UnregisterHotKey(context_->window().hwnd(), hotkey_id_)) {
    MessageBeep(MB_OK);
  }
}

}  // namespace orvanta::win32
