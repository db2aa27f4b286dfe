#pragma once
// A shortcut on the desktop, and this program as the system's calculator, from the LCD menu.
#include "win32/features/feature.h"
#include "win32/system/desktop_shell.h"

namespace orvanta::win32 {

class ShortcutsFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;

 private:
  WindowsDesktopShell shell_;
};

}  // namespace orvanta::win32
