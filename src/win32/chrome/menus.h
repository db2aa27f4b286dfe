#pragma once
// The pop-up menus of the LCD (full and mini form) and of the tray icon, built from tables of
// items; the command ids are in menu_ids.h.
#include <windows.h>

#include <functional>
#include <span>

#include "display/output_form.h"
#include "platform/handles_win32.h"

namespace orvanta::win32 {

struct MenuItem {
  UINT id;  // 0: a separator
  const wchar_t* text;
};

// Whether an item can be chosen: items whose feature does nothing yet are shown greyed.
using MenuEnabled = std::function<bool(UINT id)>;

UniqueMenu create_menu(std::span<const MenuItem> items, const MenuEnabled& enabled);
// The LCD's right-button menu.
UniqueMenu create_lcd_menu(const MenuEnabled& enabled);
// The LCD menu's mini form, used while only the LCD is shown: "恢复", "最小化" and
// "关闭计算器", with the full menu's commands.
UniqueMenu create_mini_menu();
// The tray icon's right-button menu.
UniqueMenu create_tray_menu();

// The window's three pop-up menus. The output items' pictures are their check marks: one mark
// each, and the items' checked state is the menu's own.
class PopupMenus {
 public:
  bool create(HINSTANCE instance, const MenuEnabled& enabled);
  // "数据自动输入其它窗口" ticked or not; the output forms can be chosen only while it is on.
  void show_auto_output(bool on);
  // The chosen output form ticked.
  void show_output_form(OutputForm form, bool auto_output);
  // The LCD menu (its mini form in mini mode) or the tray menu at a screen point.
  void popup_lcd(HWND owner, POINT at, bool mini) const;
  void popup_tray(HWND owner, POINT at) const;
  HMENU lcd_menu() const { return lcd_.get(); }

 private:
  UniqueMenu lcd_;
  UniqueMenu mini_;
  UniqueMenu tray_;
  UniqueBitmap images_[3];  // check-mark sized: ticked, unticked, the chosen form's mark
};

}  // namespace orvanta::win32
