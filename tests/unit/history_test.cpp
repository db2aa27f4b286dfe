#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_presses.h"
#include "settings_fakes.h"
#include "sim/calculator_sim.h"
#include "tools/exchange/grab_into_calculator.h"
#include "tools/history/history_recorder.h"
#include "tools/history/tape_record.h"

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;

TapeEntry entry(std::string calculation, std::string result, std::string value = "1",
                NumberBase base = NumberBase::Dec, ResultSource source = ResultSource::Equals) {
  TapeEntry e;
  e.time = "2024-05-01 08:30:05";
  e.source = source;
  e.base = base;
  e.calculation = std::move(calculation);
  e.result = std::move(result);
  e.value = std::move(value);
  return e;
}

Strings lines_of(const std::deque<TapeEntry>& entries) {
  Strings lines;
  for (const TapeEntry& e : entries) lines.push_back(tape_line(e));
  return lines;
}

TEST(TapeRecord, AnyFormulaComesBackAsItWas) {
  const TapeEntry entries[] = {
      entry("1+2*3", "7", "7"),
      entry("a\tb\nc\r\\n\\", "x", ""),
      entry("（３＋４）×２", "14", "14", NumberBase::Dec, ResultSource::FormulaPanel),
      entry("A+5", "F", "15", NumberBase::Hex),
      entry("101*11", "1111", "15", NumberBase::Bin, ResultSource::Grab),
      entry("7 Mod 3", "1", "1", NumberBase::Oct, ResultSource::BigNumbers),
  };
  std::string file;
  for (const TapeEntry& e : entries) {
    const std::string record = tape_record(e);
    // One line each, whatever the formula holds.
    EXPECT_EQ(record.find('\n'), record.size() - 1) << e.calculation;
    file += record;
  }
  const TapeRead read = read_tape(file, 100);
  EXPECT_EQ(read.entries, std::vector<TapeEntry>(std::begin(entries), std::end(entries)));
  EXPECT_FALSE(read.torn);
}

TEST(TapeRecord, ATornOrForeignLineIsSkippedAndTheRestKept) {
  const std::string first = tape_record(entry("1+1", "2"));
  const std::string second = tape_record(entry("2+2", "4"));
  const std::string third = tape_record(entry("3+3", "6"));
  struct Case {
    std::string bytes;
    Strings lines;
    bool torn;
  };
  const Case cases[] = {
      {first + second + third.substr(0, 12), {"1+1=2", "2+2=4"}, true},
      {first + third.substr(0, third.size() - 1), {"1+1=2"}, true},
      {first + "not a record\n" + "2024-05-01 08:30:05\t=\t10\t1\\q\t2\t2\n" + third,
       {"1+1=2", "3+3=6"},
       false},
      // A byte-order mark and CR LF line ends, as an editor may leave them.
      {"\xEF\xBB\xBF" + first.substr(0, first.size() - 1) + "\r\n" + second,
       {"1+1=2", "2+2=4"},
       false},
      {"", {}, false},
  };
  for (const Case& c : cases) {
    const TapeRead read = read_tape(c.bytes, 100);
    Strings lines;
    for (const TapeEntry& e : read.entries) lines.push_back(tape_line(e));
    EXPECT_EQ(lines, c.lines) << c.bytes;
    EXPECT_EQ(read.torn, c.torn) << c.bytes;
  }
  // Only the newest are kept.
  const std::vector<TapeEntry> kept = read_tape(first + second + third, 2).entries;
  EXPECT_EQ(lines_of({kept.begin(), kept.end()}), (Strings{"2+2=4", "3+3=6"}));
}

TEST(TapeLine, ShowsTheBaseAndTheEndsOfLongNumbers) {
  const std::string big = "1234567890123456789012345678901234567890123";  // 43 digits
  struct Case {
    TapeEntry entry;
    std::string line;
    std::string copy;
  };
  const Case cases[] = {
      {entry("1+2*3", "7"), "1+2*3=7", "1+2*3=7"},
      {entry("A+5", "F", "15", NumberBase::Hex), "A+5=F (HEX)", "A+5=F (HEX)"},
      {entry("7", "111", "7", NumberBase::Bin), "7=111 (BIN)", "7=111 (BIN)"},
      {entry(big + "*1", big),
       "12345678901234567890…4567890123（共43位）*1=12345678901234567890…4567890123（共43位）",
       big + "*1=" + big},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tape_line(c.entry), c.line);
    EXPECT_EQ(tape_copy_text(c.entry), c.copy);
  }
}

// A tape kept in a fake file, as the window keeps it beside the settings file.
class TapeFile : public ::testing::Test {
 protected:
  static constexpr const char* kPath = "C:\\Data\\Talvenor\\Talvenor-history.txt";

  void add_all(HistoryTape& tape, std::initializer_list<const char*> calculations) {
    for (const char* c : calculations) tape.add(entry(c, "1"));
  }
  // What a start-up after this finds.
  Strings restarted() {
    HistoryTape again(fs_, kPath);
    return lines_of(again.entries());
  }

  testing::FakeFileSystem fs_;
};

TEST_F(TapeFile, IsBesideTheSettingsFile) {
  EXPECT_EQ(tape_file_beside("C:\\Data\\Talvenor\\Talvenor.ini"), kPath);
}

TEST_F(TapeFile, EachCalculationIsAppendedAndARestartKeepsThem) {
  HistoryTape tape(fs_, kPath);
  add_all(tape, {"1+0", "2+0"});
  EXPECT_EQ(fs_.files[kPath], tape_record(entry("1+0", "1")) + tape_record(entry("2+0", "1")));
  add_all(tape, {"3+0"});
  EXPECT_EQ(restarted(), (Strings{"1+0=1", "2+0=1", "3+0=1"}));
  EXPECT_EQ(tape.note(), "");

  tape.remove(1);
  EXPECT_EQ(restarted(), (Strings{"1+0=1", "3+0=1"}));
  tape.clear();
  EXPECT_EQ(restarted(), Strings{});
}

TEST_F(TapeFile, ATornLastLineIsDroppedAndTheNextRecordStandsOnItsOwnLine) {
  fs_.files[kPath] = tape_record(entry("1+0", "1")) + "2024-05-01 08:3";
  HistoryTape tape(fs_, kPath);
  EXPECT_EQ(lines_of(tape.entries()), Strings{"1+0=1"});
  add_all(tape, {"2+0"});
  EXPECT_EQ(restarted(), (Strings{"1+0=1", "2+0=1"}));
}

TEST_F(TapeFile, KeepsTheLastThousandAndTheFileStaysShort) {
  HistoryTape tape(fs_, kPath);
  std::vector<TapeChange::Kind> changes;
  tape.listen([&](const TapeChange& change) { changes.push_back(change.kind); });
  for (std::size_t i = 0; i < 2 * HistoryTape::kLimit + 5; ++i) {
    tape.add(entry(std::to_string(i) + "+0", std::to_string(i)));
  }
  EXPECT_EQ(tape.entries().size(), HistoryTape::kLimit);
  EXPECT_EQ(tape_line(tape.entries().front()), "1005+0=1005");
  EXPECT_EQ(changes.back(), TapeChange::Kind::Added);
  EXPECT_EQ(changes[changes.size() - 2], TapeChange::Kind::Removed);
  const TapeRead file = read_tape(fs_.files[kPath], 10 * HistoryTape::kLimit);
  EXPECT_LE(file.lines, 2 * HistoryTape::kLimit);
  EXPECT_EQ(restarted().front(), "1005+0=1005");
}

TEST_F(TapeFile, AFileThatFailsKeepsTheTapeInMemoryWithANote) {
  // Read-only: every line is still on the tape; the file is left as it was.
  fs_.files[kPath] = tape_record(entry("1+0", "1"));
  fs_.read_only.insert(kPath);
  HistoryTape tape(fs_, kPath);
  std::vector<TapeChange::Kind> changes;
  tape.listen([&](const TapeChange& change) { changes.push_back(change.kind); });
  add_all(tape, {"2+0", "3+0"});
  EXPECT_EQ(lines_of(tape.entries()), (Strings{"1+0=1", "2+0=1", "3+0=1"}));
  EXPECT_NE(tape.note().find("无法写入"), std::string::npos);
  EXPECT_NE(std::find(changes.begin(), changes.end(), TapeChange::Kind::Note), changes.end());
  EXPECT_EQ(fs_.files[kPath], tape_record(entry("1+0", "1")));
  // Writable again: the next calculation writes the whole tape and the note goes.
  fs_.read_only.clear();
  add_all(tape, {"4+0"});
  EXPECT_EQ(tape.note(), "");
  EXPECT_EQ(restarted(), (Strings{"1+0=1", "2+0=1", "3+0=1", "4+0=1"}));

  // Unreadable: never written over, so what it holds is not lost.
  fs_.unreadable.insert(kPath);
  HistoryTape blind(fs_, kPath);
  add_all(blind, {"5+0"});
  EXPECT_EQ(lines_of(blind.entries()), Strings{"5+0=1"});
  EXPECT_NE(blind.note().find("无法读取"), std::string::npos);
  fs_.unreadable.clear();
  EXPECT_EQ(restarted().size(), 4u);
}

// What the calculator's results make of the tape.
class TapeOfResults : public ::testing::Test {
 protected:
  TapeOfResults() {
    ports_.output.next = &recorder_;
    sim::start_calculator(calc_);
  }

  void press(std::string_view name) { test_keys::press_key(calc_, name); }
  void keys(std::string_view text) { test_keys::press_keys(calc_, text); }
  Strings lines() { return lines_of(tape_.entries()); }

  sim::RecordingPorts ports_;
  HistoryTape tape_;
  HistoryRecorder recorder_{tape_, [] { return std::string("2024-05-01 08:30:05"); }};
  Calculator calc_{ports_.ports()};
};

TEST_F(TapeOfResults, EachFinishedCalculationIsOneLine) {
  struct Case {
    std::string keys;
    bool science;
    Strings lines;
  };
  const Case cases[] = {
      {"1+2=", false, {"1+2=3"}},
      {"1+2*3=", true, {"1+2*3=7"}},
      // Equals again on its result, or on a number alone, calculates nothing.
      {"1+2===", false, {"1+2=3"}},
      {"5=", false, {}},
      {"2^10=", false, {"2^10=1024"}},
      {"0.1+0.2=", false, {"0.1+0.2=0.3"}},
      // A failed division is no result.
      {"8/0=", false, {}},
  };
  for (const Case& c : cases) {
    tape_.clear();
    if (calc_.options().science_mode != c.science) {
      calc_.science_mode_changed(c.science);
    }
    press("c");
    keys(c.keys);
    EXPECT_EQ(lines(), c.lines) << c.keys;
  }
}

TEST_F(TapeOfResults, EveryBaseWritesItsOwnDigitsAndAClickEntersTheValue) {
  press("Khex_on");
  keys("A+5=");
  press("kbin_on");
  keys("11*11=");
  ASSERT_EQ(lines(), (Strings{"A+5=F (HEX)", "11*11=1001 (BIN)"}));
  EXPECT_EQ(tape_value(tape_.entries()[0]), Extended{15});
  EXPECT_EQ(tape_value(tape_.entries()[1]), Extended{9});
}

TEST_F(TapeOfResults, ThePanelsAndTheGrabAddTheirOwn) {
  FormulaRun run;
  run.out_text = "14";
  run.number_text = "14";
  run.number = 14;
  run.computed = true;
  calc_.take_formula_result(run, "(3+4)*2");
  // The panel evaluating its number again computes nothing.
  run.computed = false;
  calc_.take_formula_result(run, "14");
  grab_into_calculator(calc_, std::string_view("3*4"), '\0');
  calc_.report_result(big_number_result(BigOperation::Multiply, " 12 ", "", "0"));
  EXPECT_EQ(lines(), (Strings{"(3+4)*2=14", "3*4=12", "12*0=0"}));
  EXPECT_EQ(tape_.entries()[1].source, ResultSource::Grab);
}

}  // namespace
}  // namespace orvanta
