#include "win32/chrome/menus.h"

#include "face/face_layout.h"
#include "platform/wide.h"
#include "win32/chrome/menu_ids.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr MenuItem kLcdMenu[] = {
    {kMenuAbout, L"软件信息"},
    {kMenuHelp, L"帮助"},
    {kMenuAutoOutput, L"数据自动输入其它窗口"},
    {0, nullptr},
    {kMenuFormFigures, L"阿拉伯数字形式"},
    {kMenuFormCapitals, L"中文大写形式"},
    {kMenuFormRmbCapitals, L"人民币中文大写形式"},
    {kMenuFormRmbFigures, L"人民币阿拉伯数字形式"},
    {0, nullptr},
    {kMenuFormula, L"* 表达式（公式）计算 *"},
    {kMenuIncomeTax, L"* 个人所得税计算 *"},
    {kMenuBigNumbers, L"* 超大数计算 *"},
    {kMenuHistory, L"历史记录"},
    {0, nullptr},
    {kMenuSettings, L"参数设置"},
    {kMenuKeyboard, L"自定义键盘"},
    {kMenuSkin, L"自定义皮肤颜色"},
    {kMenuDefaultCalculator, L"设为系统默认计算器"},
    {kMenuDesktopShortcut, L"添加到桌面快捷方式"},
    {0, nullptr},
    {kMenuMinimise, L"最小化"},
    {kMenuClose, L"关闭计算器"},
};

constexpr MenuItem kMiniMenu[] = {
    {kMenuRestore, L"恢复"},
    {kMenuMinimise, L"最小化"},
    {kMenuClose, L"关闭计算器"},
};

constexpr MenuItem kTrayMenu[] = {
    {kTrayShow, L"显示计算器"},
    {kTrayClose, L"关闭计算器"},
};

bool always(UINT) {
  return true;
}

void popup(HMENU menu, HWND owner, POINT at) {
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace

UniqueMenu create_menu(std::span<const MenuItem> items, const MenuEnabled& enabled) {
  UniqueMenu menu(check_handle(CreatePopupMenu(), L"CreatePopupMenu"));
  if (!menu) return menu;
  for (const MenuItem& item : items) {
    const UINT flags = item.id == 0       ? MF_SEPARATOR
                       : enabled(item.id) ? MF_STRING
                                          : MF_STRING | MF_GRAYED;
    check(AppendMenuW(menu.get(), flags, item.id, item.text) != FALSE, L"AppendMenuW");
  }
  return menu;
}

UniqueMenu create_lcd_menu(const MenuEnabled& enabled) {
  return create_menu(kLcdMenu, enabled);
}

UniqueMenu create_mini_menu() {
  return create_menu(kMiniMenu, always);
}

UniqueMenu create_tray_menu() {
  return create_menu(kTrayMenu, always);
}

namespace {

// The system draws a check-mark bitmap from its top-left corner in a place of SM_CXMENUCHECK by
// SM_CYMENUCHECK pixels (13 to 15 at 96 dpi): the 16-pixel picture, drawn within a margin of 2,
// is centred in a bitmap of that size.
UniqueBitmap check_mark_sized(HBITMAP picture, face::Rgb background) {
  BITMAP info{};
  if (picture == nullptr || GetObjectW(picture, sizeof info, &info) == 0) return UniqueBitmap();
  const int cx = GetSystemMetrics(SM_CXMENUCHECK);
  const int cy = GetSystemMetrics(SM_CYMENUCHECK);
  const HDC screen = GetDC(nullptr);
  UniqueBitmap mark(
      check_handle(CreateCompatibleBitmap(screen, cx, cy), L"CreateCompatibleBitmap"));
  const UniqueMemoryDc to(check_handle(CreateCompatibleDC(screen), L"CreateCompatibleDC"));
  const UniqueMemoryDc from(check_handle(CreateCompatibleDC(screen), L"CreateCompatibleDC"));
  ReleaseDC(nullptr, screen);
  if (!mark || !to || !from) return UniqueBitmap();
  const HGDIOBJ old_to = SelectObject(to.get(), mark.get());
  const HGDIOBJ old_from = SelectObject(from.get(), picture);
  const UniqueBrush fill(CreateSolidBrush(RGB(background.red, background.green, background.blue)));
  const RECT all{0, 0, cx, cy};
  FillRect(to.get(), &all, fill.get());
  check(BitBlt(to.get(), (cx - info.bmWidth) / 2, (cy - info.bmHeight) / 2, info.bmWidth,
               info.bmHeight, from.get(), 0, 0, SRCCOPY) != FALSE,
        L"BitBlt");
  SelectObject(from.get(), old_from);
  SelectObject(to.get(), old_to);
  return mark;
}

void set_check_marks(HMENU menu, UINT id, HBITMAP checked, HBITMAP unchecked) {
  MENUITEMINFOW mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_CHECKMARKS;
  mi.hbmpChecked = checked;
  mi.hbmpUnchecked = unchecked;
  check(SetMenuItemInfoW(menu, id, FALSE, &mi) != FALSE, L"SetMenuItemInfoW");
}

void set_state(HMENU menu, UINT id, UINT state) {
  MENUITEMINFOW mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STATE;
  mi.fState = state;
  check(SetMenuItemInfoW(menu, id, FALSE, &mi) != FALSE, L"SetMenuItemInfoW");
}

}  // namespace

bool PopupMenus::create(HINSTANCE instance, const MenuEnabled& enabled) {
  lcd_ = create_lcd_menu(enabled);
  mini_ = create_mini_menu();
  tray_ = create_tray_menu();
  if (!lcd_ || !mini_ || !tray_) return false;
  for (size_t i = 0; i < face::kMenuImages.size(); ++i) {
    const UniqueBitmap picture(static_cast<HBITMAP>(
        LoadImageW(instance, to_wide(face::kMenuImages[i]).c_str(), IMAGE_BITMAP, 0, 0, 0)));
    images_[i] = check_mark_sized(picture.get(), face::kMenuImageBackground);
  }
  // The pictures take the check mark's place, so an item shows one mark and stays checked for
  // whoever asks its state (a screen reader says "checked").
  set_check_marks(lcd_.get(), kMenuAutoOutput, images_[0].get(), images_[1].get());
  for (UINT id = kMenuFormFigures; id <= kMenuFormRmbFigures; ++id)
    set_check_marks(lcd_.get(), id, images_[2].get(), nullptr);
  return true;
}

void PopupMenus::show_auto_output(bool on) {
  set_state(lcd_.get(), kMenuAutoOutput, on ? MFS_CHECKED : MFS_UNCHECKED);
  for (UINT id = kMenuFormFigures; id <= kMenuFormRmbFigures; ++id) {
    EnableMenuItem(lcd_.get(), id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  }
}

void PopupMenus::show_output_form(OutputForm form, bool auto_output) {
  const UINT chosen = kMenuFormFigures + static_cast<UINT>(form);
  for (UINT id = kMenuFormFigures; id <= kMenuFormRmbFigures; ++id) {
    set_state(
        lcd_.get(), id,
        (id == chosen ? MFS_CHECKED : MFS_UNCHECKED) | (auto_output ? MFS_ENABLED : MFS_GRAYED));
  }
}

void PopupMenus::popup_lcd(HWND owner, POINT at, bool mini) const {
  popup(mini ? mini_.get() : lcd_.get(), owner, at);
}

void PopupMenus::popup_tray(HWND owner, POINT at) const {
  popup(tray_.get(), owner, at);
}

}  // namespace orvanta::win32
