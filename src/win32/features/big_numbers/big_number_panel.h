#pragma once
// Panel_super, the big-number panel: two decimal numbers of any length added, subtracted,
// multiplied or divided. The work runs on a thread of its own, so the window stays responsive
// with operands of a million digits.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "formula/big_panel.h"
#include "win32/panels/formula_links.h"
#include "win32/panels/panel.h"
#include "win32/system/window_message_boxes.h"

namespace orvanta::win32 {

class BigNumberPanel : public Panel {
 public:
  static constexpr int kLeft = 8;
  static constexpr int kTop = 153;
  static constexpr int kWidth = 449;
  static constexpr int kHeight = 250;
  static constexpr COLORREF kColour = RGB(192, 220, 192);

  // Each operation that computed: its operation, the two field texts and the result.
  using OnFinished = std::function<void(BigOperation, std::string_view first,
                                        std::string_view second, std::string result)>;

  BigNumberPanel(PanelHost& host, FormulaLinks links, OnFinished on_finished = {});
  ~BigNumberPanel() override;

  bool create(HWND parent);
  // One of the four buttons; ignored while an operation is still running.
  void run(BigOperation op);
  bool busy() const { return job_ != nullptr; }

 private:
  struct Job;
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void finish();
  void rewrite_precision();

  FormulaLinks links_;
  OnFinished on_finished_;
  std::shared_ptr<Job> job_;  // the operation running, shared with its thread
  bool rewriting_ = false;    // the precision field is being given its integer form
  HWND first_ = nullptr;
  HWND second_ = nullptr;
  HWND result_ = nullptr;
  HWND precision_ = nullptr;
  HWND owner_ = nullptr;  // the calculator's window, which owns the panel's boxes
  WindowMessageBoxes boxes_{&owner_};
};

}  // namespace orvanta::win32
