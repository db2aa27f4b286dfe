#include "tools/exchange/exchange_text.h"

#include <utility>

namespace orvanta {

Outgoing outgoing_text(std::string text, const ExchangeOptions& options) {
  Outgoing out;
  out.text = std::move(text);
  out.trailing_space = options.trailing_space;
  out.line_break = options.line_break;
  out.copy_to_clipboard = options.copy_sent;
  out.mode = options.mode;
  return out;
}

std::optional<Outgoing> outgoing_for(const FinalResult& result, OutputForm form,
                                     const ExchangeOptions& options) {
  std::string text = output_text(form, result.value_text, result.shown_text);
  // Something wrong is worse than nothing in the user's document.
  if (text.empty()) return std::nullopt;
  if (options.with_formula && !result.formula.empty()) text = result.formula + "=" + text;
  return outgoing_text(std::move(text), options);
}

}  // namespace orvanta
