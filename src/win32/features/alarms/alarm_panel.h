#pragma once
// nz_panel, the six alarms: tabs "闹钟1" … "闹钟6" over one page of controls that shows the
// chosen alarm. Every change is stored at once; "确 定" makes the running alarms follow.
#include <windows.h>

#include <optional>
#include <string>

#include "tools/alarms/alarm_clock.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class AlarmPanel : public Panel {
 public:
  static constexpr int kLeft = 55;
  static constexpr int kTop = 176;
  static constexpr int kWidth = 361;
  static constexpr int kHeight = 282;

  explicit AlarmPanel(PanelHost& host);

  bool create(HWND parent);
  // The alarms the page edits: the page shows them now, and their "确 定" loading fills it again.
  void attach(AlarmClock& alarms);
  // klzMouseDown.
  void open() { show(); }

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_rescale() override;
  void show_page(const AlarmPage& page);
  AlarmPage page_from_controls() const;
  void page_changed();
  // The time field lost the focus: its text is read by read_time_left once the focus has
  // settled.
  void time_field_left();
  void read_time_left();
  void choose_file();
  int alarm() const { return alarm_; }

  AlarmClock* alarms_ = nullptr;
  int alarm_ = 1;  // the tab shown
  HWND tabs_ = nullptr;
  HWND on_ = nullptr;
  HWND time_ = nullptr;
  HWND pop_up_ = nullptr;
  HWND radios_[kAlarmActionCount]{};
  HWND tip_ = nullptr;
  HWND file_ = nullptr;
  bool filling_ = false;  // controls set by the program are no user's change
  struct LeftTime {
    int alarm;
    std::string text;
  };
  std::optional<LeftTime> time_left_;  // not read yet
};

}  // namespace orvanta::win32
