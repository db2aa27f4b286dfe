#include "win32/features/shortcuts/shortcuts_feature.h"

#include "tools/shell/shortcut_actions.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void ShortcutsFeature::attach(FeatureContext& context) {
  MessageBoxes& boxes = context.boxes();
  context.menu(kMenuDesktopShortcut, [this, &boxes] { add_desktop_shortcut(shell_, boxes); });
  context.menu(kMenuDefaultCalculator,
               [this, &boxes] { replace_system_calculator(shell_, boxes); });
}

}  // namespace orvanta::win32
