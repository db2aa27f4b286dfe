#include "tools/alarm_settings.h"

#include <vector>

#include "numeric/profile_values.h"

namespace orvanta {
namespace {

// One or two digits up to `limit`; advances `text` past them.
std::optional<int> time_part(std::string_view& text, int limit) {
  int value = 0;
  std::size_t digits = 0;
  while (digits < text.size() && digits < 2 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits == 0 || value > limit) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

bool take_colon(std::string_view& text) {
  if (text.empty() || text.front() != ':') return false;
  text.remove_prefix(1);
  return true;
}

std::string_view default_of(std::string_view key) {
  for (const KeyInfo& info : kAlarmKeys) {
    if (info.key == key) return info.default_value;
  }
  return {};
}

}  // namespace

std::optional<int> parse_time_of_day(std::string_view text) {
  const std::optional<int> hours = time_part(text, 23);
  if (!hours || !take_colon(text)) return std::nullopt;
  const std::optional<int> minutes = time_part(text, 59);
  if (!minutes || !take_colon(text)) return std::nullopt;
  const std::optional<int> seconds = time_part(text, 59);
  if (!seconds || !text.empty()) return std::nullopt;
  return ((*hours * 60 + *minutes) * 60 + *seconds) * 1000;
}

AlarmPage read_alarm_page(const IniDocument& document, int alarm, const AlarmPage& previous,
                          int& stored_action) {
  const std::string section = alarm_section(alarm);
  const auto get = [&](std::string_view key) { return document.get(section, key); };
  const auto text = [&](std::string_view key) {
    return get(key).value_or(std::string(default_of(key)));
  };
  const auto flag = [&](std::string_view key) {
    return profile_bool(get(key), default_of(key) == "1");
  };
  AlarmPage page;
  page.on = flag("on");
  page.time_text = text("Time");
  page.tip = text("Tip");
  page.file = text("File");
  page.pop_up = flag("show");
  stored_action = profile_int(get("Action"), static_cast<int>(AlarmAction::Ring));
  page.action =
      stored_action >= 1 && stored_action <= kAlarmActionCount ? stored_action : previous.action;
  return page;
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
