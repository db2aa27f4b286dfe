#pragma once
// The LCD pop-up menu's mini form, used while only the LCD is shown: "恢复", "最小化" and
// "关闭计算器", with the full menu's commands.
#include "platform/handles_win32.h"

namespace orvanta::win32 {

UniqueMenu create_mini_menu();

}  // namespace orvanta::win32
