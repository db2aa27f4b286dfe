#include "sim/sim.h"

namespace orvanta::sim {

// Key presses, base, set and print arrive with the calculator engine.
void register_calculator_commands(CommandTable& table) {
  table["print"] = [](SimContext& c, std::string_view) {
    c.out << "lcd=0.\terr=0\tlights=\tbar=\tsaid=\n";
  };
}

}  // namespace orvanta::sim
