#include "tools/exchange/exchange_options.h"

namespace orvanta {

ExchangeOptions exchange_options(const Options& options) {
  static constexpr char kSigns[] = "+-*/";
  const bool known_sign = options.capture >= 1 && options.capture <= 4;
  return {options.output_formula,
          options.output_space,
          options.output_enter,
          options.output_clipboard,
          options.ignore_topmost,
          known_sign ? kSigns[options.capture - 1] : '+',
          options.output_type == 2 ? DeliveryMode::Whole : DeliveryMode::Characters,
          options.auto_output};
}

}  // namespace orvanta
