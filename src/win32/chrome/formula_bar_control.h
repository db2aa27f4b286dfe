#pragma once
// show_gs, the formula bar above the LCD: a long field (panels/long_field.h, which answers the
// edit messages) that is the core's FormulaBar port.
// It owns its font and colours, swallows Enter, asks the core before each typed key and
// reports the user's own changes of its text (not the program's).
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ports/formula_bar.h"
#include "face/display_scale.h"
#include "face/face_layout.h"
#include "platform/handles_win32.h"

namespace orvanta::win32 {

class FormulaBarControl : public FormulaBar {
 public:
  struct Handlers {
    std::function<bool()> key_allowed;  // a key is about to reach the bar; false drops it
    std::function<void(std::string_view text)> changed;  // the user changed the text
  };

  FormulaBarControl() = default;
  FormulaBarControl(const FormulaBarControl&) = delete;
  FormulaBarControl& operator=(const FormulaBarControl&) = delete;

  // `place` and the font at the face's `scale`.
  bool create(HWND parent, const face::DisplayScale& scale, Handlers handlers);
  // Moves to its place and takes its font at another scale.
  void rescale(const face::DisplayScale& scale);
  HWND hwnd() const { return edit_; }
  void show(bool shown);

  // The bar's colours and change notifications arrive at its parent, which hands each message
  // here first; true when it was the bar's, with the answer in `result`.
  bool parent_message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  void set_text(std::string_view text) override;
  void set_read_only(bool read_only) override;

 private:
  std::string text() const;
  HWND edit_ = nullptr;
  bool key_pending_ = false;                // the next change of the text is the user's
  bool setting_ = false;                    // the change under way is ours
  std::optional<std::wstring> shown_text_;  // what we last set, until the user edits it
  Handlers handlers_;
  UniqueFont font_;
  UniqueBrush brush_;
};

}  // namespace orvanta::win32
