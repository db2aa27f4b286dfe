#pragma once
// A FormulaHost for tests: records message boxes and resets, answers the degree flag.
#include "formula/formula_host.h"
#include "sim/recording_message_boxes.h"

namespace orvanta {

struct RecordingFormulaHost : FormulaHost {
  MessageBoxes& message_boxes() override { return boxes; }
  void divide_by_zero_reset() override { ++resets; }
  bool angle_degrees() const override { return degrees; }
  void let_messages_run() override { ++message_runs; }

  bool degrees = true;
  sim::RecordingMessageBoxes boxes;
  int resets = 0;
  int message_runs = 0;
};

}  // namespace orvanta
