#pragma once
// Tcomputer_qel: the calculator's one borderless, top-most window. It creates the rooms (key
// pad, LCD view, formula bar, menus, panels, tray), owns them and the calculator core, and
// routes the window's messages to them.
#include <windows.h>

#include <memory>
#include <string>

#include "engine/calculator.h"
#include "face/face_layout.h"
#include "platform/file_system.h"
#include "platform/handles_win32.h"
#include "settings/settings_file.h"
#include "settings/settings_startup.h"
#include "tools/alarm_clock.h"
#include "tools/constants_table.h"
#include "tools/income_tax_form.h"
#include "tools/key_bindings.h"
#include "tools/key_editor.h"
#include "win32/app/command_table.h"
#include "win32/app/message_loop.h"
#include "win32/app/window_ports.h"
#include "win32/chrome/menus.h"
#include "win32/chrome/tray_icon.h"
#include "win32/face/dib.h"
#include "win32/face/image_key.h"
#include "win32/face/key_pad.h"
#include "win32/face/lcd_view.h"
#include "win32/face/window_mover.h"
#include "win32/panels/alarm_panel.h"
#include "win32/panels/big_number_panel.h"
#include "win32/panels/constants_grid.h"
#include "win32/panels/formula_panel_window.h"
#include "win32/panels/key_panel.h"
#include "win32/panels/settings_panel.h"
#include "win32/panels/skin_panel.h"
#include "win32/panels/tax_panel.h"
#include "win32/panels/tip_panel.h"
#include "win32/system/base_window.h"
#include "win32/system/desktop_shell.h"
#include "win32/system/machine_actions.h"
#include "win32/system/program_clock.h"
#include "win32/system/shell_link.h"
#include "win32/system/sound_player.h"
#include "win32/windows/converter_window.h"
#include "win32/windows/help_window.h"

namespace orvanta::win32 {

class Tcomputer_qel : public BaseWindow<Tcomputer_qel> {
 public:
  static constexpr int kLeft = 199;
  static constexpr int kTop = 112;
  static constexpr int kClientWidth = 464;
  static constexpr int kClientHeight = 512;

  explicit Tcomputer_qel(HINSTANCE instance);
  ~Tcomputer_qel();

  // Registers the class and creates the window (FormCreate). Returns false on failure.
  bool create();
  // Shows the window; the first show runs FormShow.
  void show();

  // Key preview: the calculator's keyboard keys, before the focused control sees them.
  bool pre_translate(MSG& msg);

  // Ports call these.
  void draw_lcd(const LcdFrame& frame);
  void show_base_strip(NumberBase base);
  // gird_cs: the right button on pi shows it, the left hides it.
  void show_constants_table(bool show);
  void play_voice(std::string_view token) { sound_.play(token); }

  Calculator& calculator() { return *calculator_; }
  // Cuts the window's outline from the mask (the LCD rectangle in mini mode) and registers the
  // tray icon again.
  void shape();
  bool window_hidden() const { return window_hidden_; }

 private:
  friend class BaseWindow<Tcomputer_qel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  // FormCreate / FormShow / close and hide.
  void form_create();
  void form_show();
  void close_request();
  void hide_to_tray();
  void restore_from_tray();
  void form_destroy();

  // Drawing.
  void paint();
  void invalidate(const RECT& r);

  // Mouse on the face.
  void on_mouse_move(POINT p);
  void on_mouse_leave();
  void on_button_down(POINT p, MouseButton button, bool double_click);
  void on_button_up(POINT p, MouseButton button);
  // A face key's handler: the calculator's, or a tool's from the command table.
  void run_key(const std::string& name, MouseButton button);
  void start_drag(POINT client_point);

  // Skin colour and mini mode (main_window_outline.cpp).
  void skin_shift_changed(int shift);
  void recolour_face(int shift);
  void recompose_frame();
  void toggle_mini_mode();
  void enter_mini_mode();
  void leave_mini_mode();

  // Menu items and tool keys (commands.cpp).
  void register_commands();

  // Keyboard, clock and alarms (main_window_keys.cpp).
  static constexpr UINT kQuitNowMessage = WM_APP + 42;
  bool key_down(int code);
  // False when the binding's combination is held by another program.
  bool register_hotkey();
  void key_editor_closed(bool stored);
  void on_hotkey();
  void clock_key();
  void alarm_tick();
  void create_alarms();
  // Ends the program at once, without the quit confirmation (an alarm's action 4).
  void quit_now();
  void show_about();
  void show_from_tray_menu();
  // kdwhs: the button going down sets the columns back; coming up it closes the converter or
  // shows it beside the calculator.
  void converter_key(MouseButton button);
  void close_converter();

  // LCD pop-up menu and tray.
  void build_menus();
  void on_tray(LPARAM lp);
  void toggle_auto_output();
  void set_output_form(OutputForm form);

  // The exchange with the window below (exchange_feature.cpp).
  static RECT grab_hand_rect();
  // The exchange takes the options in force (start-up, each change in the settings panel).
  void exchange_options_changed();
  void grab_from_below();

  void setting_changed(SettingId id, const Options& now);
  void apply_window_option(SettingId id, bool starting);
  void set_top_most(bool on);
  void open_settings();

  ComApartment com_;  // the shell's link objects are made on this thread
  HINSTANCE instance_;
  // Face pictures as shown (recoloured) and their unrecoloured copies.
  BgrImage normal_face_, hover_face_, pressed_face_;
  BgrImage normal_original_, hover_original_, pressed_original_;
  BgrImage mask_;
  Dib canvas_;  // the whole client area, composed off-screen
  LcdView lcd_{canvas_};
  CommandTable commands_;
  ProgramClock clock_;
  TimerTable timers_{&hwnd_, clock_};
  KeyPad keys_{&hwnd_, canvas_, timers_,
               [this](const std::string& name, MouseButton b) { run_key(name, b); }};
  TimerTable::Id tip_timer_ = 0;

  HWND edit3_ = nullptr;
  HWND tooltip_ = nullptr;
  UniqueIcon icon_;
  UniqueIcon small_icon_;
  PopupMenus menus_;
  TrayIcon tray_;
  SoundPlayer sound_;
  WindowMessagePump pump_;

  std::unique_ptr<FileSystem> file_system_;
  std::unique_ptr<SettingsFile> settings_;
  WindowPorts ports_;
  std::unique_ptr<Calculator> calculator_;

  bool tracking_leave_ = false;
  WindowMover mover_;

  HelpWindow help_;
  WindowsDesktopShell desktop_shell_;
  PanelHost panels_;
  SettingsPanel settings_panel_{
      panels_, [this](SettingId id, const Options& now) { setting_changed(id, now); }};
  TipPanel tip_panel_{panels_, [this] { help_.show_help(); }};
  SkinPanel skin_panel_{panels_, [this](int shift) { skin_shift_changed(shift); }};
  // The income-tax panel and its fields, once the settings file is open.
  std::unique_ptr<IncomeTaxForm> tax_form_;
  std::unique_ptr<TaxPanel> tax_panel_;
  ConstantsGrid constants_grid_{panels_, [this](int row) { pick_constant(*calculator_, row); }};
  TForm2 converter_window_{ports_.converter};
  // kdwhs runs on its button going down and again coming up, always in pairs.
  bool converter_key_down_ = false;
  FormulaPanelWindow formula_panel_{
      panels_, [this]() -> FormulaHost& { return calculator_->formula_host(); },
      [this](const FormulaRun& run) { calculator_->take_formula_result(run); }};
  // The operand fields feed the formula panel's working formula, as its own fields do.
  BigNumberPanel big_number_panel_{
      panels_,
      {[this] { formula_panel_.follow_input(); }, [this] { formula_panel_.follow_output(); },
       [this] { formula_panel_.calculate(); }}};
  int skin_shift_ = 0;  // the shift the face pictures are drawn with

  bool first_start_ = false;
  bool settings_dir_ok_ = true;

  bool shown_once_ = false;
  bool window_hidden_ = false;

  // What the alarms ask of the window and the machine.
  class AlarmPort final : public AlarmActions {
   public:
    explicit AlarmPort(Tcomputer_qel& w) : w_(w) {}
    void set_timer(bool enabled) override;
    bool window_hidden() const override { return w_.window_hidden_; }
    void bring_back() override { w_.restore_from_tray(); }
    void open_file(std::string_view path) override { open_file_unactivated(w_.hwnd_, path); }
    void quit() override { w_.quit_now(); }
    void log_off() override { w_.power_->shut_down(ShutdownKind::LogOff); }
    void restart() override { w_.power_->shut_down(ShutdownKind::Restart); }
    void power_off() override { w_.power_->shut_down(ShutdownKind::PowerOff); }

   private:
    Tcomputer_qel& w_;
  };
  KeyTable key_table_;
  std::unique_ptr<MachinePower> power_ = make_machine_power();
  AlarmPort alarm_port_{*this};
  std::unique_ptr<AlarmClock> alarms_;
  AlarmPanel alarm_panel_{panels_};
  std::unique_ptr<KeyEditor> key_editor_;
  KeyPanel key_panel_{panels_, [this](bool stored) { key_editor_closed(stored); }};
  TimerTable::Id alarm_timer_ = 0;
  int hotkey_id_ = 0;  // the registered global hotkey, 0 for none
};

}  // namespace orvanta::win32
