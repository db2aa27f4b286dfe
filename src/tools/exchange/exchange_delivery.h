#pragma once
// The steps that deliver an outgoing text into the control that has the focus in the window
// below, in their order: the Windows front end carries them out one by one.
#include <vector>

#include "tools/exchange/exchange_text.h"
#include "tools/exchange/exchange_typing.h"

namespace orvanta {

// Virtual-key codes of the keys the delivery presses.
inline constexpr unsigned kKeySpace = 0x20;
inline constexpr unsigned kKeyReturn = 0x0D;
inline constexpr unsigned kKeyControl = 0x11;
inline constexpr unsigned kKeyC = 0x43;
inline constexpr unsigned kKeyV = 0x56;

struct DeliveryStep {
  enum class Kind {
    Character,               // send one character message to the recipient: `value` the unit
    PostKey,                 // post a key-down message to the recipient: `value` the key
    KeyDown,                 // synthesise a key going down: `value` the key
    KeyUp,                   // and up
    Wait,                    // block for `value` milliseconds
    LetMessagesRun,          // handle the pending window messages once
    CopyToClipboard,         // put the outgoing text on the clipboard
    RecipientToForeground,   // bring the window below to the foreground
    CalculatorToForeground,  // and the calculator back (on top again when it stays on top)
  };
  Kind kind;
  unsigned value = 0;

  bool operator==(const DeliveryStep&) const = default;
};

// Character mode: the text's character messages (units for `charset`), then a posted Space
// and Enter when asked, the messages run once and a wait of 300 ms. Whole mode: the clipboard
// and Ctrl+V with the waits of 50 ms, then Space and Enter as key presses. Both end with the
// calculator in front again.
std::vector<DeliveryStep> delivery_steps(const Outgoing& outgoing, TargetCharset charset);

// The grab's Ctrl+C in the window below: to the foreground, Ctrl+C with its waits, the
// calculator back in front. The clipboard is read after these.
std::vector<DeliveryStep> selection_copy_steps();

}  // namespace orvanta
