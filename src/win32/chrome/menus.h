#pragma once
// The pop-up menus of the LCD (full and mini form) and of the tray icon, built from tables of
// items; the command ids are in menu_ids.h.
#include <windows.h>

#include <functional>
#include <span>

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

}  // namespace orvanta::win32
