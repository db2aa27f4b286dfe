// The exchange with the window below: the grab of a selection, and the settings of the
// exchange that `set` changes.
#include <string>

#include "sim/calculator_sim.h"
#include "sim/sim.h"
#include "tools/exchange_options.h"
#include "tools/grab_into_calculator.h"

namespace orvanta::sim {
namespace {

struct ExchangeSim : SimContext::Extension {
  ExchangeOptions options;
};

ExchangeSim& exchange_sim(SimContext& context) {
  auto& slot = context.extensions["exchange"];
  if (!slot) slot = std::make_unique<ExchangeSim>();
  return static_cast<ExchangeSim&>(*slot);
}

// "\n" in the script stands for a line break of the selection.
std::string selection_text(std::string_view args) {
  std::string text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == '\\' && i + 1 < args.size() && args[i + 1] == 'n') {
      text += '\n';
      ++i;
    } else {
      text += args[i];
    }
  }
  return text;
}

// As if the window below had put the selection on the clipboard for Ctrl+C.
void grab(SimContext& context, std::string_view args) {
  CalculatorSim& sim = calculator_sim(context);
  const std::optional<std::string> formula =
      grab_into_calculator(sim.calculator, sim.ports.formula_bar, selection_text(args),
                           exchange_sim(context).options.capture_operator);
  context.out << "grab=" << (formula ? *formula : sim.ports.formula_bar.bar) << "\n";
}

}  // namespace

bool set_exchange_setting(SimContext& context, std::string_view key, std::string_view value) {
  if (!apply_exchange_setting(exchange_sim(context).options, key, value)) return false;
  calculator_sim(context).ports.settings.write_text(kSetupSection, key, value);
  return true;
}

void register_exchange_commands(CommandTable& table) {
  table["grab"] = grab;
}

}  // namespace orvanta::sim
