#pragma once
// Command identifiers of the LCD pop-up menu and the tray menu (the tests send them too).
#include <windows.h>

namespace orvanta::win32 {

// LCD pop-up menu and tray menu commands.
enum MenuId : UINT {
  kMenuAbout = 100,
  kMenuHelp,
  kMenuAutoOutput,
  kMenuFormFigures,
  kMenuFormCapitals,
  kMenuFormRmbCapitals,
  kMenuFormRmbFigures,
  kMenuFormula,
  kMenuIncomeTax,
  kMenuBigNumbers,
  kMenuSettings,
  kMenuKeyboard,
  kMenuSkin,
  kMenuDefaultCalculator,
  kMenuDesktopShortcut,
  kMenuRestore,
  kMenuMinimise,
  kMenuClose,
  kMenuHistory,
  kTrayShow = 200,
  kTrayClose,
};

}  // namespace orvanta::win32
