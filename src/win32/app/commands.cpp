// What the menus and the face's tool keys do: one line each. A new feature registers its menu
// item here (the item is greyed until it has a line) and, for a face key that is no calculator
// key, its key name.
#include "win32/app/main_window.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void Tcomputer_qel::register_commands() {
  CommandTable& c = commands_;
  c.menu(kMenuAbout, [this] { show_about(); });
  c.menu(kMenuHelp, [this] { help_.show_help(); });
  c.menu(kMenuAutoOutput, [this] { toggle_auto_output(); });
  for (UINT id = kMenuFormFigures; id <= kMenuFormRmbFigures; ++id) {
    c.menu(id, [this, id] { set_output_form(static_cast<OutputForm>(id - kMenuFormFigures)); });
  }
  c.menu(kMenuFormula, [this] { formula_panel_.open(); });
  c.menu(kMenuBigNumbers, [this] { big_number_panel_.show(); });
  c.menu(kMenuSettings, [this] { settings_panel_.show(); });
  c.menu(kMenuSkin, [this] { skin_panel_.show(); });
  c.menu(kMenuKeyboard, [this] { key_panel_.open(); });
  c.menu(kMenuIncomeTax, [this] { tax_panel_->open(); });
  c.menu(kMenuDesktopShortcut, [this] { add_desktop_shortcut(desktop_shell_, ports_.boxes); });
  c.menu(kMenuDefaultCalculator,
         [this] { replace_system_calculator(desktop_shell_, ports_.boxes); });
  c.menu(kMenuRestore, [this] {
    if (mover_.mini_mode()) leave_mini_mode();
  });
  c.menu(kMenuMinimise, [this] { hide_to_tray(); });
  c.menu(kMenuClose, [this] { close_request(); });
  c.menu(kTrayClose, [this] { close_request(); });
  c.menu(kTrayShow, [this] { show_from_tray_menu(); });

  // Face keys that are no calculator key (Ktime and klz join with their tools).
  c.key("kmin", [this](MouseButton b) {
    if (b == MouseButton::Left) hide_to_tray();
  });
  c.key("kpower", [this](MouseButton) { close_request(); });
  c.key("kdwhs", [this](MouseButton b) { converter_key(b); });
  c.key("klz", [this](MouseButton) { alarm_panel_.open(); });
  c.key("Ktime", [this](MouseButton b) {
    if (b == MouseButton::Left) clock_key();
  });
}

}  // namespace orvanta::win32
