// The one routine that puts a text on the LCD and keeps the formula bar, the clipboard, the
// output below and the unit converter in step with it.
#include <string>

#include "display/lcd_text.h"
#include "engine/calculator.h"
#include "engine/formula_text.h"
#include "formula/formula_panel.h"
#include "numeric/base_conversion.h"
#include "numeric/calc_error.h"

namespace orvanta {

namespace {

constexpr int kConverterCategories = 11;

}  // namespace

void Calculator::qel_play(std::string_view text_in, Shown kind) {
  // A copy: callers may pass a view of a state field that this routine rewrites.
  const std::string text(text_in);
  state_.nothing_computed = false;
  state_.entry_stored = false;
  const bool decimal = state_.calc_base == NumberBase::Dec;
  // A number being typed shows the digits as typed: a fixed precision applies to results.
  const bool typed = kind == Shown::Typed;
  std::string s = text;
  if (decimal && !typed) s = apply_precision(s, options_.precision);
  state_.shown_text = s;
  state_.unit_source_text = s;

  // A finished chain is dropped from the formula bar; one waiting for its operand stays.
  if (!state_.equals_busy) {
    if (state_.formula_head.empty()) state_.formula_head = " ";
    if (!ends_with_operator(state_.formula_head)) state_.formula_head.clear();
  }
  if (!state_.entry_text.empty()) {
    state_.formula_tail = to_decimal(state_.entry_text, state_.entry_base);
  }
  if ((!divide_by_zero_shown_ || !state_.formula_tail.empty()) && !state_.keep_formula_once) {
    show_in_formula_bar(state_.formula_head + state_.formula_tail);
  }
  state_.keep_formula_once = false;

  std::string grouped = s;
  if (options_.thousands && decimal) grouped = typed ? typed_thousands(s) : apply_thousands(s);
  hide_operator_lights();
  state_.is_negative = false;
  if (options_.result_to_clipboard) ports_.clipboard.set_text(grouped);
  // The cells never show a number smaller than it is: separators that would push integer
  // digits off them are left out there, and a number whose integer digits still do not fit
  // goes into the exponent form.
  std::string cells = grouped;
  std::string sent = grouped;
  std::string value = text;  // what the wordings read
  if (decimal) {
    cells = fit_to_cells(integer_cells(grouped) > LcdFrame::kCells ? s : grouped, LcdFrame::kCells);
    // A result already in the exponent form goes below as its cells show it; plain digits go
    // whole, as the window below has room for them.
    if (grouped.find('E') != std::string::npos && cells != grouped) sent = value = cells;
  }
  // Only the display of the equals' own result is sent, and once: keys pressed while equals
  // waits also draw with equals_busy set, but run one reentry level deeper. Only a number
  // goes: a text without digits to write (an infinity that fails to draw just after this) is
  // never typed as a wrong amount.
  if (state_.equals_busy && result_to_send_ && result_to_send_->depth == reentry_depth_ &&
      !text.empty() && text != "0." && is_number_of_base(text, state_.calc_base) &&
      !divide_by_zero_shown_) {
    send_result(sent, value, text);
  }

  const std::string drawn = cells.substr(0, LcdFrame::kCells);
  // The light tells that the cells do not show the whole number (the tooltip does).
  frame_.lights.error_on =
      decimal ? !cells_show_whole(drawn, s, LcdFrame::kCells) : grouped.size() > LcdFrame::kCells;
  for (const char ch : drawn) {
    if (!has_glyph(ch)) throw CalcError("no glyph for a character of the display text");
    if (ch == '.' && state_.entry_text != "0") state_.has_point = true;
    if (ch == '-') state_.is_negative = true;
  }
  frame_.text = drawn;
  frame_.tooltip = lcd_tooltip(text, decimal);
  flush_frame();

  for (int category = 0; category < kConverterCategories; ++category) {
    state_.unit_category = category;
    ports_.converter.refresh(category, state_.unit_source_text, state_.calc_base);
  }
}

void Calculator::show_plain_text(std::string_view text) {
  guarded([&] {
    const std::string_view drawn = text.substr(0, LcdFrame::kCells);
    for (const char ch : drawn) {
      if (!has_glyph(ch)) throw CalcError("no glyph for a character of the display text");
    }
    frame_.lights.error_on = false;
    hide_operator_lights();
    frame_.text = drawn;
    frame_.tooltip = text;
  });
}

void Calculator::show_number_again() {
  const std::string& entry = state_.entry_text;
  if (entry.size() >= LcdFrame::kCells) return;
  guarded([&] {
    if ((entry.empty() || entry == "0") && state_.acc_text.empty()) {
      qel_play("0.");
    } else {
      qel_play(entry.empty() ? state_.acc_text : entry);
    }
  });
}

void Calculator::show_welcome_if_idle() {
  const std::string& entry = state_.entry_text;
  if (state_.acc_text.empty() && (entry.empty() || entry == "0")) show_welcome();
}

void Calculator::arm_result_output(bool chain_is_result) {
  result_to_send_ = ResultToSend{reentry_depth_, chain_is_result};
}

void Calculator::send_result(std::string_view shown, std::string_view value,
                             std::string_view full) {
  const bool chain_is_result = result_to_send_->chain_is_result;
  result_to_send_.reset();
  FinalResult result;
  result.shown_text = shown;
  // The wordings read a decimal value whatever the base on the LCD.
  result.value_text = to_decimal(value, state_.calc_base);
  std::string chain = chain_is_result ? finished_chain(bar_text_) : std::string();
  if (is_bare_number(chain)) chain.clear();
  // The chain stands in decimal, so it goes below with a decimal result only.
  if (state_.calc_base == NumberBase::Dec) result.formula = chain;
  result.base = state_.calc_base;
  result.calculation = chain.empty() ? last_operation_ : chain_in_base(chain, state_.calc_base);
  result.result_text = full;
  result.repeated = !computed_since_result_;
  computed_since_result_ = false;
  ports_.output.send(result);
}

}  // namespace orvanta
