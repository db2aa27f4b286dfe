#pragma once
// The tape's taker of the calculator's finished results, and the finished result of the
// big-number panel, which computes outside the calculator.
#include <functional>
#include <string>
#include <string_view>

#include "engine/ports/result_output.h"
#include "formula/big_panel.h"
#include "tools/history/history_tape.h"

namespace orvanta {

class HistoryRecorder final : public ResultOutput {
 public:
  // `now` gives the local time as tape_timestamp writes it.
  HistoryRecorder(HistoryTape& tape, std::function<std::string()> now)
      : tape_(tape), now_(std::move(now)) {}

  void send(const FinalResult& result) override;

 private:
  HistoryTape& tape_;
  std::function<std::string()> now_;
};

// What the big-number panel computed: "`first` op `second`" (the field texts without their
// blanks) and its `result` whole. It has no LCD form: shown_text and value_text stay empty.
FinalResult big_number_result(BigOperation op, std::string_view first, std::string_view second,
                              std::string result);

}  // namespace orvanta
