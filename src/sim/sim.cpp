#include "sim/sim.h"

#include <istream>

namespace orvanta::sim {

std::string_view next_word(std::string_view& rest) {
  const auto start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const auto end = rest.find(' ');
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
  return word;
}

int run_script(std::istream& in, std::ostream& out, std::ostream& err) {
  CommandTable table;
  register_calculator_commands(table);
  register_formula_commands(table);
  register_exchange_commands(table);
  register_tool_commands(table);
  register_alarm_commands(table);
  register_keyboard_commands(table);
  register_history_commands(table);
  SimContext context(out);

  std::string line;
  int line_number = 0;
  while (std::getline(in, line)) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    const std::string_view args =
        blank == std::string::npos ? std::string_view{} : std::string_view(line).substr(blank + 1);
    try {
      // A key name with no other command of that name is a key press.
      auto it = table.find(word);
      if (it == table.end()) it = table.find("<key>");
      if (it == table.end()) throw SimError("unknown command '" + word + "'");
      it->second(context, it->first == "<key>" ? std::string_view(line) : args);
      out.flush();
    } catch (const SimError& e) {
      out.flush();
      err << "orvanta-sim: line " << line_number << ": " << e.what() << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace orvanta::sim
