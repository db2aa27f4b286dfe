#include "tools/exchange/exchange_output.h"

namespace orvanta {

void ExchangeOutput::send(const FinalResult& result) {
  if (!options_.automatic) return;
  if (const auto outgoing = outgoing_for(result, form_, options_)) sender_.deliver(*outgoing);
}

}  // namespace orvanta
