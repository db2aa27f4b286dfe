#pragma once
// The composition root: owns the calculator core, the settings file, the window with its chrome
// (formula bar, menus, tray icon) and the list of features, and wires each to the others. The
// window hands up what is no part of the face; the features register through this one context.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "platform/file_system.h"
#include "platform/handles_win32.h"
#include "settings/settings_file.h"
#include "win32/app/command_table.h"
#include "win32/app/message_loop.h"
#include "win32/chrome/formula_bar_control.h"
#include "win32/chrome/menus.h"
#include "win32/chrome/tray_icon.h"
#include "win32/features/feature.h"
#include "win32/system/clipboard_text.h"
#include "win32/system/shell_link.h"
#include "win32/system/sound_player.h"
#include "win32/system/window_message_boxes.h"
#include "win32/window/main_window.h"
#include "win32/windows/help_window.h"

namespace orvanta::win32 {

class App final : WindowHost, FeatureContext, FaceWindow {
 public:
  explicit App(HINSTANCE instance);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Creates the window, opens the settings, starts the calculator and attaches every feature.
  bool create();
  // Shows the window; the first show puts "0." and the welcome line up.
  void show();
  // Key preview: a keyboard message before it is translated; true when a feature took it.
  bool pre_translate(MSG& msg);

  HWND hwnd() const override { return window_.hwnd(); }
  Calculator& calculator() override { return *calculator_; }

 private:
  // WindowHost.
  void run_key(const std::string& name, MouseButton button) override;
  void strip_pressed(int y) override;
  void hand_clicked() override;
  void lcd_menu(POINT screen) override;
  void face_pressed() override;
  void lcd_drawn() override;
  void dragged(POINT offset) override;
  void mini_mode_changed(bool on) override;
  void outline_changed() override;
  void scale_changed(const face::DisplayScale& scale) override;
  NumberBase base() const override { return calculator_->calc_state().calc_base; }
  bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  // FeatureContext.
  void change_option(SettingId id, const SettingValue& value) override;
  SettingsFile& settings() override { return *settings_; }
  MessageBoxes& boxes() override { return boxes_; }
  MessagePump& pump() override { return pump_; }
  Services& services() override { return services_; }
  FaceWindow& window() override { return *this; }
  PanelHost& panels() override { return panels_; }
  TimerTable& timers() override { return window_.timers(); }
  ProgramClock& clock() override { return clock_; }
  PopupMenus& menus() override { return menus_; }
  bool first_start() const override { return first_start_; }
  void menu(UINT id, MenuAction action) override { commands_.menu(id, std::move(action)); }
  void key(std::string_view name, KeyAction action) override {
    commands_.key(name, std::move(action));
  }
  void holds_keys_while(std::function<bool()> open) override {
    key_holds_.push_back(std::move(open));
  }
  bool keys_held() const override;

  // FaceWindow.
  bool hidden() const override { return hidden_; }
  void hide_to_tray() override;
  void restore_from_tray() override;
  void quit_now() override;
  bool mini_mode() const override { return window_.mini_mode(); }
  int recolour(int shift) override { return window_.recolour(shift); }
  void press_key(std::string_view name, MouseButton mouse) override;
  void popup_lcd_menu() override;
  void show_help() override;
  HWND formula_bar() const override { return formula_bar_.hwnd(); }
  bool key_focus_shown() const override { return window_.focused_key() >= 0; }
  void move_key_focus(face::KeyStep step) override { window_.key_focus().move(step); }
  void press_focused_key() override;

  void open_settings();
  void register_commands();
  void apply_window_option(SettingId id, bool starting);
  void close_request();
  void destroyed();
  void show_about();
  void on_tray(LPARAM lp);
  // Every feature in turn.
  template <class Event>
  void tell_features(Event&& event) {
    for (const std::unique_ptr<Feature>& f : features_) event(*f);
  }

  ComApartment com_;  // the shell's link objects are made on this thread
  HINSTANCE instance_;
  UniqueIcon icon_;
  UniqueIcon small_icon_;
  ProgramClock clock_;
  Tcomputer_qel window_;
  HWND owner_ = nullptr;  // the window, once it exists
  CommandTable commands_;
  PopupMenus menus_;
  TrayIcon tray_;
  FormulaBarControl formula_bar_;
  SoundPlayer sound_;
  WindowMessagePump pump_;
  WindowMessageBoxes boxes_{&owner_};
  WindowClipboard clipboard_{&owner_};
  HelpWindow help_;
  PanelHost panels_;
  std::unique_ptr<FileSystem> file_system_;
  std::unique_ptr<SettingsFile> settings_;
  Services services_;
  // Every feature that takes the calculator's finished results gets each of them.
  struct ResultsToAll final : ResultOutput {
    void send(const FinalResult& result) override {
      for (ResultOutput* taker : takers) taker->send(result);
    }
    std::vector<ResultOutput*> takers;
  } results_;
  std::vector<std::unique_ptr<Feature>> features_;
  std::vector<std::function<bool()>> key_holds_;
  std::unique_ptr<Calculator> calculator_;
  bool first_start_ = false;
  bool settings_dir_ok_ = true;
  bool shown_once_ = false;
  bool hidden_ = false;
};

}  // namespace orvanta::win32
