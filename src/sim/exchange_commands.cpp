// The exchange with the window below: the grab of a selection, with the options in force.
#include <string>

#include "sim/calculator_sim.h"
#include "sim/sim.h"
#include "tools/exchange/exchange_options.h"
#include "tools/exchange/grab_into_calculator.h"

namespace orvanta::sim {
namespace {

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
      grab_into_calculator(sim.calculator, selection_text(args),
                           exchange_options(sim.calculator.options()).capture_operator);
  context.out << "grab=" << (formula ? *formula : sim.ports.formula_bar.bar) << "\n";
}

}  // namespace

void register_exchange_commands(CommandTable& table) {
  table["grab"] = grab;
}

}  // namespace orvanta::sim
