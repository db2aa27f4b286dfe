#include "tools/exchange/exchange_text.h"

namespace orvanta {

std::optional<Outgoing> outgoing_for(const FinalResult& result, OutputForm form,
                                     const ExchangeOptions& options) {
  Outgoing out;
  out.text = output_text(form, result.value_text, result.shown_text);
  // Something wrong is worse than nothing in the user's document.
  if (out.text.empty()) return std::nullopt;
  if (options.with_formula && !result.formula.empty()) {
    out.text = result.formula + "=" + out.text;
  }
  out.trailing_space = options.trailing_space;
  out.line_break = options.line_break;
  out.copy_to_clipboard = options.copy_sent;
  out.mode = options.mode;
  return out;
}

}  // namespace orvanta
