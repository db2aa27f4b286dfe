// Cost of the history tape with a full tape of 1,000 lines: the start-up read of its file (done
// when the tape is first used) and the texts of every line, which the panel makes when it opens.
// Both must stay far below what a user would notice (a frame, some 16 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "tools/history/history_tape.h"
#include "tools/history/tape_record.h"

namespace orvanta {
namespace {

TapeEntry sample(int i) {
  TapeEntry entry;
  entry.time = tape_timestamp(2024, 5, 1, 8, i % 60, i % 60);
  entry.source = i % 7 == 0 ? ResultSource::FormulaPanel : ResultSource::Equals;
  entry.calculation = "(" + std::to_string(i) + ".25+17)*3.14159265358979/" + std::to_string(i + 1);
  entry.result = std::to_string(i * 3.14159265358979);
  entry.value = entry.result;
  return entry;
}

std::string full_file() {
  std::string file;
  for (int i = 0; i < static_cast<int>(HistoryTape::kLimit); ++i) file += tape_record(sample(i));
  return file;
}

void BM_ReadTapeFile(benchmark::State& state) {
  const std::string file = full_file();
  for (auto _ : state) {
    benchmark::DoNotOptimize(read_tape(file, HistoryTape::kLimit));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadTapeFile)->Unit(benchmark::kMicrosecond);

void BM_PanelFill(benchmark::State& state) {
  const TapeRead read = read_tape(full_file(), HistoryTape::kLimit);
  for (auto _ : state) {
    for (const TapeEntry& entry : read.entries) {
      benchmark::DoNotOptimize(tape_line(entry));
      benchmark::DoNotOptimize(tape_time(entry));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(read.entries.size()));
}
BENCHMARK(BM_PanelFill)->Unit(benchmark::kMicrosecond);

void BM_AddLineToFullTape(benchmark::State& state) {
  HistoryTape tape;
  for (int i = 0; i < static_cast<int>(HistoryTape::kLimit); ++i) tape.add(sample(i));
  const TapeEntry entry = sample(7);
  for (auto _ : state) {
    tape.add(entry);
    benchmark::DoNotOptimize(tape_record(entry));
  }
}
BENCHMARK(BM_AddLineToFullTape);

}  // namespace
}  // namespace orvanta
BENCHMARK_MAIN();
