#pragma once
// The keyboard: the key table turns keys into presses of face keys (key preview), the "缩/弹"
// binding is the global hotkey, and the key-binding editor's panel is made when the menu item
// first opens it.
#include <memory>

#include "tools/keyboard/key_bindings.h"
#include "tools/keyboard/key_editor.h"
#include "win32/features/feature.h"
#include "win32/features/keyboard/key_panel.h"

namespace orvanta::win32 {

class KeyboardFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;
  bool pre_translate(MSG& msg) override;
  bool window_message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void closing() override;

 private:
  bool key_down(int code);
  // False when the binding's combination is held by another program.
  bool register_hotkey();
  void editor_closed(bool stored);
  void open_panel();

  FeatureContext* context_ = nullptr;
  KeyTable key_table_;
  std::unique_ptr<KeyEditor> editor_;
  std::unique_ptr<KeyPanel> panel_;
  int hotkey_id_ = 0;  // the registered global hotkey, 0 for none
};

}  // namespace orvanta::win32
