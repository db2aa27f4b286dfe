#pragma once
// One alarm as its page on the alarm panel shows it, and how it is stored in section Time<n>.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "tools/alarms/alarm_time_field.h"

namespace orvanta {

// The stored action codes 1 to 7, in the order of the page's radio buttons.
enum class AlarmAction {
  Ring = 1,
  ShowTip = 2,
  OpenFile = 3,
  Quit = 4,
  LogOff = 5,
  Restart = 6,
  PowerOff = 7,
};
inline constexpr int kAlarmActionCount = 7;
inline constexpr std::array<std::string_view, kAlarmActionCount> kAlarmActionCaptions = {
    "响铃", "弹出提示框", "打开一个文件", "关闭计算器", "注销系统", "重启电脑", "关闭电脑"};

inline constexpr std::string_view kMidnightText = "00:00:00";
inline constexpr std::string_view kDefaultAlarmTip = "您设定的时间已到，请注意！";
inline constexpr std::string_view kBadTimeText = "输入的时间错误，请检查！";
inline constexpr std::string_view kBadTimeCaption = "提示";

// The line of the box that tells of a stored time that is no time of day.
std::string bad_stored_time_text(int alarm, std::string_view stored);

// The controls of one page: "开启", the time field, "当最小化时弹出计算器", the selected radio
// button, the tip and the file.
struct AlarmPage {
  bool on = false;
  std::string time_text = std::string(kMidnightText);
  std::string tip = std::string(kDefaultAlarmTip);
  std::string file;
  bool pop_up = true;
  int action = static_cast<int>(AlarmAction::Ring);
  // The time field holds a time that was entered or stored, not the default a page without
  // one shows: a time the user never gave must not arm the alarm (see time_field_exit).
  bool has_time = false;

  bool operator==(const AlarmPage&) const = default;
};

// Section Time<n> as "确 定" reads it.
struct StoredAlarm {
  AlarmPage page;
  // The code as stored, also one outside 1 to 7 (which selects no radio button, so the page
  // keeps the previous one).
  int action = static_cast<int>(AlarmAction::Ring);
  // A stored `Time` that is no time of day; the page then shows the alarm off at 00:00:00.
  std::optional<std::string> bad_time;
};

// The stored values of alarm n (1 to 6) with the defaults for missing keys.
StoredAlarm read_alarm_page(const IniDocument& document, int alarm, const AlarmPage& previous);

// The save handler of a page: the whole section in one write; false when it failed (reported
// by the store).
bool write_alarm_page(SettingsStore& store, int alarm, const AlarmPage& page);

}  // namespace orvanta
