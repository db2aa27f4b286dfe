// The clock key, the alarm panel and the one-second tick at times the script gives.
#include <charconv>
#include <string>

#include "sim/alarm_sim.h"

namespace orvanta::sim {
namespace {

// Exactly `digits` decimal digits followed by `separator` (none at the end of the text).
int field(std::string_view& text, std::size_t digits, char separator, std::string_view what) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
  if (text.size() < digits || error != std::errc() || end != text.data() + digits) {
    throw SimError("expected " + std::string(what));
  }
  text.remove_prefix(digits);
  if (separator != '\0') {
    if (text.empty() || text.front() != separator) throw SimError("expected " + std::string(what));
    text.remove_prefix(1);
  }
  return value;
}

LocalDateTime date_and_time(std::string_view& args, bool with_milliseconds) {
  std::string_view date = next_word(args);
  std::string_view time = next_word(args);
  LocalDateTime t;
  t.year = field(date, 4, '-', "YYYY-MM-DD");
  t.month = field(date, 2, '-', "YYYY-MM-DD");
  t.day = field(date, 2, '\0', "YYYY-MM-DD");
  if (!date.empty() || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31) {
    throw SimError("expected YYYY-MM-DD");
  }
  const std::string_view time_form = with_milliseconds ? "HH:MM:SS.mmm" : "HH:MM:SS";
  t.hour = field(time, 2, ':', time_form);
  t.minute = field(time, 2, ':', time_form);
  t.second = field(time, 2, with_milliseconds ? '.' : '\0', time_form);
  if (with_milliseconds) t.millisecond = field(time, 3, '\0', time_form);
  if (!time.empty() || t.hour > 23 || t.minute > 59 || t.second > 59) {
    throw SimError("expected " + std::string(time_form));
  }
  return t;
}

void clock(SimContext& context, std::string_view args) {
  AlarmSim& sim = alarm_sim(context);
  const LocalDateTime now = date_and_time(args, false);
  if (!next_word(args).empty()) throw SimError("clock: too many words");
  sim.now = now;
  sim.clock.clock_key(now);
}

void alarm(SimContext& context, std::string_view args) {
  AlarmSim& sim = alarm_sim(context);
  const std::string_view number = next_word(args);
  const std::string_view state = next_word(args);
  const std::string_view time = next_word(args);
  const std::string_view code = next_word(args);
  if (number.size() != 1 || number[0] < '1' || number[0] > '6') {
    throw SimError("alarm: expected an alarm number 1 to 6");
  }
  if (state != "on" && state != "off") throw SimError("alarm: expected on or off");
  if (code.size() != 1 || code[0] < '1' || code[0] > '7') {
    throw SimError("alarm: expected an action code 1 to 7");
  }
  const int n = number[0] - '0';
  // As on the page: "开启", the action and the tip are stored as they change, then the time
  // field is left (a rejected time may switch the alarm off), then "确 定".
  AlarmPage page = sim.clock.page(n);
  page.on = state == "on";
  page.action = code[0] - '0';
  // The tip is the rest of the line after one blank, blanks included.
  if (args.size() > 1) page.tip = args.substr(1);
  sim.clock.page_changed(n, page);
  sim.clock.time_field_exit(n, time);
  sim.clock.ok();
  sim.panel_open = false;
}

void tick(SimContext& context, std::string_view args) {
  AlarmSim& sim = alarm_sim(context);
  const LocalDateTime now = date_and_time(args, true);
  if (!next_word(args).empty()) throw SimError("tick: too many words");
  sim.now = now;
  if (const std::optional<AlarmFiring> firing = sim.clock.tick(now)) {
    context.out << "act=" << firing->alarm << "," << firing->action << "\n";
  }
}

}  // namespace

AlarmSim::AlarmSim(CalculatorSim& calc)
    : clock(calc.calculator, calc.ports.settings, calc.ports.message_boxes, actions) {
  clock.ok();
}

AlarmSim& alarm_sim(SimContext& context) {
  CalculatorSim& calc = calculator_sim(context);
  auto& slot = context.extensions["alarms"];
  if (!slot) slot = std::make_unique<AlarmSim>(calc);
  return static_cast<AlarmSim&>(*slot);
}

void register_alarm_commands(CommandTable& table) {
  table["clock"] = clock;
  table["alarm"] = alarm;
  table["tick"] = tick;
}

}  // namespace orvanta::sim
