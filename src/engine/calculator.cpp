#include "engine/calculator.h"

#include "numeric/base_conversion.h"
#include "numeric/number_text.h"
#include "numeric/profile_values.h"

namespace orvanta {

Calculator::Calculator(const CalculatorPorts& ports) : ports_(ports) {
  frame_.lights.sound_on = state_.voice_enabled;
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
}

void Calculator::show_fault() {
  error_step();
  flush_frame();
}

void Calculator::splay(std::string_view token) {
  ports_.voice.play(token);
}

void Calculator::say(std::string_view token) {
  if (state_.voice_enabled) splay(token);
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
  ports_.formula_bar.set_text(state_.welcome_text);
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
  frame_.lights.angle_jd = decimal && state_.angle_degrees;
  frame_.lights.angle_hd = decimal && !state_.angle_degrees;
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
}

void Calculator::divide_by_zero_reset() {
  // The quotient 0 that follows is no result to type into another program.
  result_to_send_.reset();
  state_.cur_value = 0;
  qel_play("0.");
  state_.entry_text = "0";
  state_.acc_text = "0";
  state_.formula_head.clear();
  state_.formula_tail.clear();
  state_.has_point = false;
  state_.is_negative = false;
  ports_.formula_bar.set_text(kDivideByZeroText);
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
  state_.auto_output = options.auto_output;
  state_.voice_enabled = options.sound;
  frame_.lights.sound_on = options.sound;
  state_.angle_degrees = options.degrees;
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
      state_.angle_degrees = options_.degrees;
      show_angle_lights();
      break;
    case SettingId::DeviceSound:
      state_.voice_enabled = options_.sound;
      frame_.lights.sound_on = options_.sound;
      break;
    case SettingId::DeviceAutoCopyTo:
      state_.auto_output = options_.auto_output;
      break;
    case SettingId::WelcomeText:
      set_welcome_line(options_.welcome_text);
      break;
    default:
      break;  // read where they are used
  }
  flush_frame();
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
  if (state_.formula_head.empty()) ports_.formula_bar.set_text("");
  bar_edit_pending_ = true;
  if (state_.acc_text.empty()) state_.acc_text = "0";
  if (state_.entry_text.empty()) state_.entry_text = "0";
  return true;
}

// Only the user's own edits are recorded, not the program's.
void Calculator::formula_bar_changed(std::string_view text) {
  if (!bar_edit_pending_) return;
  bar_edit_pending_ = false;
  // The bar is now the whole chain: the operand typed on the keys before is part of it, or
  // was edited away.
  state_.formula_head = text;
  state_.formula_tail.clear();
}

// Outside decimal the number is written in the base as a result of `enter` is (fraction cut,
// sign lost), so the entry stays a text of the base.
void Calculator::take_formula_result(const FormulaRun& run) {
  if (!run.number_text) return;
  guarded([&] {
    auto& st = state_;
    if (st.calc_base == NumberBase::Dec) {
      st.cur_value = run.number;
      // From 1E18 up the panel writes every digit; the LCD shows such a value as any result,
      // in the exponent form, never its first 14 digits.
      const std::string general = fix_text(run.number);
      st.entry_text = general.find('E') == std::string::npos ? *run.number_text : general;
      qel_play(st.entry_text);
      return;
    }
    const std::string shown = from_decimal(*run.number_text, st.calc_base);
    st.entry_text = as_entry_text(shown, st.calc_base);
    st.cur_value = parse_number(to_decimal(st.entry_text, st.calc_base));
    qel_play(shown);
  });
}

// ---- voice key ---------------------------------------------------------------

void Calculator::voice(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] { change_option(SettingId::DeviceSound, !frame_.lights.sound_on); });
}

}  // namespace orvanta
