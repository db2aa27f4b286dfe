#include "tools/alarms/alarm_clock.h"

namespace orvanta {

AlarmClock::AlarmClock(Calculator& calculator, SettingsStore& settings, MessageBoxes& boxes,
                       AlarmActions& actions)
    : calculator_(calculator), settings_(settings), boxes_(boxes), actions_(actions) {}

void AlarmClock::page_changed(int alarm, const AlarmPage& page) {
  if (loading_) return;
  pages_.at(alarm - 1) = page;
  write_alarm_page(settings_, alarm, page);
}

const AlarmPage& AlarmClock::time_field_exit(int alarm, std::string_view text) {
  AlarmPage& page = pages_.at(alarm - 1);
  if (const std::optional<TimeOfDay> time = read_time_field(text)) {
    page.time_text = time->text;
    page.has_time = true;
    if (!loading_) settings_.write_text(alarm_section(alarm), "Time", page.time_text);
    return page;
  }
  boxes_.show(kBadTimeCaption, kBadTimeText, BoxIcon::Information, BoxButtons::Ok);
  // The field shows the time it had; a page that had none is switched off and stored so,
  // rather than left on at the 00:00:00 the user never gave.
  if (!page.has_time && page.on) {
    page.on = false;
    if (!loading_) write_alarm_page(settings_, alarm, page);
  }
  return page;
}

void AlarmClock::ok() {
  loading_ = true;
  const std::optional<IniDocument> document = settings_.read_document();
  // An unreadable file has been reported; the pages and the running alarms stay as they were.
  if (document) {
    std::string bad_times;
    for (int alarm = 1; alarm <= kAlarmCount; ++alarm) {
      const StoredAlarm stored = read_alarm_page(*document, alarm, pages_[alarm - 1]);
      const AlarmPage& page = stored.page;
      if (stored.bad_time) {
        if (!bad_times.empty()) bad_times += '\n';
        bad_times += bad_stored_time_text(alarm, *stored.bad_time);
      }
      pages_[alarm - 1] = page;
      if (on_page_loaded) on_page_loaded(alarm, page);

      alarm_record& record = records_[alarm - 1];
      record.on = page.on;
      record.pop_up = page.pop_up;
      record.time = parse_time_of_day(page.time_text).value_or(0);
      record.action = stored.action;
      record.tip = page.tip;
      record.file = page.file;
    }
    // Nothing is written while loading: the file keeps the bad time until the page is set
    // again, and each "确 定" tells of it.
    if (!bad_times.empty()) {
      boxes_.show(kBadTimeCaption, bad_times, BoxIcon::Warning, BoxButtons::Ok);
    }
  }
  loading_ = false;
  actions_.set_timer(timer_needed());
}

bool AlarmClock::any_on() const {
  for (const alarm_record& record : records_) {
    if (record.on) return true;
  }
  return false;
}

bool AlarmClock::timer_needed() const {
  return any_on() || clock_mode_ != ClockMode::Off;
}

std::optional<AlarmFiring> AlarmClock::tick(const LocalDateTime& now) {
  std::optional<AlarmFiring> firing;
  const int now_ms = milliseconds_of_day(now);
  for (int index = 0; index < kAlarmCount; ++index) {
    alarm_record& record = records_[index];
    if (!record.on) continue;
    // Whole milliseconds: the window is the 5.184 seconds after the alarm time, exclusive at
    // both ends, and the time of day alone counts (an alarm at 23:59:58 stops at midnight).
    const int d = record.time - now_ms;
    if (d >= 0 || d <= -kFiringWindowMs) {
      record.fired = false;
      continue;
    }
    if (record.pop_up && actions_.window_hidden()) actions_.bring_back();
    firing = act(index);
    break;
  }
  if (clock_mode_ != ClockMode::Off) {
    if (clock_mode_ == ClockMode::Date) {
      date_text_ = date_text(now);
    } else {
      time_text_ = time_text(now);
    }
    show_clock();
  }
  return firing;
}

std::optional<AlarmFiring> AlarmClock::act(int index) {
  alarm_record& record = records_[index];
  const AlarmFiring firing{index + 1, record.action};
  if (record.action == static_cast<int>(AlarmAction::Ring)) {
    // The ring sounds also with voice prompts off.
    calculator_.splay(kRingToken);
    return firing;
  }
  if (record.action < 1 || record.action > kAlarmActionCount || record.fired) return std::nullopt;
  // Set before acting: the tip's box lets further ticks run while it is open.
  record.fired = true;
  switch (static_cast<AlarmAction>(record.action)) {
    case AlarmAction::ShowTip: {
      const std::string tip = record.tip;
      boxes_.show(kTipCaption, tip, BoxIcon::Information, BoxButtons::Ok);
      break;
    }
    case AlarmAction::OpenFile:
      actions_.open_file(record.file);
      break;
    case AlarmAction::Quit:
      actions_.quit();
      break;
    case AlarmAction::LogOff:
      actions_.log_off();
      break;
    case AlarmAction::Restart:
      actions_.restart();
      break;
    case AlarmAction::PowerOff:
      actions_.power_off();
      break;
    case AlarmAction::Ring:
      break;
  }
  return firing;
}

void AlarmClock::clock_key(const LocalDateTime& now) {
  clock_mode_ = static_cast<ClockMode>((static_cast<int>(clock_mode_) + 1) % 3);
  if (clock_mode_ != ClockMode::Off) {
    actions_.set_timer(true);
    date_text_ = date_text(now);
    time_text_ = time_text(now);
    show_clock();
    return;
  }
  if (!any_on()) actions_.set_timer(false);
  calculator_.show_number_again();
  calculator_.show_welcome_if_idle();
}

void AlarmClock::show_clock() {
  calculator_.show_plain_text(clock_mode_ == ClockMode::Date ? date_text_ : time_text_);
  calculator_.show_welcome_if_idle();
}

}  // namespace orvanta
