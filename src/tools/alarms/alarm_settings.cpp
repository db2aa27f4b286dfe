#include "tools/alarms/alarm_settings.h"

#include <vector>

#include "numeric/profile_values.h"

namespace orvanta {
namespace {

std::string_view default_of(std::string_view key) {
  for (const KeyInfo& info : kAlarmKeys) {
    if (info.key == key) return info.default_value;
  }
  return {};
}

}  // namespace

StoredAlarm read_alarm_page(const IniDocument& document, int alarm, const AlarmPage& previous) {
  const std::string section = alarm_section(alarm);
  const auto get = [&](std::string_view key) { return document.get(section, key); };
  const auto text = [&](std::string_view key) {
    return get(key).value_or(std::string(default_of(key)));
  };
  const auto flag = [&](std::string_view key) {
    return profile_bool(get(key), default_of(key) == "1");
  };
  StoredAlarm stored;
  AlarmPage& page = stored.page;
  page.on = flag("on");
  if (const std::optional<std::string> time = get("Time")) {
    if (const std::optional<TimeOfDay> read = read_time_field(*time)) {
      page.time_text = read->text;
      page.has_time = true;
    } else {
      stored.bad_time = *time;
      page.on = false;
    }
  }
  page.tip = text("Tip");
  page.file = text("File");
  page.pop_up = flag("show");
  stored.action = profile_int(get("Action"), static_cast<int>(AlarmAction::Ring));
  page.action =
      stored.action >= 1 && stored.action <= kAlarmActionCount ? stored.action : previous.action;
  return stored;
}

std::string bad_stored_time_text(int alarm, std::string_view stored) {
  return "闹钟" + std::to_string(alarm) + "保存的时间“" + std::string(stored) +
         "”无效，该闹钟已关闭，请重新设定时间！";
}

bool write_alarm_page(SettingsStore& store, int alarm, const AlarmPage& page) {
  const std::vector<SettingEntry> entries = {
      {"on", profile_text(page.on)},
      {"Time", page.time_text},
      {"Tip", page.tip},
      {"File", page.file},
      {"show", profile_text(page.pop_up)},
      {"Action", profile_text(page.action)},
  };
  return store.write_values(alarm_section(alarm), entries);
}

}  // namespace orvanta
