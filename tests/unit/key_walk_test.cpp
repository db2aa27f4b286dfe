// A random walk through the calculator as a restless user would take it: every face key with
// every button, base switches, settings, typing into the formula bar, the formula panel, and
// keys pressed while equals waits. No fault may escape a handler, and outside decimal the
// entry and the operand always stay texts of the base.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/key_handlers.h"
#include "formula/formula_panel.h"
#include "sim/calculator_sim.h"

namespace orvanta {
namespace {

constexpr std::string_view kDigits = "0123456789ABCDEF";

// Outside decimal a text is digits of its base; "0." is the one zero form an operand may
// carry (never the entry, which the digit keys lengthen).
bool is_text_of_base(std::string_view text, NumberBase base, bool is_entry) {
  if (base == NumberBase::Dec || text.empty()) return true;
  if (!is_entry && text == "0.") return true;
  const std::string_view allowed = kDigits.substr(0, base == NumberBase::Hex   ? 16
                                                     : base == NumberBase::Oct ? 8
                                                                               : 2);
  return text.find_first_not_of(allowed) == std::string_view::npos;
}

class KeyWalk {
 public:
  explicit KeyWalk(unsigned seed) : random_(seed), calc_(ports_.ports()) {
    sim::start_calculator(calc_);
    // Keys pressed while equals reads out or the evaluator lets messages run.
    ports_.pump.during_wait = [this](int) {
      if (depth_ < 2 && chance(0.2)) {
        ++depth_;
        try {
          log_.push_back("(while waiting) " + step());
        } catch (const std::exception& e) {
          escaped_ = e.what();
        }
        --depth_;
      }
    };
  }

  // One command; returns what it was, for the report of a failure.
  std::string step() {
    const int kind = pick(20);
    if (kind < 12) return press_key();
    if (kind < 14) return digits();
    if (kind == 14) return switch_base();
    if (kind == 15) return change_setting();
    if (kind == 16) return type_into_bar();
    if (kind == 17) return panel();
    return operator_run();
  }

  const CalcState& state() const { return calc_.calc_state(); }
  // What escaped a key pressed during a wait, if anything.
  const std::string& escaped() const { return escaped_; }
  // Every command so far, those pressed during waits included.
  std::vector<std::string>& log() { return log_; }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

  std::string press_key() {
    const auto keys = key_table();
    const KeyEntry& key = keys[static_cast<std::size_t>(pick(static_cast<int>(keys.size())))];
    static constexpr MouseButton kButtons[] = {MouseButton::Left, MouseButton::Left,
                                               MouseButton::Right, MouseButton::Middle};
    const MouseButton button = kButtons[pick(4)];
    (calc_.*key.handler)(button);
    return std::string(key.name) + (button == MouseButton::Right    ? " right"
                                    : button == MouseButton::Middle ? " middle"
                                                                    : "");
  }

  std::string digits() {
    std::string typed;
    for (int n = 1 + pick(16); n > 0; --n) {
      const int which = pick(18);
      if (which == 17) {
        calc_.kp(MouseButton::Left);
        typed += '.';
      } else if (which == 16) {
        calc_.kzf(MouseButton::Left);
        typed += '~';
      } else {
        (calc_.*find_key_handler(std::string("k") +
                                 static_cast<char>(which < 10 ? '0' + which : 'a' + which - 10)))(
            MouseButton::Left);
        typed += kDigits[static_cast<std::size_t>(which)];
      }
    }
    return "digits " + typed;
  }

  std::string operator_run() {
    static constexpr std::string_view kNames[] = {"kadd", "ksub", "ksum", "kdiv", "kdy",
                                                  "ce",   "tg",   "kycf", "kmod", "ms",
                                                  "mr",   "madd", "knot", "k_shl"};
    const std::string_view name = kNames[pick(14)];
    (calc_.*find_key_handler(name))(MouseButton::Left);
    return std::string(name);
  }

  std::string switch_base() {
    if (chance(0.2)) {
      const int y = pick(62);
      calc_.Image5(MouseButton::Left, y);
      return "Image5 " + std::to_string(y);
    }
    static constexpr std::string_view kBases[] = {"Khex_on", "kden_on", "kocx_on", "kbin_on"};
    const std::string_view name = kBases[pick(4)];
    (calc_.*find_key_handler(name))(MouseButton::Left);
    return std::string(name);
  }

  std::string change_setting() {
    static constexpr std::pair<std::string_view, std::string_view> kSettings[] = {
        {"Device_Science_calc", "1"}, {"Device_Science_calc", "0"}, {"Device_point", "2"},
        {"Device_point", "-1"},       {"Device_point", "0"},        {"Device_point", "15"},
        {"Device_1000", "1"},         {"Device_1000", "0"},         {"Device_angle", "0"},
        {"Device_sound", "0"},        {"Device_sound", "1"},        {"Device_AutoCopyTo", "1"}};
    const auto& [key, value] = kSettings[pick(12)];
    calc_.change_setting(key, value);
    return "set " + std::string(key) + " " + std::string(value);
  }

  std::string formula() {
    static constexpr std::string_view kPieces[] = {
        "0", "1", "2",  "7",  "9",  ".",    "+",     "-",     "*",     "/",  "^",
        "(", ")", ",",  "E",  "x",  "SIN(", "SQRT(", "SECA(", "LN(",   "+(", "1000000000",
        "3", "5", "）", "．", "＋", "（",   "９",    "-(",    "99999", "0)", "ABS("};
    std::string text;
    for (int n = pick(10); n > 0; --n) text += kPieces[pick(std::size(kPieces))];
    return text;
  }

  // A key typed into the formula bar and the text it left there.
  std::string type_into_bar() {
    const std::string text = formula();
    if (calc_.formula_bar_key()) {
      ports_.formula_bar.bar = text;
      calc_.formula_bar_changed(text);
    }
    return "bar " + text;
  }

  // The formula panel's "计 算", single step or not, and its number onto the LCD.
  std::string panel() {
    const bool single = chance(0.5);
    if (!single || chance(0.3)) panel_.set_working_formula(formula());
    const std::string formula_text = panel_.working_formula();
    calc_.take_formula_result(panel_.calculate(single, calc_.formula_host()), formula_text);
    return std::string(single ? "step " : "eval ") + formula_text;
  }

  std::mt19937 random_;
  sim::RecordingPorts ports_;
  Calculator calc_;
  FormulaPanel panel_;
  int depth_ = 0;
  std::string escaped_;
  std::vector<std::string> log_;
};

TEST(KeyWalk, NoFaultEscapesAndOtherBasesKeepTheirTexts) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    KeyWalk walk(seed);
    for (int command = 0; command < 1500; ++command) {
      std::string done;
      try {
        done = walk.step();
      } catch (const std::exception& e) {
        done = std::string("escaped: ") + e.what();
      }
      if (!walk.escaped().empty()) done += " / escaped while waiting: " + walk.escaped();
      walk.log().push_back(done + " => [" + walk.state().entry_text + "|" + walk.state().acc_text +
                           "|" + std::to_string((int)walk.state().calc_base) + "|" +
                           std::to_string(static_cast<int>(walk.state().pending_op)) + "] " +
                           walk.state().shown_text);
      const CalcState& st = walk.state();
      const bool sound = done.find("escaped") == std::string::npos &&
                         is_text_of_base(st.entry_text, st.calc_base, true) &&
                         is_text_of_base(st.acc_text, st.calc_base, false);
      if (!sound) {
        std::ostringstream last;
        const auto& log = walk.log();
        for (auto it = log.size() > 16 ? log.end() - 16 : log.begin(); it != log.end(); ++it) {
          last << "\n  " << *it;
        }
        FAIL() << "seed " << seed << ", command " << command << ": entry \"" << st.entry_text
               << "\", operand \"" << st.acc_text << "\" after:" << last.str();
      }
    }
  }
}

}  // namespace
}  // namespace orvanta
