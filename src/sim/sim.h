#pragma once
// orvanta-sim: drives the portable core from a command script (one command per line).
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvanta::sim {

// A line the simulator cannot understand; reported as "orvanta-sim: line N: <reason>".
struct SimError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// State shared by the command groups. Each group keeps its own state behind `Extension`.
struct SimContext {
  explicit SimContext(std::ostream& o) : out(o) {}
  std::ostream& out;
  struct Extension {
    virtual ~Extension() = default;
  };
  std::map<std::string, std::unique_ptr<Extension>> extensions;
};

// A command receives the rest of the line after the command word and one blank (may be empty).
using Command = std::function<void(SimContext&, std::string_view args)>;
using CommandTable = std::map<std::string, Command, std::less<>>;

// Command groups, each in its own file.
void register_calculator_commands(CommandTable& table);  // keys, base, set, bar, print
void register_formula_commands(CommandTable& table);     // step, eval, big, words
void register_exchange_commands(CommandTable& table);    // grab
void register_tool_commands(CommandTable& table);        // units, unit, tax, paye, bonus, pick
void register_alarm_commands(CommandTable& table);       // clock, alarm, tick
void register_keyboard_commands(CommandTable& table);    // key, bind
void register_history_commands(CommandTable& table);     // history

// `set` for the income-tax panel's base, deductible items and table; false for another key.
bool set_tool_setting(SimContext& context, std::string_view key, std::string_view value);

// The next word of `rest` (blanks before it skipped); `rest` keeps what follows the word,
// starting with its blank.
std::string_view next_word(std::string_view& rest);

// Runs a whole script; returns the process exit status.
int run_script(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace orvanta::sim
