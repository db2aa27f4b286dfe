#pragma once
// A FormulaHost for tests: records message boxes and resets, answers the degree flag.
#include <string>
#include <vector>

#include "formula/formula_host.h"

namespace orvanta {

struct RecordingFormulaHost : FormulaHost {
  void message_box(std::string_view caption, std::string_view text, BoxIcon icon) override {
    boxes.push_back(std::string(caption) + ": " + std::string(text));
    icons.push_back(icon);
  }
  void divide_by_zero_reset() override { ++resets; }
  bool angle_degrees() const override { return degrees; }
  void let_messages_run() override { ++message_runs; }

  bool degrees = true;
  std::vector<std::string> boxes;
  std::vector<BoxIcon> icons;
  int resets = 0;
  int message_runs = 0;
};

}  // namespace orvanta
