#include <ostream>
#include <string>

#include "display/number_wording.h"
#include "formula/evaluator.h"
#include "formula/formula_panel.h"
#include "sim/sim.h"

namespace orvanta::sim {
namespace {

std::string escape_line_breaks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

// Prints every message box as it is raised; the calculator itself is not touched here.
class PrintingFormulaHost : public FormulaHost {
 public:
  explicit PrintingFormulaHost(std::ostream& out) : out_(out) {}
  void message_box(std::string_view caption, std::string_view text, BoxIcon) override {
    out_ << "box " << caption << ": " << escape_line_breaks(text) << "\n";
  }
  void divide_by_zero_reset() override {}
  bool angle_degrees() const override { return true; }
  void let_messages_run() override {}

 private:
  std::ostream& out_;
};

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
  PrintingFormulaHost host(c.out);
  const std::string result = gs_step(formula, false, host);
  c.out << result << "\n";
}

void eval(SimContext& c, std::string_view formula) {
  PrintingFormulaHost host(c.out);
  PanelState& state = panel_state(c);
  state.panel.set_working_formula(std::string(formula));
  const FormulaRun run = state.panel.calculate(false, host);
  if (run.evaluated) state.out_text = run.out_text;
  c.out << "out=" << state.out_text << "\n";
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
}

}  // namespace orvanta::sim
