#pragma once
// The exchange with the window below as Windows carries it out: a result typed or pasted into
// the control with the caret, and the selection copied out of it for the grab.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/ports/message_pump.h"
#include "tools/exchange/exchange_delivery.h"
#include "tools/exchange/exchange_output.h"

namespace orvanta::win32 {

class WindowExchange : public ExchangeSender {
 public:
  // `calculator` is the main window (its handle may still be unset when this is made).
  WindowExchange(const HWND* calculator, MessagePump& pump)
      : calculator_(calculator), pump_(pump) {}

  // "搜索下层窗口时忽略置顶窗口" and "窗口总在最前面".
  void set_skip_topmost(bool on) { skip_topmost_ = on; }
  void set_stay_on_top(bool on) { stay_on_top_ = on; }

  // Types or pastes the text into the window below; with no window below nothing is sent and
  // no key is pressed anywhere.
  void deliver(const Outgoing& outgoing) override;

  // The grab's Ctrl+C in the window below, then the clipboard's text. None when there is no
  // window below, it could not be brought forward, or it copied nothing (the clipboard did
  // not change: an older text there is no selection of that window).
  std::optional<std::string> copy_selection_below();

 private:
  // Carries out the steps; false when one could not be done safely and the rest was left.
  bool run(const std::vector<DeliveryStep>& steps, HWND recipient, const std::string& text);
  void calculator_to_foreground();

  const HWND* calculator_;
  MessagePump& pump_;
  bool skip_topmost_ = true;
  bool stay_on_top_ = true;
};

}  // namespace orvanta::win32
