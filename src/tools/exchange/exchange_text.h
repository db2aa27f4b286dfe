#pragma once
// The text that a final result sends to the window below, and what the sender does with it.
#include <optional>
#include <string>

#include "display/output_form.h"
#include "engine/ports/result_output.h"
#include "tools/exchange/exchange_options.h"

namespace orvanta {

struct Outgoing {
  // UTF-8; the sender types it, or pastes it in whole mode.
  std::string text;
  bool trailing_space = false;     // a Space key press after the text
  bool line_break = false;         // then an Enter key press
  bool copy_to_clipboard = false;  // also leave the text on the clipboard
  DeliveryMode mode = DeliveryMode::Characters;

  bool operator==(const Outgoing&) const = default;
};

// Any text (a panel's table) as the options in force send it: the Space, the Enter, the copy.
Outgoing outgoing_text(std::string text, const ExchangeOptions& options);

// The result in its output form ("1,435.75", "壹仟肆佰叁拾伍点柒伍", "人民币…", "￥1435.75"),
// after the formula and "=" when the option is on and a chain goes with the result
// ("1+2=3"). Nothing when the form has no text for the value.
std::optional<Outgoing> outgoing_for(const FinalResult& result, OutputForm form,
                                     const ExchangeOptions& options);

}  // namespace orvanta
