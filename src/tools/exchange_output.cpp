#include "tools/exchange_output.h"

namespace orvanta {

void ExchangeOutput::send(const FinalResult& result) {
  if (const auto outgoing = outgoing_for(result, options_)) sender_.deliver(*outgoing);
}

}  // namespace orvanta
