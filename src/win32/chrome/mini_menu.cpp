#include "win32/chrome/mini_menu.h"

#include "win32/chrome/menu_ids.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {

UniqueMenu create_mini_menu() {
  UniqueMenu menu(check_handle(CreatePopupMenu(), L"CreatePopupMenu"));
  if (!menu) return menu;
  const HMENU m = menu.get();
  check(AppendMenuW(m, MF_STRING, kMenuRestore, L"恢复") != FALSE, L"AppendMenuW");
  check(AppendMenuW(m, MF_STRING, kMenuMinimise, L"最小化") != FALSE, L"AppendMenuW");
  check(AppendMenuW(m, MF_STRING, kMenuClose, L"关闭计算器") != FALSE, L"AppendMenuW");
  return menu;
}

}  // namespace orvanta::win32
