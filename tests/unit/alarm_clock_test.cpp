// The six alarms and the clock, driven with given times through recording ports.
#include "tools/alarms/alarm_clock.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/calculator_sim.h"
#include "sim/recording_alarm_actions.h"

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;

LocalDateTime at(int hour, int minute, int second, int millisecond = 0, int day = 8) {
  return LocalDateTime{2026, 12, day, hour, minute, second, millisecond};
}

// Counts the settings warnings the store would show.
struct CountingSettings : sim::MemorySettings {
  void report_failure() override { ++failures; }
  int failures = 0;
};

class AlarmClockTest : public ::testing::Test {
 protected:
  AlarmClockTest() {
    sim::start_calculator(calc_);
    alarms_.ok();
  }

  // Sets alarm n on its page and presses "确 定", as the panel does.
  void set_alarm(int n, std::string_view time, AlarmAction action, std::string_view tip = {}) {
    AlarmPage page = alarms_.page(n);
    page.on = true;
    page.action = static_cast<int>(action);
    if (!tip.empty()) page.tip = tip;
    alarms_.page_changed(n, page);
    alarms_.time_field_exit(n, time);
    alarms_.ok();
  }

  // The alarm that acted in each tick ("-" for none), with rings and boxes read from the ports.
  std::string tick(const LocalDateTime& now) {
    const std::optional<AlarmFiring> firing = alarms_.tick(now);
    if (!firing) return "-";
    return std::to_string(firing->alarm) + "," + std::to_string(firing->action);
  }

  int rings() const {
    int n = 0;
    for (const std::string& token : ports_.voice.said) n += token == "nz" ? 1 : 0;
    return n;
  }

  sim::RecordingPorts ports_;
  Calculator calc_{ports_.ports()};
  sim::RecordingAlarmActions actions_;
  AlarmClock alarms_{calc_, ports_.settings, ports_.message_boxes, actions_};
};

// The time field's mask "!99:99:99": six digits fill hh, mm and ss, typed with or without the
// ":"s; the text is the field's as shown and stored.
TEST(TimeFieldTest, DigitsFillHoursMinutesAndSeconds) {
  const struct {
    std::string_view typed;
    std::optional<std::string> time;
  } cases[] = {
      {"08:30:00", "08:30:00"},
      {"12:34:56", "12:34:56"},
      {"00:00:00", "00:00:00"},
      {"23:59:59", "23:59:59"},
      // Without the ":"s a full pair moves on.
      {"083000", "08:30:00"},
      {"123456", "12:34:56"},
      // A ":" moves on at once: a lone digit is that number, missing places are 0.
      {"8:30", "08:30:00"},
      {"8:5:9", "08:05:09"},
      {"12:00", "12:00:00"},
      {"0830", "08:30:00"},
      {"7", "07:00:00"},
      // The field's text with blank places, as the mask shows them.
      {"8_:30:__", "08:30:00"},
      {" 8:30:00", "08:30:00"},
      {"08:30:0_", "08:30:00"},
      // Not a time of the day.
      {"24:00:00", std::nullopt},
      {"25:00:00", std::nullopt},
      {"12:60:00", std::nullopt},
      {"12:00:60", std::nullopt},
      {"99:99:99", std::nullopt},
      // Nothing in the hours, more places than the mask has, or characters it does not take.
      {"", std::nullopt},
      {"__:__:__", std::nullopt},
      {":30:00", std::nullopt},
      {"0830001", std::nullopt},
      {"12:00:00 ", std::nullopt},
      {"12:00:00:", std::nullopt},
      {"123:00:00", std::nullopt},
      {"08.30", std::nullopt},
      {"八点", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<TimeOfDay> read = read_time_field(c.typed);
    EXPECT_EQ(read ? std::optional<std::string>(read->text) : std::nullopt, c.time) << c.typed;
  }
  EXPECT_EQ(parse_time_of_day("08:00:03"), (8 * 3600 + 3) * 1000);
  EXPECT_EQ(parse_time_of_day("235959"), (23 * 3600 + 59 * 60 + 59) * 1000);
  EXPECT_EQ(parse_time_of_day("24:00:00"), std::nullopt);
}

TEST(LocalTimeTest, DateAndTimeTexts) {
  EXPECT_EQ(date_text(at(9, 0, 0, 0, 8)), "2026-12-08  2");   // a Tuesday
  EXPECT_EQ(date_text(at(9, 0, 0, 0, 13)), "2026-12-13  7");  // a Sunday
  EXPECT_EQ(date_text(LocalDateTime{2024, 2, 29}), "2024-02-29  4");
  EXPECT_EQ(date_text(LocalDateTime{2000, 1, 3}), "2000-01-03  1");
  EXPECT_EQ(time_text(at(8, 5, 9, 999)), "08:05:09   ");
  EXPECT_EQ(time_text(at(23, 59, 59)), "23:59:59   ");
}

// Alarm 1 at 08:00:00 rings only strictly after its time and before 5.184 seconds have passed.
TEST_F(AlarmClockTest, RingsOnlyInsideTheFiringWindow) {
  set_alarm(1, "08:00:00", AlarmAction::Ring);
  const struct {
    LocalDateTime now;
    std::string acted;
  } cases[] = {
      {at(7, 59, 59, 999), "-"}, {at(8, 0, 0, 0), "-"},   {at(8, 0, 0, 1), "1,1"},
      {at(8, 0, 5, 183), "1,1"}, {at(8, 0, 5, 184), "-"}, {at(8, 0, 6, 0), "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tick(c.now), c.acted) << time_text(c.now) << c.now.millisecond;
  }
  EXPECT_EQ(rings(), 2);
}

TEST_F(AlarmClockTest, OneSecondTicksRingFiveOrSixTimes) {
  set_alarm(1, "08:00:00", AlarmAction::Ring);
  // Ticks every second from just before the alarm, starting at the given millisecond.
  for (const auto& [offset, expected] : {std::pair{500, 5}, std::pair{100, 6}, std::pair{0, 5}}) {
    ports_.voice.said.clear();
    for (int second = -3; second <= 8; ++second) {
      const int ms = 8 * 3600 * 1000 + second * 1000 + offset;
      tick(at(ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000));
    }
    EXPECT_EQ(rings(), expected) << offset;
  }
}

TEST_F(AlarmClockTest, RingsWithVoiceOff) {
  calc_.sound_setting_changed(false);
  set_alarm(1, "08:00:00", AlarmAction::Ring);
  ports_.voice.said.clear();
  tick(at(8, 0, 1));
  EXPECT_EQ(ports_.voice.said, Strings{"nz"});
}

TEST_F(AlarmClockTest, OneShotActionsRunOncePerWindowAndAgainNextDay) {
  set_alarm(1, "08:00:00", AlarmAction::ShowTip, "开会");
  const struct {
    LocalDateTime now;
    std::string acted;
  } cases[] = {
      {at(8, 0, 1), "1,2"}, {at(8, 0, 2), "-"},         {at(8, 0, 5), "-"},
      {at(8, 0, 6), "-"},   {at(8, 0, 1, 0, 9), "1,2"},
  };
  for (const auto& c : cases) EXPECT_EQ(tick(c.now), c.acted) << time_text(c.now);
  EXPECT_EQ(ports_.message_boxes.texts(), (Strings{"到点提示: 开会", "到点提示: 开会"}));
}

// The box lets ticks run while it is open: the fired flag keeps it from opening again.
TEST_F(AlarmClockTest, TipBoxDoesNotOpenTwiceWhileOpen) {
  set_alarm(1, "08:00:00", AlarmAction::ShowTip);
  struct TickingBoxes : MessageBoxes {
    BoxAnswer show(std::string_view caption, std::string_view, BoxIcon, BoxButtons) override {
      captions.emplace_back(caption);
      if (during) during();
      return BoxAnswer::Ok;
    }
    std::function<void()> during;
    Strings captions;
  } boxes;
  AlarmClock alarms(calc_, ports_.settings, boxes, actions_);
  alarms.ok();
  boxes.during = [&] {
    boxes.during = nullptr;
    alarms.tick(at(8, 0, 2));
    alarms.tick(at(8, 0, 3));
  };
  alarms.tick(at(8, 0, 1));
  EXPECT_EQ(boxes.captions, Strings{"到点提示"});
}

TEST_F(AlarmClockTest, EachActionReachesItsPortOnce) {
  const struct {
    AlarmAction action;
    Strings calls;
  } cases[] = {
      {AlarmAction::OpenFile, {"open C:\\a.txt"}}, {AlarmAction::Quit, {"quit"}},
      {AlarmAction::LogOff, {"log_off"}},          {AlarmAction::Restart, {"restart"}},
      {AlarmAction::PowerOff, {"power_off"}},
  };
  AlarmPage page = alarms_.page(1);
  page.file = "C:\\a.txt";
  alarms_.page_changed(1, page);
  for (const auto& c : cases) {
    actions_.calls.clear();
    set_alarm(1, "08:00:00", c.action);
    EXPECT_EQ(tick(at(8, 0, 1)), "1," + std::to_string(static_cast<int>(c.action)));
    tick(at(8, 0, 2));
    tick(at(8, 0, 4));
    EXPECT_EQ(actions_.calls, c.calls);
    tick(at(8, 0, 9));  // leaves the window
  }
  EXPECT_TRUE(ports_.message_boxes.shown.empty());
}

TEST_F(AlarmClockTest, UnknownStoredActionDoesNothing) {
  ports_.settings.write_values(
      "Time1", std::vector<SettingEntry>{{"on", "1"}, {"Time", "08:00:00"}, {"Action", "9"}});
  alarms_.ok();
  EXPECT_EQ(alarms_.page(1).action, 1);  // no radio button has code 9
  EXPECT_EQ(tick(at(8, 0, 1)), "-");
  EXPECT_EQ(rings(), 0);
  EXPECT_TRUE(actions_.calls.empty());
}

TEST_F(AlarmClockTest, OnlyTheFirstDueAlarmActs) {
  set_alarm(1, "08:00:00", AlarmAction::Ring);
  set_alarm(2, "08:00:00", AlarmAction::ShowTip);
  for (int second = 0; second <= 9; ++second) tick(at(8, 0, second, 500));
  EXPECT_EQ(rings(), 5);
  EXPECT_TRUE(ports_.message_boxes.shown.empty());
}

TEST_F(AlarmClockTest, AlarmInsideAnotherWindowActsAfterIt) {
  set_alarm(1, "08:00:00", AlarmAction::Ring);
  set_alarm(2, "08:00:03", AlarmAction::ShowTip);
  const struct {
    LocalDateTime now;
    std::string acted;
  } cases[] = {
      {at(8, 0, 3, 500), "1,1"}, {at(8, 0, 5, 183), "1,1"}, {at(8, 0, 5, 184), "2,2"},
      {at(8, 0, 6, 500), "-"},   {at(8, 0, 8, 183), "-"},   {at(8, 0, 8, 184), "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tick(c.now), c.acted) << time_text(c.now) << c.now.millisecond;
  }
  EXPECT_EQ(ports_.message_boxes.shown.size(), 1u);
}

TEST_F(AlarmClockTest, WindowEndsAtMidnight) {
  set_alarm(1, "23:59:58", AlarmAction::Ring);
  const struct {
    LocalDateTime now;
    std::string acted;
  } cases[] = {
      {at(23, 59, 58, 500), "1,1"}, {at(23, 59, 59, 999), "1,1"}, {at(0, 0, 0, 0, 9), "-"},
      {at(0, 0, 1, 0, 9), "-"},     {at(0, 0, 3, 0, 9), "-"},
  };
  for (const auto& c : cases) EXPECT_EQ(tick(c.now), c.acted) << time_text(c.now);
}

TEST_F(AlarmClockTest, PopUpBringsTheHiddenWindowBackFirst) {
  for (const bool pop_up : {true, false}) {
    actions_.calls.clear();
    actions_.hidden = true;
    set_alarm(1, "08:00:00", AlarmAction::Quit);
    AlarmPage page = alarms_.page(1);
    page.pop_up = pop_up;
    alarms_.page_changed(1, page);
    alarms_.ok();
    tick(at(8, 0, 1));
    tick(at(8, 0, 9));
    EXPECT_EQ(actions_.calls, pop_up ? (Strings{"bring_back", "quit"}) : Strings{"quit"});
  }
}

TEST_F(AlarmClockTest, PagesAreWrittenAtOnceAndRunOnlyAfterOk) {
  AlarmPage page = alarms_.page(3);
  page.on = true;
  page.time_text = "07:30:00";
  page.tip = "起床";
  page.action = 2;
  alarms_.page_changed(3, page);
  EXPECT_EQ(ports_.settings.document.get("Time3", "Time"), "07:30:00");
  EXPECT_EQ(ports_.settings.document.get("Time3", "on"), "1");
  EXPECT_EQ(ports_.settings.document.get("Time3", "Tip"), "起床");
  EXPECT_EQ(ports_.settings.document.get("Time3", "show"), "1");
  EXPECT_EQ(ports_.settings.document.get("Time3", "Action"), "2");
  EXPECT_FALSE(alarms_.record(3).on);
  EXPECT_FALSE(actions_.timer);
  alarms_.ok();
  EXPECT_TRUE(alarms_.record(3).on);
  EXPECT_EQ(alarms_.record(3).time, (7 * 3600 + 30 * 60) * 1000);
  EXPECT_EQ(alarms_.record(3).tip, "起床");
  EXPECT_TRUE(actions_.timer);
}

TEST_F(AlarmClockTest, TypedTimeIsStoredAsTheFieldShowsIt) {
  EXPECT_EQ(alarms_.time_field_exit(2, "0615").time_text, "06:15:00");
  EXPECT_EQ(ports_.settings.document.get("Time2", "Time"), "06:15:00");
  EXPECT_TRUE(ports_.message_boxes.shown.empty());
}

// A rejected time is never kept: the page goes back to the time it had, and a page that had
// none is switched off rather than left on at a 00:00:00 nobody gave.
TEST_F(AlarmClockTest, RejectedTimeKeepsThePreviousOneOrSwitchesTheAlarmOff) {
  set_alarm(1, "06:15:00", AlarmAction::Ring);
  set_alarm(2, "25:00:00", AlarmAction::PowerOff);
  set_alarm(1, "12:34:67", AlarmAction::Ring);
  EXPECT_EQ(ports_.message_boxes.texts(),
            (Strings{"提示: 输入的时间错误，请检查！", "提示: 输入的时间错误，请检查！"}));

  EXPECT_EQ(alarms_.page(1).time_text, "06:15:00");
  EXPECT_TRUE(alarms_.page(1).on);
  EXPECT_EQ(ports_.settings.document.get("Time1", "Time"), "06:15:00");
  EXPECT_EQ(alarms_.record(1).time, (6 * 3600 + 15 * 60) * 1000);

  EXPECT_FALSE(alarms_.page(2).on);
  EXPECT_EQ(alarms_.page(2).time_text, "00:00:00");
  EXPECT_EQ(ports_.settings.document.get("Time2", "on"), "0");
  EXPECT_FALSE(alarms_.record(2).on);
  // Midnight passes without the power-off.
  EXPECT_EQ(tick(at(0, 0, 1, 0, 9)), "-");
  EXPECT_EQ(tick(at(6, 15, 1, 0, 9)), "1,1");
  EXPECT_TRUE(actions_.calls.empty());
}

// A bad stored time keeps only its own alarm off, with one box that names it instead of the
// settings warning; the others are read and ring.
TEST(AlarmLoadingTest, BadStoredTimeSwitchesOnlyThatAlarmOff) {
  sim::RecordingPorts ports;
  CountingSettings settings;
  Calculator calc(ports.ports());
  sim::RecordingAlarmActions actions;
  AlarmClock alarms(calc, settings, ports.message_boxes, actions);
  for (const auto& [alarm, time] : {std::pair{1, "06:00:00"}, std::pair{2, "25:00:00"},
                                    std::pair{3, "7:00"}, std::pair{5, "abc"}}) {
    settings.write_values(alarm_section(alarm),
                          std::vector<SettingEntry>{{"on", "1"}, {"Time", time}});
  }
  std::vector<int> loaded;
  alarms.on_page_loaded = [&](int alarm, const AlarmPage&) { loaded.push_back(alarm); };
  alarms.ok();
  EXPECT_EQ(loaded, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(alarms.record(1).on);
  EXPECT_FALSE(alarms.record(2).on);
  EXPECT_TRUE(alarms.record(3).on);
  EXPECT_FALSE(alarms.record(5).on);
  EXPECT_FALSE(alarms.page(2).on) << "the page shows it off";
  EXPECT_EQ(alarms.page(2).time_text, "00:00:00");
  EXPECT_EQ(alarms.page(3).time_text, "07:00:00");
  EXPECT_EQ(settings.failures, 0) << "no settings warning: the file was read";
  EXPECT_EQ(ports.message_boxes.texts(),
            Strings{"提示: 闹钟2保存的时间“25:00:00”无效，该闹钟已关闭，请重新设定时间！\n"
                    "闹钟5保存的时间“abc”无效，该闹钟已关闭，请重新设定时间！"});
  // Loading writes nothing back.
  EXPECT_EQ(settings.document.get("Time2", "Time"), "25:00:00");
  EXPECT_EQ(settings.document.get("Time2", "on"), "1");
  EXPECT_FALSE(alarms.tick(at(7, 0, 1)) == std::nullopt);
  EXPECT_TRUE(alarms.tick(at(0, 0, 1, 0, 9)) == std::nullopt);

  // Typed again, the page takes its time; its stored time counts from then on.
  AlarmPage page = alarms.page(2);
  page.on = true;
  alarms.page_changed(2, page);
  alarms.time_field_exit(2, "08:00:00");
  ports.message_boxes.shown.clear();
  alarms.ok();
  EXPECT_TRUE(alarms.record(2).on);
  EXPECT_EQ(ports.message_boxes.texts(),
            Strings{"提示: 闹钟5保存的时间“abc”无效，该闹钟已关闭，请重新设定时间！"});
}

TEST_F(AlarmClockTest, MissingKeysGiveTheDefaults) {
  const AlarmPage page = alarms_.page(4);
  EXPECT_EQ(page, AlarmPage{});
  EXPECT_EQ(page.tip, "您设定的时间已到，请注意！");
  EXPECT_TRUE(page.pop_up);
  EXPECT_EQ(page.action, 1);
  EXPECT_FALSE(alarms_.record(4).on);
}

TEST_F(AlarmClockTest, ClockKeyShowsDateThenTimeThenTheNumber) {
  ports_.formula_bar.bar.clear();
  calc_.k4(MouseButton::Left);
  calc_.k2(MouseButton::Left);
  const CalcState before = calc_.calc_state();
  alarms_.clock_key(at(9, 5, 7));
  EXPECT_EQ(ports_.lcd.frame.text, "2026-12-08  2");
  EXPECT_TRUE(actions_.timer);
  alarms_.clock_key(at(9, 5, 8));
  EXPECT_EQ(ports_.lcd.frame.text, "09:05:08   ");
  alarms_.tick(at(9, 5, 9, 300));
  EXPECT_EQ(ports_.lcd.frame.text, "09:05:09   ");
  // The clock paints only: the number, its sign and what was shown stay.
  EXPECT_EQ(calc_.calc_state().entry_text, before.entry_text);
  EXPECT_EQ(calc_.calc_state().shown_text, before.shown_text);
  EXPECT_EQ(calc_.calc_state().is_negative, before.is_negative);
  alarms_.clock_key(at(9, 5, 10));
  EXPECT_EQ(ports_.lcd.frame.text, "42");
  EXPECT_FALSE(actions_.timer);
}

TEST_F(AlarmClockTest, ThirdPressKeepsTheTimeWhenTheEntryIsTooLong) {
  for (int i = 0; i < 14; ++i) calc_.k7(MouseButton::Left);
  ASSERT_GE(calc_.calc_state().entry_text.size(), 14u);
  for (int press = 0; press < 3; ++press) alarms_.clock_key(at(10, 0, press));
  EXPECT_EQ(ports_.lcd.frame.text, "10:00:01   ");
}

TEST_F(AlarmClockTest, ClockShowsWelcomeWhenIdleAndKeepsTheTimerForAlarms) {
  set_alarm(5, "12:00:00", AlarmAction::Ring);
  ports_.formula_bar.bar = "x";
  alarms_.clock_key(at(11, 0, 0));
  EXPECT_EQ(ports_.formula_bar.bar, calc_.calc_state().welcome_text);
  alarms_.clock_key(at(11, 0, 1));
  alarms_.clock_key(at(11, 0, 2));
  EXPECT_EQ(ports_.lcd.frame.text, "0.");
  EXPECT_TRUE(actions_.timer);  // alarm 5 is still on
}

}  // namespace
}  // namespace orvanta
