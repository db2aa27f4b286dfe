#pragma once
// The history tape's file: UTF-8 text, one record a line, appended as each calculation
// finishes. A record is six fields separated by TAB and ended by LF:
//
//   2024-05-01 08:30:05 TAB = TAB 10 TAB 1+2*3 TAB 7 TAB 7 LF
//
// the time, the source ("=" equals, "F" the formula panel, "G" a grab, "B" the big-number
// panel), the base (10, 16, 8 or 2), the calculation, the result and the decimal value a click
// enters (empty when none). In the three texts a backslash is written "\\", a TAB "\t", a line
// feed "\n" and a carriage return "\r", so a formula with any characters stays on its line.
// A last line without its LF was cut off while being written (a power cut): it is skipped,
// as is any line that does not read as a record; every record before it is kept.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/history/tape_entry.h"

namespace orvanta {

// Digits a record keeps of one number: a longer one is written as its ends and length
// (shortened_numbers), so the file stays small whatever the big-number panel computes.
inline constexpr std::size_t kKeptDigits = 10000;

// The record of `entry`, with its LF.
std::string tape_record(const TapeEntry& entry);

struct TapeRead {
  // The last `keep` records that read, oldest first.
  std::vector<TapeEntry> entries;
  // Lines in the file, read or not: the file is rewritten shorter once they are many.
  std::size_t lines = 0;
  // The last line has no LF: the next record must not be glued to it.
  bool torn = false;
};

// Reads a tape file's bytes (a UTF-8 byte-order mark and CR LF line ends are taken too).
TapeRead read_tape(std::string_view bytes, std::size_t keep);

}  // namespace orvanta
