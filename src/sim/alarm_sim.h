#pragma once
// The alarms and the clock that the sim's commands drive, over the sim's calculator.
#include "sim/calculator_sim.h"
#include "sim/recording_alarm_actions.h"
#include "tools/alarms/alarm_clock.h"

namespace orvanta::sim {

struct AlarmSim : SimContext::Extension {
  explicit AlarmSim(CalculatorSim& calc);
  RecordingAlarmActions actions;
  AlarmClock clock;
  // The time of the last clock press or tick; the clock key pressed through the key dispatch
  // reads it.
  LocalDateTime now;
  // The alarm key opened the panel; its "确 定" closes it.
  bool panel_open = false;
};

AlarmSim& alarm_sim(SimContext& context);

}  // namespace orvanta::sim
