#include "tools/exchange/exchange_output.h"

namespace orvanta {

void ExchangeOutput::send(const FinalResult& result) {
  // Only what equals shows is typed: the panels and the grab keep their results to themselves.
  if (!options_.automatic || result.source != ResultSource::Equals) return;
  if (const auto outgoing = outgoing_for(result, form_, options_)) sender_.deliver(*outgoing);
}

}  // namespace orvanta
