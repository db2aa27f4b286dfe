#pragma once
// Records what the alarms ask of the window and the machine, for orvanta-sim and the tests.
#include <string>
#include <vector>

#include "tools/alarms/alarm_actions.h"

namespace orvanta::sim {

struct RecordingAlarmActions : AlarmActions {
  void set_timer(bool enabled) override { timer = enabled; }
  bool window_hidden() const override { return hidden; }
  void bring_back() override {
    hidden = false;
    calls.emplace_back("bring_back");
  }
  void open_file(std::string_view path) override { calls.push_back("open " + std::string(path)); }
  void quit() override { calls.emplace_back("quit"); }
  void log_off() override { calls.emplace_back("log_off"); }
  void restart() override { calls.emplace_back("restart"); }
  void power_off() override { calls.emplace_back("power_off"); }

  bool timer = false;
  bool hidden = false;
  std::vector<std::string> calls;
};

}  // namespace orvanta::sim
