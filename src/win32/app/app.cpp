#include "win32/app/app.h"

#include "engine/key_handlers.h"
#include "face/face_layout.h"
#include "settings/settings_location.h"
#include "win32/app/feature_list.h"
#include "win32/chrome/menu_ids.h"
#include "win32/system/settings_folder.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr UINT kQuitNowMessage = WM_APP + 42;

// Stand-ins for the ports of a feature left out of the list: the core keeps working.
struct NoConverter final : ConverterRefresh {
  void refresh(int, std::string_view, NumberBase) override {}
};
struct NoConstantsTable final : ConstantsTableView {
  void show_constants_table() override {}
  void hide_constants_table() override {}
};

template <class Port, class Fallback>
Port& port_or(const Services& services, Fallback& fallback) {
  Port* offered = services.find<Port>();
  return offered != nullptr ? *offered : fallback;
}

}  // namespace

App::App(HINSTANCE instance)
    : instance_(instance),
      window_(instance, *this, clock_),
      sound_(instance),
      file_system_(make_native_file_system()) {}

App::~App() = default;

bool App::create() {
  // The icon's own picture for the system's scale (it has 16 to 64 pixels in steps of a scale).
  const auto icon = [&](int metric) {
    const int size = GetSystemMetrics(metric);
    return static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, size, size, 0));
  };
  icon_.reset(icon(SM_CXICON));
  small_icon_.reset(icon(SM_CXSMICON));
  if (!window_.create(icon_.get(), small_icon_.get())) return false;
  owner_ = window_.hwnd();
  panels_.set_scale(window_.scale());
  tray_.add(owner_, small_icon_ ? small_icon_.get() : icon_.get());

  open_settings();
  const SettingsFile::StartUp starting(*settings_);
  // What the composition root offers the features, then what they offer each other.
  services_.provide<FaceWindow>(*this);
  services_.provide<MessagePump>(pump_);
  services_.provide<FormulaBar>(formula_bar_);
  services_.provide<MessageBoxes>(boxes_);
  features_ = make_features();
  tell_features([&](Feature& f) { f.provide(services_); });
  static NoConverter no_converter;
  static NoConstantsTable no_constants;
  results_.takers = services_.all<ResultOutput>();
  calculator_ = std::make_unique<Calculator>(
      CalculatorPorts{window_.lcd(), formula_bar_, sound_, boxes_, *settings_, clipboard_, results_,
                      port_or<ConverterRefresh>(services_, no_converter), pump_, window_.canvas(),
                      port_or<ConstantsTableView>(services_, no_constants)});
  // A fault that escapes a window's handler shows as the calculator's own faults do.
  set_fault_display([this] { calculator_->show_fault(); });
  formula_bar_.create(owner_, window_.scale(),
                      {[this] { return calculator_->formula_bar_key(); },
                       [this](std::string_view text) { calculator_->formula_bar_changed(text); }});

  // The stored options: the core takes them, then the window and every feature; later changes
  // reach both through the calculator's notices.
  calculator_->start({first_start_, settings_dir_ok_});
  calculator_->listen_options([this](SettingId id, const Options& now) {
    apply_window_option(id, false);
    tell_features([&](Feature& f) { f.option_changed(id, now); });
  });
  apply_window_option(SettingId::DeviceWindowsTop, true);
  apply_window_option(SettingId::DeviceInputShow, true);
  register_commands();
  tell_features([&](Feature& f) { f.attach(*this); });
  menus_.create(instance_, [this](UINT id) { return commands_.has_menu(id); });
  window_.shape();
  return true;
}

void App::open_settings() {
  const std::string dir = find_settings_dir(owner_);
  settings_dir_ok_ = prepare_settings_dir(*file_system_, boxes_, dir);
  settings_ = std::make_unique<SettingsFile>(*file_system_, boxes_, settings_file(dir));
  settings_->set_warn_on_write_failure(true);
  first_start_ = !settings_->exists();
}

void App::register_commands() {
  menu(kMenuAbout, [this] { show_about(); });
  menu(kMenuHelp, [this] { show_help(); });
  menu(kMenuRestore, [this] {
    if (window_.mini_mode()) window_.toggle_mini_mode();
  });
  menu(kMenuMinimise, [this] { hide_to_tray(); });
  menu(kMenuClose, [this] { close_request(); });
  menu(kTrayClose, [this] { close_request(); });
  menu(kTrayShow, [this] {
    hidden_ = false;
    ShowWindow(owner_, SW_SHOW);
    BringWindowToTop(owner_);
  });
  key("kmin", [this](MouseButton b) {
    if (b == MouseButton::Left) hide_to_tray();
  });
  key("kpower", [this](MouseButton) { close_request(); });
}

void App::show() {
  ShowWindow(owner_, SW_SHOWNORMAL);
  UpdateWindow(owner_);
  if (shown_once_) return;
  shown_once_ = true;
  tell_features([](Feature& f) { f.first_shown(); });
  calculator_->first_show();
  panels_.set_key_preview(true);
  SetFocus(window_.focus_home());
}

bool App::pre_translate(MSG& msg) {
  for (const std::unique_ptr<Feature>& f : features_) {
    if (f->pre_translate(msg)) return true;
  }
  return false;
}

// ---- options -------------------------------------------------------------------------------

void App::change_option(SettingId id, const SettingValue& value) {
  calculator_->change_option(id, value);
}

// The window's own options take effect, at start-up and whenever one changes.
void App::apply_window_option(SettingId id, bool starting) {
  const Options& o = calculator_->options();
  if (id == SettingId::DeviceWindowsTop) {
    check(SetWindowPos(owner_, o.stay_on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE,
          L"SetWindowPos");
    if (!starting) window_.shape();
  } else if (id == SettingId::DeviceInputShow) {
    formula_bar_.show(o.formula_bar_shown);
  }
}

bool App::keys_held() const {
  for (const std::function<bool()>& open : key_holds_) {
    if (open()) return true;
  }
  return false;
}

// ---- what the window hands up ---------------------------------------------------------------

void App::run_key(const std::string& name, MouseButton button) {
  if (const KeyHandler handler = find_key_handler(name)) {
    (calculator_.get()->*handler)(button);
    return;
  }
  // The window's own keys stop a read-out as the calculator's keys do.
  calculator_->stop_read_out();
  commands_.run_key(name, button);
}

void App::strip_pressed(int y) {
  calculator_->Image5(MouseButton::Left, y);
}

void App::hand_clicked() {
  tell_features([](Feature& f) { f.hand_clicked(); });
}

void App::lcd_menu(POINT screen) {
  calculator_->stop_read_out();
  menus_.popup_lcd(owner_, screen, window_.mini_mode());
}

void App::face_pressed() {
  tell_features([](Feature& f) { f.face_pressed(); });
}

void App::lcd_drawn() {
  // A new display takes the focus back from the formula bar, so the keyboard keys work again;
  // not while a panel with text fields is open, whose typing must stay there.
  const HWND home = window_.focus_home();
  if (panels_.key_preview() && IsWindowVisible(owner_) && GetFocus() != home) SetFocus(home);
}

void App::dragged(POINT offset) {
  tell_features([&](Feature& f) { f.window_dragged(offset); });
}

void App::mini_mode_changed(bool on) {
  if (!on) hidden_ = false;
  tell_features([&](Feature& f) { f.mini_mode_changed(on); });
}

void App::scale_changed(const face::DisplayScale& scale) {
  formula_bar_.rescale(scale);
  panels_.set_scale(scale);
  tell_features([&](Feature& f) { f.scale_changed(scale); });
}

void App::outline_changed() {
  // Changing stay-on-top may have dropped the icon; it is registered again either way.
  tray_.readd();
}

bool App::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (formula_bar_.parent_message(msg, wp, lp, result)) return true;
  result = 0;
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) != 0 || lp != 0) return false;
      commands_.run_menu(LOWORD(wp));
      return true;
    case TrayIcon::kCallbackMessage:
      on_tray(lp);
      return true;
    case WM_CLOSE:
      close_request();
      return true;
    case kQuitNowMessage:
      DestroyWindow(owner_);
      return true;
    case WM_DESTROY:
      destroyed();
      PostQuitMessage(0);
      return true;
  }
  if (msg != 0 && msg == test_clock_message()) {
    // The test goes on at once: what becomes due may open a box of its own.
    ReplyMessage(0);
    window_.timers().advance(wp);
    return true;
  }
  for (const std::unique_ptr<Feature>& f : features_) {
    if (f->window_message(msg, wp, lp, result)) return true;
  }
  return false;
}

// ---- the window as features see it ----------------------------------------------------------

void App::hide_to_tray() {
  tell_features([](Feature& f) { f.hidden_to_tray(); });
  ShowWindow(owner_, SW_HIDE);
  hidden_ = true;
}

void App::restore_from_tray() {
  hidden_ = false;
  ShowWindow(owner_, SW_SHOW);
  SetForegroundWindow(owner_);
  if (calculator_->options().stay_on_top) {
    check(SetWindowPos(owner_, HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW) != FALSE,
          L"SetWindowPos");
  }
}

void App::quit_now() {
  // Posted: the tick that asks for it finishes before the window goes.
  PostMessageW(owner_, kQuitNowMessage, 0, 0);
}

void App::press_key(std::string_view name, MouseButton mouse) {
  // A function with no key on the face (the history tape) runs as its command.
  if (!window_.keys().show_click(name, mouse)) commands_.run_key(name, mouse);
}

void App::press_focused_key() {
  if (window_.focused_key() >= 0) window_.press(window_.focused_key());
}

void App::popup_lcd_menu() {
  const face::Rect lcd = window_.scale().lcd_area();
  POINT at{lcd.left, lcd.top + lcd.height};
  ClientToScreen(owner_, &at);
  menus_.popup_lcd(owner_, at, window_.mini_mode());
}

void App::show_help() {
  if (help_.hwnd() == nullptr && !help_.create(GetModuleHandleW(nullptr))) return;
  help_.show_help();
}

// ---- close ----------------------------------------------------------------------------------

void App::close_request() {
  if (calculator_->options().close_prompt) {
    if (!boxes_.ask_yes_no("提示", "确认关闭语音计算器吗？")) return;
  }
  DestroyWindow(owner_);
}

void App::destroyed() {
  tell_features([](Feature& f) { f.closing(); });
  if (!tray_.remove()) MessageBeep(MB_OK);
  window_.timers().stop_all();
  sound_.stop();
}

void App::show_about() {
  boxes_.show("软件信息",
              "Orvanta\n\r\n\r版本：V3.11\n\r作者：Brenic\n\r主页：orvanta.example\n\r"
              "邮箱：support@orvanta.example",
              BoxIcon::Information, BoxButtons::Ok);
}

void App::on_tray(LPARAM lp) {
  if (lp == WM_LBUTTONDOWN) {
    restore_from_tray();
  } else if (lp == WM_RBUTTONDOWN) {
    SetForegroundWindow(owner_);
    pump_.wait(0);
    POINT cursor;
    GetCursorPos(&cursor);
    menus_.popup_tray(owner_, cursor);
  }
}

}  // namespace orvanta::win32
