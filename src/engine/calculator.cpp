#include "engine/calculator.h"

#include <cmath>

#include "numeric/base_conversion.h"
#include "numeric/integer_ops.h"
#include "numeric/number_text.h"
#include "numeric/profile_values.h"

namespace orvanta {

Calculator::Calculator(const CalculatorPorts& ports) : ports_(ports) {
  frame_.lights.sound_on = options_.sound;
  frame_.lights.pt_mode = true;
  show_angle_lights();
}

// Runs inside a handler's catch, so it must not fail itself: an entry that is no number of its
// base is emptied before the display reads it again.
void Calculator::error_step() {
  say("se");
  if (!is_number_of_base(state_.entry_text, state_.entry_base)) state_.entry_text.clear();
  try {
    qel_play(kErrorMark);
  } catch (const std::exception&) {
    frame_.text = kErrorMark;
  }
  wait(0);
  state_.cur_value = 0;
  state_.entry_text.clear();
  state_.acc_text.clear();
  state_.formula_head.clear();
  state_.formula_tail.clear();
  // The mark's points are no decimal point of a number: the next number takes its own.
  state_.has_point = false;
  computed_since_result_ = false;
}

void Calculator::show_fault() {
  error_step();
  flush_frame();
}

void Calculator::splay(std::string_view token) {
  ports_.voice.play(token);
}

void Calculator::say(std::string_view token) {
  if (options_.sound) splay(token);
}

void Calculator::flush_frame() {
  if (frame_pushed_ && frame_ == pushed_frame_) return;
  pushed_frame_ = frame_;
  frame_pushed_ = true;
  ports_.lcd.show(frame_);
}

void Calculator::wait(int milliseconds) {
  flush_frame();
  reentrant([&] { ports_.pump.wait(milliseconds); });
}

void Calculator::show_welcome() {
  show_in_formula_bar(state_.welcome_text);
}

void Calculator::hide_operator_lights() {
  auto& lights = frame_.lights;
  lights.add_on = lights.sub_on = lights.sum_on = lights.div_on = false;
}

void Calculator::show_mode_lights() {
  frame_.lights.kx_mode = options_.science_mode;
  frame_.lights.pt_mode = !options_.science_mode;
}

void Calculator::show_angle_lights() {
  const bool decimal = state_.calc_base == NumberBase::Dec;
  frame_.lights.angle_jd = decimal && options_.degrees;
  frame_.lights.angle_hd = decimal && !options_.degrees;
}

// What C does, without its sound: used by C and by the calculation-mode switch.
void Calculator::reset_calculation() {
  state_.cur_value = 0;
  qel_play("0.");
  state_.entry_text = "0";
  state_.acc_text.clear();
  state_.formula_head.clear();
  state_.formula_tail.clear();
  show_welcome();
  hide_operator_lights();
  state_.has_point = false;
  state_.is_negative = false;
  computed_since_result_ = false;
}

void Calculator::divide_by_zero_reset() {
  // The quotient 0 that follows is no result to type into another program, nor to keep.
  result_to_send_.reset();
  computed_since_result_ = false;
  state_.cur_value = 0;
  qel_play("0.");
  state_.entry_text = "0";
  state_.acc_text = "0";
  state_.formula_head.clear();
  state_.formula_tail.clear();
  state_.has_point = false;
  state_.is_negative = false;
  show_in_formula_bar(kDivideByZeroText);
  if (frame_.lights.sound_on) splay("se");
}

BoxAnswer Calculator::Boxes::show(std::string_view caption, std::string_view text, BoxIcon icon,
                                  BoxButtons buttons) {
  calc_.flush_frame();
  BoxAnswer answer = BoxAnswer::Ok;
  calc_.reentrant([&] { answer = calc_.ports_.message_boxes.show(caption, text, icon, buttons); });
  return answer;
}

void Calculator::Host::divide_by_zero_reset() {
  calc_.divide_by_zero_reset();
}

void Calculator::Host::let_messages_run() {
  calc_.wait(0);
}

// ---- start-up and settings ---------------------------------------------------

const Options& Calculator::start(const StartupContext& context) {
  const Options options = read_startup_options(ports_.settings, context);
  options_ = options;
  frame_.lights.sound_on = options.sound;
  show_angle_lights();
  show_mode_lights();
  ports_.formula_bar.set_read_only(!options.science_mode);
  flush_frame();
  return options_;
}

void Calculator::first_show() {
  window_showing_ = true;
  guarded([&] { qel_play("0."); });
  set_welcome_line(options_.welcome_text);
  show_welcome();
  state_.formula_head.clear();
  state_.formula_tail.clear();
}

// The welcome line always ends in one blank.
void Calculator::set_welcome_line(std::string_view text) {
  state_.welcome_text = std::string(text) + " ";
}

void Calculator::change_option(SettingId id, const SettingValue& value) {
  set_option(options_, id, value);
  ports_.settings.write_text(id, stored_text(value));
  switch (id) {
    case SettingId::DeviceScienceCalc:
      show_mode_lights();
      if (window_showing_) guarded([&] { reset_calculation(); });
      ports_.formula_bar.set_read_only(!options_.science_mode);
      break;
    case SettingId::DeviceAngle:
      show_angle_lights();
      break;
    case SettingId::DeviceSound:
      frame_.lights.sound_on = options_.sound;
      break;
    case SettingId::WelcomeText:
      set_welcome_line(options_.welcome_text);
      break;
    default:
      break;  // read where they are used
  }
  flush_frame();
  for (const OptionListener& listener : option_listeners_) listener(id, options_);
}

bool Calculator::change_setting(std::string_view key, std::string_view value) {
  const SettingInfo* info = find_setting(key);
  if (info == nullptr) return false;
  change_option(info->id, read_stored(*info, std::string(value)));
  return true;
}

// ---- typing into the formula bar ----------------------------------------------

bool Calculator::formula_bar_key() {
  stop_read_out();
  if (!options_.science_mode) {
    boxes_.show("提示", "普通计算模式不能编辑输入栏!", BoxIcon::Information, BoxButtons::Ok);
    return false;
  }
  // The welcome line disappears as the user starts typing.
  if (state_.formula_head.empty()) show_in_formula_bar("");
  bar_edit_pending_ = true;
  if (state_.acc_text.empty()) state_.acc_text = "0";
  if (state_.entry_text.empty()) state_.entry_text = "0";
  return true;
}

void Calculator::show_in_formula_bar(std::string_view text) {
  bar_text_ = text;
  divide_by_zero_shown_ = text == kDivideByZeroText;
  ports_.formula_bar.set_text(text);
}

// Only the user's own edits are recorded, not the program's.
void Calculator::formula_bar_changed(std::string_view text) {
  if (!bar_edit_pending_) return;
  bar_text_ = text;
  divide_by_zero_shown_ = false;
  bar_edit_pending_ = false;
  // The bar is now the whole chain: the operand typed on the keys before is part of it, or
  // was edited away.
  state_.formula_head = text;
  state_.formula_tail.clear();
}

// Outside decimal the number is written in the base as a result of `enter` is (fraction cut,
// sign lost), so the entry stays a text of the base.
void Calculator::enter_number(Extended value, std::string_view exact, bool keep_formula_bar) {
  stop_read_out();
  guarded([&] {
    auto& st = state_;
    if (st.calc_base != NumberBase::Dec) {
      // Other bases hold integers only; a decimal text there would be read as digits of the
      // base and could not be shown.
      const Extended whole = static_cast<Extended>(truncate_to_int64(value));
      const std::string text = from_decimal(decimal_text_for(whole, st.calc_base), st.calc_base);
      st.entry_text = as_entry_text(text, st.calc_base);
      // The value is what the entry reads in the base (a sign the base's digits drop is gone).
      st.cur_value = parse_number(to_decimal(st.entry_text, st.calc_base));
      if (keep_formula_bar) st.keep_formula_once = true;
      qel_play(text);
      return;
    }
    st.cur_value = value;
    const std::string fixed = fix_text(value);
    if (!exact.empty()) {
      st.entry_text = fixed.find('E') == std::string::npos ? std::string(exact) : fixed;
    } else {
      const Extended size = std::fabs(value);
      st.entry_text = value != 0 && (size < 1e-4L || size >= 1e15L) ? general_text(value) : fixed;
    }
    if (keep_formula_bar) st.keep_formula_once = true;
    qel_play(st.entry_text);
  });
}

void Calculator::take_formula_result(const FormulaRun& run, std::string_view formula) {
  if (!run.number_text) return;
  enter_number(run.number, *run.number_text);
  if (!run.computed) return;
  FinalResult result;
  result.shown_text = result.value_text = result.result_text = *run.number_text;
  result.source = ResultSource::FormulaPanel;
  result.calculation = formula;
  report_result(result);
}

// ---- voice key ---------------------------------------------------------------

void Calculator::voice(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] { change_option(SettingId::DeviceSound, !frame_.lights.sound_on); });
}

}  // namespace orvanta
