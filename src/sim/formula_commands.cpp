#include <charconv>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "display/number_wording.h"
#include "formula/big_panel.h"
#include "formula/evaluator.h"
#include "formula/formula_panel.h"
#include "sim/calculator_sim.h"
#include "sim/sim.h"

namespace orvanta::sim {
namespace {

// The formula panel keeps its result field between evaluations: a refused formula leaves it.
struct PanelState : SimContext::Extension {
  FormulaPanel panel;
  std::string out_text;
};

PanelState& panel_state(SimContext& c) {
  auto& slot = c.extensions["formula_panel"];
  if (!slot) slot = std::make_unique<PanelState>();
  return static_cast<PanelState&>(*slot);
}

void step(SimContext& c, std::string_view formula) {
  const std::string result = gs_step(formula, false, calculator_sim(c).calculator.formula_host());
  c.out << result << "\n";
}

// As "计 算" on the panel: the evaluator runs against the calculator (its degree flag, its
// division-by-zero reset, its message boxes), and a finished number goes onto the LCD.
void eval(SimContext& c, std::string_view formula) {
  Calculator& calculator = calculator_sim(c).calculator;
  PanelState& state = panel_state(c);
  state.panel.set_working_formula(std::string(formula));
  const FormulaRun run = state.panel.calculate(false, calculator.formula_host());
  if (run.evaluated) state.out_text = run.out_text;
  c.out << "out=" << state.out_text << "\n";
  calculator.take_formula_result(run, formula);
}

std::vector<std::string_view> split_words(std::string_view args) {
  std::vector<std::string_view> words;
  while (!args.empty()) {
    const size_t start = args.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    args.remove_prefix(start);
    const size_t end = args.find(' ');
    words.push_back(args.substr(0, end));
    args = end == std::string_view::npos ? std::string_view{} : args.substr(end);
  }
  return words;
}

void big(SimContext& c, std::string_view args) {
  const std::vector<std::string_view> words = split_words(args);
  if (words.size() < 3 || words.size() > 4) {
    throw SimError("big: expected add|sub|mul|div <a> <b> [<p>]");
  }
  const std::string_view op = words[0];
  const std::string_view a = words[1];
  const std::string_view b = words[2];
  std::int64_t precision = 10;
  if (words.size() == 4) {
    const std::string_view p = words[3];
    const auto [end, error] = std::from_chars(p.data(), p.data() + p.size(), precision);
    if (error != std::errc{} || end != p.data() + p.size() || op != "div") {
      throw SimError("big: bad precision '" + std::string(p) + "'");
    }
  }
  BigOperation operation = BigOperation::Add;
  if (op == "add") {
    operation = BigOperation::Add;
  } else if (op == "sub") {
    operation = BigOperation::Subtract;
  } else if (op == "mul") {
    operation = BigOperation::Multiply;
  } else if (op == "div") {
    operation = BigOperation::Divide;
  } else {
    throw SimError("big: expected add, sub, mul or div, got '" + std::string(op) + "'");
  }
  // As a button of the panel: a field it cannot read gets its box and no result.
  CalculatorSim& sim = calculator_sim(c);
  if (!big_operands_accepted(a, b, sim.ports.message_boxes)) return;
  std::string result =
      big_signed_result(operation, *read_big_operand(a), *read_big_operand(b), precision);
  c.out << result << "\n";
  sim.calculator.report_result(big_number_result(operation, a, b, std::move(result)));
}

void words(SimContext& c, std::string_view args) {
  const size_t blank = args.find(' ');
  const std::string_view form = args.substr(0, blank);
  const std::string_view number =
      blank == std::string_view::npos ? std::string_view{} : args.substr(blank + 1);
  if (form == "cn") {
    c.out << CnUpper(number) << "\n";
  } else if (form == "rmb") {
    c.out << RmbUpper(number) << "\n";
  } else if (form == "money") {
    c.out << money_figures(number) << "\n";
  } else {
    throw SimError("words: expected cn, rmb or money, got '" + std::string(form) + "'");
  }
}

}  // namespace

void register_formula_commands(CommandTable& table) {
  table["step"] = step;
  table["eval"] = eval;
  table["words"] = words;
  table["big"] = big;
}

}  // namespace orvanta::sim
