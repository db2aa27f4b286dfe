#pragma once
// One line of the history tape: a finished calculation with its time, and the texts the tape
// panel, the copy and orvanta-sim make of it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ports/result_output.h"
#include "numeric/extended.h"
#include "numeric/number_base.h"

namespace orvanta {

struct TapeEntry {
  // Local time "2024-05-01 08:30:05".
  std::string time;
  ResultSource source = ResultSource::Equals;
  NumberBase base = NumberBase::Dec;
  // What was calculated and its result, in the digits of `base` (FinalResult's calculation and
  // result_text): a big number whole, or as its ends and length once its file record kept no
  // more (kKeptDigits).
  std::string calculation;
  std::string result;
  // The decimal number a click puts on the LCD; empty when it is beyond the calculator's range.
  std::string value;

  bool operator==(const TapeEntry&) const = default;
};

// A number of more digits than this shows on the tape as its ends and its length.
inline constexpr std::size_t kShownDigits = 40;

// Every run of more than `longest` digits in `text` becomes its first 20 digits, "…", its last
// 10 and the count: "12345678901234567890…1234567890（共1000000位）". Other text stays.
std::string shortened_numbers(std::string_view text, std::size_t longest);

// The line as the tape panel and orvanta-sim show it: "1+2*3=7", and outside decimal the base
// after it, "A+5=F (HEX)"; numbers of more than kShownDigits digits shortened.
std::string tape_line(const TapeEntry& entry);
// The same with every digit kept: what "复制" puts on the clipboard.
std::string tape_copy_text(const TapeEntry& entry);
// The time as the tape panel shows it beside the line: "05-01 08:30".
std::string tape_time(const TapeEntry& entry);

// The local time of a line as it is kept: "2024-05-01 08:30:05".
std::string tape_timestamp(int year, int month, int day, int hour, int minute, int second);

// What a click on the line puts on the LCD; none when the value is beyond the range.
std::optional<Extended> tape_value(const TapeEntry& entry);

// The tape's line for a finished calculation at `time`; none when it is no new calculation
// (equals again on its result, a number alone) or has nothing to show.
std::optional<TapeEntry> tape_entry_for(const FinalResult& result, std::string time);

}  // namespace orvanta
