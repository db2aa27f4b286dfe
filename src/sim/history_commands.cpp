// The history tape: every finished calculation of this run, kept in memory.
#include "sim/calculator_sim.h"
#include "sim/sim.h"
#include "tools/history/tape_entry.h"

namespace orvanta::sim {
namespace {

void history(SimContext& context, std::string_view args) {
  HistoryTape& tape = calculator_sim(context).tape;
  if (args == "clear") {
    tape.clear();
    return;
  }
  if (!args.empty()) throw SimError("history: expected nothing or clear");
  for (const TapeEntry& entry : tape.entries()) context.out << tape_line(entry) << "\n";
  context.out << "end\n";
}

}  // namespace

void register_history_commands(CommandTable& table) {
  table["history"] = history;
}

}  // namespace orvanta::sim
