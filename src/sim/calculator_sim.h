#pragma once
// The calculator that the sim's commands drive, created on first use with default settings
// (voice on, degrees, normal mode, decimal) and shown.
#include "engine/calculator.h"
#include "sim/recording_ports.h"
#include "sim/sim.h"
#include "tools/history/history_recorder.h"

namespace orvanta::sim {

struct CalculatorSim : SimContext::Extension {
  explicit CalculatorSim(std::ostream& out);
  RecordingPorts ports;
  // In memory: the sim reads and writes no file.
  HistoryTape tape;
  HistoryRecorder recorder{tape, [] { return std::string("2000-01-01 00:00:00"); }};
  Calculator calculator;
};

CalculatorSim& calculator_sim(SimContext& context);

// Start-up as the window runs it: the stored options, then the first show.
inline void start_calculator(Calculator& calculator) {
  calculator.start(StartupContext{});
  calculator.first_show();
}

}  // namespace orvanta::sim
