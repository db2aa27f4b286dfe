#include "sim/sim.h"

namespace orvanta::sim {

// step, eval, big and words arrive with the formula evaluator.
void register_formula_commands(CommandTable&) {}

}  // namespace orvanta::sim
