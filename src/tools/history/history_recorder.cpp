#include "tools/history/history_recorder.h"

namespace orvanta {
namespace {

std::string_view trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1);
}

}  // namespace

void HistoryRecorder::send(const FinalResult& result) {
  if (std::optional<TapeEntry> entry = tape_entry_for(result, now_())) tape_.add(std::move(*entry));
}

FinalResult big_number_result(BigOperation op, std::string_view first, std::string_view second,
                              std::string result) {
  static constexpr char kSigns[] = {'+', '-', '*', '/'};
  FinalResult finished;
  finished.source = ResultSource::BigNumbers;
  // An empty field counts as 0 for the panel.
  const std::string_view a = trimmed(first);
  const std::string_view b = trimmed(second);
  finished.calculation = std::string(a.empty() ? "0" : a) + kSigns[static_cast<int>(op)] +
                         std::string(b.empty() ? "0" : b);
  finished.result_text = std::move(result);
  return finished;
}

}  // namespace orvanta
