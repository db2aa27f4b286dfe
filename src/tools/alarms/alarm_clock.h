#pragma once
// The six alarms, their panel's pages and the clock on the LCD, driven by the one-second tick.
// Times come from the caller, so the schedule is tested without waiting.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "engine/calculator.h"
#include "platform/message_boxes.h"
#include "settings/settings_store.h"
#include "tools/alarms/alarm_actions.h"
#include "tools/alarms/alarm_settings.h"
#include "tools/alarms/local_time.h"

namespace orvanta {

// A running alarm, as last loaded by "确 定".
struct alarm_record {
  bool on = false;
  bool pop_up = false;
  // A one-shot action ran in the current firing window.
  bool fired = false;
  int time = 0;  // milliseconds of the day
  int action = 0;
  std::string tip;
  std::string file;
};

// The alarm that acted in a tick and the code it carried out.
struct AlarmFiring {
  int alarm = 0;
  int action = 0;
  bool operator==(const AlarmFiring&) const = default;
};

// How far past its time an alarm still acts: 0.00006 of a day.
inline constexpr int kFiringWindowMs = 5184;
inline constexpr std::string_view kTipCaption = "到点提示";
inline constexpr std::string_view kRingToken = "nz";

enum class ClockMode { Off = 0, Date = 1, Time = 2 };

class AlarmClock {
 public:
  AlarmClock(Calculator& calculator, SettingsStore& settings, MessageBoxes& boxes,
             AlarmActions& actions);

  // The panel's pages (alarm 1 to 6).
  const AlarmPage& page(int alarm) const { return pages_.at(alarm - 1); }
  // A control of the page changed (save handler): the section is written at once; the running
  // alarm waits for "确 定". Nothing is written while "确 定" fills the pages.
  void page_changed(int alarm, const AlarmPage& page);
  // The time field lost the focus with `text` (read_time_field): a valid time is written at once
  // as "HH:MM:SS". An invalid one shows the box and is neither kept nor written: the field goes
  // back to the page's time, and a page that had none is switched off (and stored so) when it
  // was on. Returns the page, for the window to show its field and "开启" again.
  const AlarmPage& time_field_exit(int alarm, std::string_view text);
  // "确 定" (also once at start-up): reloads the pages and the running alarms from the settings
  // file and switches the tick on or off. A stored time that is no time of day shows its page
  // off and keeps its alarm off, with one box naming every such alarm; the others are read all
  // the same.
  void ok();
  // Called for each page as "确 定" fills it, so the window can set the page's controls.
  std::function<void(int alarm, const AlarmPage& page)> on_page_loaded;
  bool loading() const { return loading_; }

  const alarm_record& record(int alarm) const { return records_.at(alarm - 1); }
  // TIMER_TIME: the first due alarm acts, then the clock is refreshed.
  std::optional<AlarmFiring> tick(const LocalDateTime& now);

  // Ktime: date, time, then the number again.
  void clock_key(const LocalDateTime& now);
  ClockMode clock_mode() const { return clock_mode_; }
  bool timer_needed() const;

 private:
  bool any_on() const;
  std::optional<AlarmFiring> act(int index);
  void show_clock();

  Calculator& calculator_;
  SettingsStore& settings_;
  MessageBoxes& boxes_;
  AlarmActions& actions_;
  std::array<AlarmPage, kAlarmCount> pages_;
  std::array<alarm_record, kAlarmCount> records_;
  bool loading_ = false;
  ClockMode clock_mode_ = ClockMode::Off;
  std::string date_text_;
  std::string time_text_;
};

}  // namespace orvanta
