#include "win32/chrome/menus.h"

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

}  // namespace orvanta::win32
