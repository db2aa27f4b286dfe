#include "engine/calculator.h"

#include "engine/number_text.h"

namespace orvanta {

Calculator::Calculator(const CalculatorPorts& ports) : ports_(ports) {
  frame_.lights.sound_on = state_.voice_enabled;
  frame_.lights.pt_mode = true;
  show_angle_lights();
}

void Calculator::error_step() {
  say("se");
  qel_play(kErrorMark);
  wait(0);
  state_.cur_value = 0;
  state_.entry_text.clear();
  state_.acc_text.clear();
  state_.formula_head.clear();
  state_.formula_tail.clear();
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
  ports_.pump.wait(milliseconds);
}

void Calculator::show_welcome() {
  ports_.formula_bar.set_text(state_.welcome_text);
}

void Calculator::hide_operator_lights() {
  auto& lights = frame_.lights;
  lights.add_on = lights.sub_on = lights.sum_on = lights.div_on = false;
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

void Calculator::Host::message_box(std::string_view caption, std::string_view text, BoxIcon icon) {
  calc_.flush_frame();
  calc_.ports_.message_box.show(caption, text, icon, BoxButtons::Ok);
}

void Calculator::Host::divide_by_zero_reset() {
  calc_.divide_by_zero_reset();
}

void Calculator::Host::let_messages_run() {
  calc_.wait(0);
}

// ---- start-up and settings ---------------------------------------------------

void Calculator::load_settings() {
  auto& settings = ports_.settings;
  const std::string auto_copy = settings.read_string(kSettingAutoCopyTo, "");
  if (auto_copy.empty()) settings.write_string(kSettingAutoCopyTo, "0");
  state_.auto_output = auto_copy == "1";
  options_.thousands = settings.read_bool(kSetting1000, false);
  options_.result_to_clipboard = settings.read_bool(kSettingInputAutoclip, false);
  options_.science_mode = settings.read_bool(kSettingScienceCalc, false);
  frame_.lights.kx_mode = options_.science_mode;
  frame_.lights.pt_mode = !options_.science_mode;
  ports_.formula_bar.set_read_only(!options_.science_mode);
  state_.voice_enabled = settings.read_bool(kSettingSound, true);
  frame_.lights.sound_on = state_.voice_enabled;
  state_.angle_degrees = settings.read_bool(kSettingAngle, true);
  show_angle_lights();
  options_.precision = settings.read_string(kSettingPoint, "");
  if (options_.precision.empty()) options_.precision = "-1";
  flush_frame();
}

void Calculator::first_show(std::string_view welcome_line) {
  options_.window_showing = true;
  guarded([&] { qel_play("0."); });
  state_.welcome_text = std::string(welcome_line) + " ";
  show_welcome();
  state_.formula_head.clear();
  state_.formula_tail.clear();
}

void Calculator::science_mode_changed(bool on) {
  options_.science_mode = on;
  frame_.lights.kx_mode = on;
  frame_.lights.pt_mode = !on;
  if (options_.window_showing) guarded([&] { reset_calculation(); });
  ports_.settings.write_bool(kSettingScienceCalc, on);
  ports_.formula_bar.set_read_only(!on);
  flush_frame();
}

void Calculator::precision_changed(std::string_view text) {
  options_.precision = text;
  ports_.settings.write_string(kSettingPoint, text);
}

void Calculator::thousands_changed(bool on) {
  options_.thousands = on;
  ports_.settings.write_bool(kSetting1000, on);
}

void Calculator::angle_setting_changed(bool degrees) {
  state_.angle_degrees = degrees;
  show_angle_lights();
  ports_.settings.write_bool(kSettingAngle, degrees);
  flush_frame();
}

void Calculator::sound_setting_changed(bool on) {
  state_.voice_enabled = on;
  frame_.lights.sound_on = on;
  ports_.settings.write_bool(kSettingSound, on);
  flush_frame();
}

void Calculator::result_to_clipboard_changed(bool on) {
  options_.result_to_clipboard = on;
  ports_.settings.write_bool(kSettingInputAutoclip, on);
}

void Calculator::auto_output_changed(bool on) {
  state_.auto_output = on;
  ports_.settings.write_string(kSettingAutoCopyTo, on ? "1" : "0");
}

bool Calculator::change_setting(std::string_view key, std::string_view value) {
  int number = 0;
  const bool flag = parse_settings_int(value, number) && number != 0;
  if (key == kSettingScienceCalc) {
    science_mode_changed(flag);
  } else if (key == kSettingPoint) {
    precision_changed(value);
  } else if (key == kSetting1000) {
    thousands_changed(flag);
  } else if (key == kSettingAngle) {
    angle_setting_changed(flag);
  } else if (key == kSettingSound) {
    sound_setting_changed(flag);
  } else if (key == kSettingInputAutoclip) {
    result_to_clipboard_changed(flag);
  } else if (key == kSettingAutoCopyTo) {
    auto_output_changed(value == "1");
  } else {
    return false;
  }
  return true;
}

// ---- voice key ---------------------------------------------------------------

void Calculator::voice(MouseButton b) {
  if (b != MouseButton::Left) return;
  guarded([&] {
    const bool on = !frame_.lights.sound_on;
    frame_.lights.sound_on = on;
    state_.voice_enabled = on;
    ports_.settings.write_bool(kSettingSound, on);
  });
}

}  // namespace orvanta
