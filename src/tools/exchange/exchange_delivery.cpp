#include "tools/exchange/exchange_delivery.h"

namespace orvanta {

namespace {

constexpr unsigned kCharacterModeWaitMs = 300;
constexpr unsigned kKeyWaitMs = 50;

using Kind = DeliveryStep::Kind;

void press(std::vector<DeliveryStep>& steps, unsigned key) {
  steps.push_back({Kind::KeyDown, key});
  steps.push_back({Kind::KeyUp, key});
  steps.push_back({Kind::Wait, kKeyWaitMs});
}

// Ctrl with a letter, each key held 50 ms, then a wait for the window to act.
void control_with(std::vector<DeliveryStep>& steps, unsigned letter) {
  steps.push_back({Kind::KeyDown, kKeyControl});
  steps.push_back({Kind::KeyDown, letter});
  steps.push_back({Kind::Wait, kKeyWaitMs});
  steps.push_back({Kind::KeyUp, letter});
  steps.push_back({Kind::KeyUp, kKeyControl});
  steps.push_back({Kind::Wait, kKeyWaitMs});
}

}  // namespace

std::vector<DeliveryStep> delivery_steps(const Outgoing& outgoing, TargetCharset charset) {
  std::vector<DeliveryStep> steps;
  if (outgoing.mode == DeliveryMode::Characters) {
    for (const unsigned unit : typed_units(outgoing.text, charset)) {
      steps.push_back({Kind::Character, unit});
    }
    if (outgoing.trailing_space) steps.push_back({Kind::PostKey, kKeySpace});
    if (outgoing.line_break) steps.push_back({Kind::PostKey, kKeyReturn});
    steps.push_back({Kind::LetMessagesRun});
    steps.push_back({Kind::Wait, kCharacterModeWaitMs});
  } else {
    // Whatever "复制到系统剪贴板" says: the clipboard is how the whole text travels.
    steps.push_back({Kind::Wait, kKeyWaitMs});
    steps.push_back({Kind::CopyToClipboard});
    steps.push_back({Kind::RecipientToForeground});
    control_with(steps, kKeyV);
    if (outgoing.trailing_space) press(steps, kKeySpace);
    if (outgoing.line_break) press(steps, kKeyReturn);
  }
  steps.push_back({Kind::CalculatorToForeground});
  return steps;
}

std::vector<DeliveryStep> selection_copy_steps() {
  std::vector<DeliveryStep> steps{{Kind::RecipientToForeground}};
  control_with(steps, kKeyC);
  steps.push_back({Kind::CalculatorToForeground});
  return steps;
}

}  // namespace orvanta
