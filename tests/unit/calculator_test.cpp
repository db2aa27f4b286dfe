// The calculator core driven through its key handlers, with recording ports.
#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "engine/key_handlers.h"
#include "numeric/calc_error.h"
#include "numeric/number_text.h"
#include "sim/calculator_sim.h"
#include "tools/keyboard/key_dispatch.h"

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;

const std::string kWelcome = std::string(kDefaultWelcomeText) + " ";

class CalculatorTest : public ::testing::Test {
 protected:
  CalculatorTest() { start(); }

  void start() {
    calc_ = std::make_unique<Calculator>(ports_.ports());
    sim::start_calculator(*calc_);
  }

  Calculator& calc() { return *calc_; }
  CalcState& state() { return calc_->calc_state(); }
  const LcdFrame& lcd() const { return ports_.lcd.frame; }

  void press(std::string_view name, MouseButton button = MouseButton::Left) {
    const KeyHandler handler = find_key_handler(name);
    ASSERT_NE(handler, nullptr) << name;
    (calc().*handler)(button);
  }

  // The user types `text` into the formula bar (scientific mode), as the bar reports it.
  void edit_bar(std::string_view text) {
    ASSERT_TRUE(calc().formula_bar_key());
    ports_.formula_bar.bar = text;
    calc().formula_bar_changed(text);
  }

  // One key per character, as orvanta-sim's `keys`.
  void keys(std::string_view text) {
    for (const char ch : text) {
      switch (ch) {
        case '+':
          press("kadd");
          break;
        case '-':
          press("ksub");
          break;
        case '*':
          press("ksum");
          break;
        case '/':
          press("kdiv");
          break;
        case '=':
          press("kdy");
          break;
        case '.':
          press("kp");
          break;
        default:
          press("k" + std::string(1, static_cast<char>(std::tolower(ch))));
      }
    }
  }

  sim::RecordingPorts ports_;
  std::unique_ptr<Calculator> calc_;
};

TEST_F(CalculatorTest, StartsWithZeroPointAndTheWelcomeLine) {
  EXPECT_EQ(lcd().text, "0.");
  EXPECT_EQ(lcd().cell(1), '0');
  EXPECT_EQ(lcd().cell(0), '.');
  EXPECT_EQ(lcd().cell(2), ' ');
  EXPECT_TRUE(lcd().lights.sound_on && lcd().lights.pt_mode && lcd().lights.angle_jd);
  EXPECT_EQ(ports_.formula_bar.bar, kWelcome);
  EXPECT_EQ(state().entry_text, "0");
  EXPECT_FALSE(state().has_point);
  // A first start stores that automatic output is off.
  EXPECT_EQ(ports_.settings.value("Device_AutoCopyTo"), "0");
}

TEST_F(CalculatorTest, NegativeNumberFillsTheCellsFromTheRight) {
  keys("12.5");
  press("kzf");
  EXPECT_EQ(lcd().text, "-12.5");
  EXPECT_EQ(
      std::string({lcd().cell(4), lcd().cell(3), lcd().cell(2), lcd().cell(1), lcd().cell(0)}),
      "-12.5");
  EXPECT_TRUE(state().is_negative);
  EXPECT_TRUE(state().has_point);
  EXPECT_EQ(state().cur_value, -12.5L);
}

TEST_F(CalculatorTest, ALongNumberIsNeverShownSmallerThanItIs) {
  struct Case {
    const char* keys;
    bool thousands;
    const char* precision;
    const char* shown;
    bool light;  // the cells do not show the whole number
  };
  for (const Case& c : {
           Case{"99999999999999+1=", false, "-1", "1E14", false},
           Case{"12345678*100000000=", false, "-1", "1.2345678E15", false},
           // The mantissa rounded half up to the cells, the exponent whole.
           Case{"94607304725808*100=", false, "-1", "9.460730473E15", true},
           Case{"0-99999999999999-1=", false, "-1", "-1E14", false},
           Case{"0-12345678901234=", false, "-1", "-1.23456789E13", true},
           Case{"99999999999999+1=", false, "2", "1E14", false},
           // Separators that would push digits off the cells are left out there.
           Case{"12345678901*10=", true, "-1", "123456789010", false},
           Case{"10000000000*10000=", true, "-1", "1E14", false},
           Case{"1234567.891+0=", true, "-1", "1,234,567.891", false},
           // A fraction too long for the cells still shows its first cells, unless they would
           // show next to nothing of it.
           Case{"2/3=", false, "-1", "0.666666666666", true},
           Case{"1/3/10000000000000=", false, "-1", "3.3E-14", false},
       }) {
    calc().thousands_changed(c.thousands);
    calc().precision_changed(c.precision);
    press("c");
    keys(c.keys);
    EXPECT_EQ(lcd().text, c.shown) << c.keys;
    EXPECT_EQ(lcd().lights.error_on, c.light) << c.keys;
  }
  // A typed number that the sign key makes too long: the cells keep its magnitude.
  press("c");
  keys("12345678901234");
  press("kzf");
  EXPECT_EQ(lcd().text, "-1.23456789E13");
}

TEST_F(CalculatorTest, ALongPlainResultGoesBelowWholeAndIsReadAsShown) {
  calc().auto_output_changed(true);
  calc().result_to_clipboard_changed(true);
  keys("12345678*100000000");
  ports_.voice.said.clear();
  keys("=");
  EXPECT_EQ(lcd().text, "1.2345678E15");
  EXPECT_EQ(lcd().tooltip, "1,234,567,800,000,000");
  EXPECT_EQ(ports_.clipboard.text, "1234567800000000");
  ASSERT_EQ(ports_.output.sent.size(), 1u);
  EXPECT_EQ(ports_.output.sent[0].shown_text, "1234567800000000");
  EXPECT_EQ(ports_.output.sent[0].value_text, "1234567800000000");
  // The exponent's words take their own time, so the next clip does not cut them off.
  EXPECT_EQ(ports_.voice.said,
            (Strings{"=", "1", ".", "2", "3", "4", "5", "6", "7", "8", "E", "1", "5", "^"}));
  const std::vector<int>& waits = ports_.pump.waits;
  ASSERT_GE(waits.size(), 4u);
  EXPECT_EQ(std::vector<int>(waits.end() - 4, waits.end()), (std::vector<int>{700, 300, 300, 500}));
}

TEST_F(CalculatorTest, HexadecimalTooltipIsTheTextItself) {
  press("Khex_on");
  keys("FF");
  EXPECT_EQ(lcd().text, "FF");
  EXPECT_EQ(lcd().tooltip, "FF");
  EXPECT_EQ(state().cur_value, 255);
}

TEST_F(CalculatorTest, OctalAndBinaryEntriesHoldTheirTrueValue) {
  press("kocx_on");
  keys("17");
  EXPECT_EQ(state().cur_value, 15);
  press("c");
  press("kbin_on");
  keys("101");
  EXPECT_EQ(state().cur_value, 5);
}

TEST_F(CalculatorTest, EqualsReadsTheResultOutWithItsPauses) {
  keys("12.5");
  ports_.voice.said.clear();
  keys("=");
  EXPECT_EQ(ports_.voice.said, (Strings{"=", "1", "2", ".", "5"}));
  EXPECT_EQ(ports_.pump.waits, (std::vector<int>{430, 300, 300, 300, 300}));
  EXPECT_FALSE(state().equals_busy);
}

// Keys the user types while equals speaks: each pause of the read-out takes the next one,
// through the keyboard dispatch as the window does it; those left when equals is over follow.
class ReadOutTest : public CalculatorTest {
 protected:
  ReadOutTest() {
    ports_.pump.during_wait = [this](int) { type_next(); };
  }

  void type_next() {
    if (typed_.empty()) return;
    const int code = typed_.front();
    typed_.pop_front();
    KeyGuards guards;
    guards.equals_busy = state().equals_busy;
    const KeyPress key = dispatch_key(table_, code, {}, guards);
    if (key.route == KeyRoute::Press) press(key.button, key.mouse);
  }

  void equals_while_typing(std::deque<int> codes) {
    typed_ = std::move(codes);
    typed_.push_front(kEnter);
    ports_.voice.said.clear();
    while (!typed_.empty()) type_next();
  }

  static constexpr int kEnter = 0x0D;
  static constexpr int kNoKey = 0;  // a pause in which the user types nothing
  KeyTable table_;
  std::deque<int> typed_;
};

TEST_F(ReadOutTest, AKeyStopsTheReadOutAndIsHandledAsAfterEquals) {
  const struct {
    std::deque<int> typed;
    Strings said;
    const char* shown;
    const char* bar;
  } cases[] = {
      // Equals while equals speaks is ignored: one read-out, whole.
      {{kEnter, kEnter, kEnter}, {"=", "1", "5"}, "15", "12+3"},
      // A digit in the second pause: the voice stops, the digit starts a new number.
      {{kNoKey, '7'}, {"=", "1", "7"}, "7", "7"},
      // An operator goes on from the result; the equals after it computes and speaks.
      {{0x6B, '4', kEnter}, {"=", "+", "4", "=", "1", "9"}, "19", "12+3+4"},
  };
  for (const auto& c : cases) {
    press("c");
    keys("12+3");
    equals_while_typing(c.typed);
    EXPECT_EQ(ports_.voice.said, c.said) << c.shown;
    EXPECT_EQ(lcd().text, c.shown);
    EXPECT_EQ(ports_.formula_bar.bar, c.bar) << c.shown;
    EXPECT_FALSE(state().equals_busy) << c.shown;
  }
  // Equals works again once the read-out is over.
  ports_.voice.said.clear();
  keys("=");
  EXPECT_EQ(ports_.voice.said, (Strings{"=", "1", "9"}));
}

TEST_F(ReadOutTest, NoKeyTypedDuringTheReadOutIsLost) {
  keys("123456+654321");
  // Sixteen presses of 9 from the first pause on; the entry takes its 14 characters.
  equals_while_typing(std::deque<int>(16, '9'));
  EXPECT_EQ(lcd().text, "99999999999999");
  EXPECT_EQ(state().entry_text, "99999999999999");
  EXPECT_TRUE(state().acc_text.empty());
  Strings said(14, "9");
  said.insert(said.begin(), "=");
  EXPECT_EQ(ports_.voice.said, said);
}

TEST_F(ReadOutTest, EqualsAfterAKeyInTheSamePauseSpeaksItsOwnResult) {
  keys("12+3");
  ports_.voice.said.clear();
  int pauses = 0;
  ports_.pump.during_wait = [&](int) {
    if (++pauses != 2) return;
    keys("7+1=");
  };
  keys("=");
  EXPECT_EQ(ports_.voice.said, (Strings{"=", "1", "7", "+", "1", "=", "8"}));
  EXPECT_EQ(lcd().text, "8");
  EXPECT_EQ(ports_.formula_bar.bar, "7+1");
  EXPECT_FALSE(state().equals_busy);
}

TEST_F(CalculatorTest, HexadecimalEqualsSaysEqualsWithoutReadOut) {
  press("Khex_on");
  keys("A+6");
  ports_.voice.said.clear();
  ports_.pump.waits.clear();
  keys("=");
  EXPECT_EQ(lcd().text, "10");
  EXPECT_EQ(ports_.voice.said, Strings{"="});
  EXPECT_EQ(ports_.pump.waits, std::vector<int>{430});
}

TEST_F(CalculatorTest, VoiceOffSpeaksAndWaitsForNothing) {
  press("voice");
  EXPECT_FALSE(lcd().lights.sound_on);
  EXPECT_EQ(ports_.settings.value("Device_sound"), "0");
  keys("1+2=");
  press("c");
  EXPECT_TRUE(ports_.voice.said.empty());
  EXPECT_TRUE(ports_.pump.waits.empty());
  press("voice", MouseButton::Right);
  EXPECT_FALSE(calc().options().sound);
  press("voice");
  EXPECT_TRUE(calc().options().sound);
  EXPECT_EQ(ports_.settings.value("Device_sound"), "1");
}

TEST_F(CalculatorTest, ErrorStepShowsTheMarkAndEmptiesTheCalculation) {
  keys("8/0");
  ports_.voice.said.clear();
  ports_.pump.waits.clear();
  keys("=");
  EXPECT_EQ(lcd().text, "......");
  EXPECT_EQ(ports_.voice.said, Strings{"se"});
  // Pending messages run once; no "=" and no read-out follow an error.
  EXPECT_EQ(ports_.pump.waits, std::vector<int>{0});
  EXPECT_EQ(state().cur_value, 0);
  EXPECT_TRUE(state().entry_text.empty());
  EXPECT_TRUE(state().acc_text.empty());
  EXPECT_TRUE(state().formula_head.empty());
  EXPECT_TRUE(state().formula_tail.empty());
  EXPECT_FALSE(state().equals_busy);
  // The next number starts afresh.
  keys("3+4=");
  EXPECT_EQ(lcd().text, "7");
}

TEST_F(CalculatorTest, AResultWithoutGlyphsEndsInTheErrorStep) {
  EXPECT_THROW(calc().qel_play("1I"), CalcError);
  keys("1754");
  press("kjc");
  keys("*1000=");
  EXPECT_EQ(lcd().text, "......");
}

TEST_F(CalculatorTest, OnlyTheFinalResultGoesToTheWindowBelow) {
  calc().auto_output_changed(true);
  EXPECT_EQ(ports_.settings.value("Device_AutoCopyTo"), "1");
  keys("1+2+3=");
  ASSERT_EQ(ports_.output.sent.size(), 1u);
  EXPECT_EQ(ports_.output.sent[0].shown_text, "6");
  EXPECT_EQ(ports_.output.sent[0].value_text, "6");
  // A zero result shown as "0." is not sent.
  press("mc");
  press("mr");
  EXPECT_EQ(ports_.output.sent.size(), 1u);
}

TEST_F(CalculatorTest, ATextWithoutDigitsIsNeverSentToTheWindowBelow) {
  calc().auto_output_changed(true);
  state().equals_busy = true;
  EXPECT_THROW(calc().qel_play("INF"), CalcError);
  state().equals_busy = false;
  EXPECT_TRUE(ports_.output.sent.empty());
}

TEST_F(CalculatorTest, ResultsOnTheClipboardAsDisplayed) {
  calc().result_to_clipboard_changed(true);
  calc().thousands_changed(true);
  keys("1234567");
  EXPECT_EQ(ports_.clipboard.text, "1,234,567");
  EXPECT_EQ(ports_.settings.value("Device_input_autoclip"), "1");
  EXPECT_EQ(ports_.settings.value("Device_1000"), "1");
}

TEST_F(CalculatorTest, EveryDisplayRefreshesTheConverter) {
  keys("5");
  EXPECT_EQ(ports_.converter.cell(0, 1), "5 米");
  EXPECT_EQ(ports_.converter.cell(10, 2), " 5°");
  EXPECT_EQ(state().unit_category, 10);
  EXPECT_EQ(state().unit_source_text, "5");
}

TEST_F(CalculatorTest, ModeSwitchResetsStoresAndUnlocksTheBar) {
  keys("5+3");
  calc().science_mode_changed(true);
  EXPECT_EQ(lcd().text, "0.");
  EXPECT_TRUE(lcd().lights.kx_mode);
  EXPECT_FALSE(lcd().lights.pt_mode);
  EXPECT_FALSE(lcd().lights.add_on);
  EXPECT_TRUE(state().acc_text.empty());
  EXPECT_EQ(ports_.formula_bar.bar, kWelcome);
  EXPECT_FALSE(ports_.formula_bar.read_only);
  EXPECT_EQ(ports_.settings.value("Device_Science_calc"), "1");
  EXPECT_TRUE(ports_.voice.said.back() != "c");
}

TEST_F(CalculatorTest, StoredSettingsApplyAtStartUp) {
  for (const auto& [key, value] : {std::pair{"Device_sound", "0"},
                                   {"Device_angle", "0"},
                                   {"Device_Science_calc", "0x1"},
                                   {"Device_point", "2"},
                                   {"Device_1000", "abc"},
                                   {"Device_AutoCopyTo", "yes"}}) {
    ports_.settings.document.set(kSetupSection, key, value);
  }
  start();
  EXPECT_FALSE(calc().options().sound);
  EXPECT_FALSE(calc().options().degrees);
  EXPECT_TRUE(lcd().lights.angle_hd);
  EXPECT_TRUE(lcd().lights.kx_mode);
  EXPECT_FALSE(calc().options().thousands);
  EXPECT_FALSE(calc().options().auto_output);
  EXPECT_EQ(ports_.settings.value("Device_AutoCopyTo"), "yes");
  keys("3.14159=");
  EXPECT_EQ(lcd().text, "3.14");
}

TEST_F(CalculatorTest, AngleKeyStoresTheUnitInEveryBase) {
  press("Khex_on");
  press("jd_hd");
  EXPECT_TRUE(calc().options().degrees);
  EXPECT_EQ(ports_.settings.value("Device_angle"), "1");
  EXPECT_FALSE(lcd().lights.angle_jd || lcd().lights.angle_hd);
  press("kden_on");
  EXPECT_TRUE(lcd().lights.angle_jd);
  press("jd_hd");
  EXPECT_EQ(ports_.settings.value("Device_angle"), "0");
}

TEST_F(CalculatorTest, StripClickPicksTheBaseByHeight) {
  keys("255");
  struct Click {
    int y;
    NumberBase base;
    const char* shown;
  };
  for (const Click& click :
       {Click{5, NumberBase::Hex, "FF"}, Click{20, NumberBase::Dec, "255"},
        Click{40, NumberBase::Oct, "377"}, Click{59, NumberBase::Bin, "11111111"}}) {
    calc().Image5(MouseButton::Left, click.y);
    EXPECT_EQ(state().calc_base, click.base) << click.y;
    EXPECT_EQ(ports_.face.strip, click.base) << click.y;
    EXPECT_EQ(lcd().text, click.shown) << click.y;
  }
  // y = 0 picks no base and only puts the formula bar to rest.
  ports_.formula_bar.bar = "x";
  calc().Image5(MouseButton::Left, 0);
  EXPECT_EQ(state().calc_base, NumberBase::Bin);
  EXPECT_EQ(ports_.formula_bar.bar, kWelcome);
}

TEST_F(CalculatorTest, PiRightButtonOpensTheConstantsTableInEveryBase) {
  press("kbin_on");
  press("pi", MouseButton::Right);
  EXPECT_TRUE(ports_.face.constants_shown);
  press("pi");
  EXPECT_FALSE(ports_.face.constants_shown);
  EXPECT_EQ(lcd().text, "0.");
}

TEST_F(CalculatorTest, ScientificEqualsOnAnUnfinishedChainComputesNothing) {
  calc().science_mode_changed(true);
  keys("7+2");
  edit_bar("7+2+");
  keys("=");
  EXPECT_EQ(lcd().text, "2");
  EXPECT_EQ(ports_.formula_bar.bar, "7+2");
}

TEST_F(CalculatorTest, ScientificEqualsEvaluatesTheEditedBar) {
  calc().science_mode_changed(true);
  keys("1+1");
  edit_bar("2^3+sin(30)");
  keys("=");
  EXPECT_EQ(lcd().text, "8.5");
}

TEST_F(CalculatorTest, ScientificEqualsGivesUpOnAFormulaThatNeverBecomesANumber) {
  calc().science_mode_changed(true);
  for (const char* formula : {"SIN(A)", "1.2.3+1", "SECA(0)"}) {
    keys("1+1");
    edit_bar(formula);
    ports_.message_boxes.shown.clear();
    keys("=");
    EXPECT_EQ(ports_.message_boxes.texts(),
              Strings{"错误！: 输入的表达式无效或含有无效字符！请仔细检查！"})
        << formula;
    EXPECT_EQ(lcd().text, "0") << formula;
  }
}

TEST_F(CalculatorTest, ScientificDivisionByZeroResetsWithoutEqualsOrReadOut) {
  calc().science_mode_changed(true);
  keys("9/0");
  ports_.voice.said.clear();
  keys("=");
  EXPECT_EQ(ports_.formula_bar.bar, kDivideByZeroText);
  EXPECT_EQ(ports_.voice.said, Strings{"se"});
  EXPECT_EQ(lcd().text, "0");
}

TEST_F(CalculatorTest, TypingIntoTheBarNeedsScientificMode) {
  EXPECT_FALSE(calc().formula_bar_key());
  EXPECT_EQ(ports_.message_boxes.texts(), Strings{"提示: 普通计算模式不能编辑输入栏!"});
  calc().science_mode_changed(true);
  state().entry_text.clear();
  EXPECT_TRUE(calc().formula_bar_key());
  EXPECT_EQ(ports_.formula_bar.bar, "");
  EXPECT_EQ(state().acc_text, "0");
  EXPECT_EQ(state().entry_text, "0");
  calc().formula_bar_changed("2*(3+4)");
  EXPECT_EQ(state().formula_head, "2*(3+4)");
  // Changes the program makes are not recorded.
  calc().formula_bar_changed("x");
  EXPECT_EQ(state().formula_head, "2*(3+4)");
  ports_.formula_bar.bar = "2*(3+4)";
  keys("=");
  EXPECT_EQ(lcd().text, "14");
}

// Keys that once left a decimal text in an octal or binary entry; the next digit then made the
// error display itself fail.
TEST_F(CalculatorTest, OtherBasesNeverKeepADecimalText) {
  struct Case {
    const char* base;
    bool science;
    const char* keys;
  };
  for (const Case& c : {Case{"kocx_on", true, "3*"}, Case{"kbin_on", true, "1*"},
                        Case{"kocx_on", false, "3*"}, Case{"kbin_on", false, "1*"}}) {
    calc().science_mode_changed(c.science);
    press(c.base);
    keys(c.keys);
    press("ce");
    keys("=");
    EXPECT_EQ(state().entry_text.find('.'), std::string::npos) << c.base;
    keys("1");
    EXPECT_EQ(lcd().text, "1") << c.base << " " << c.keys;
    press("kden_on");
  }
}

TEST_F(CalculatorTest, TheErrorStepCannotFailOnAnInvalidEntry) {
  press("kocx_on");
  state().entry_text = "0.";  // what an earlier fault once left behind
  keys("1");
  EXPECT_EQ(lcd().text, "......");
  EXPECT_TRUE(state().entry_text.empty());
  keys("7");
  EXPECT_EQ(lcd().text, "7");
}

TEST_F(CalculatorTest, AfterAnErrorTheNextNumberTakesItsPoint) {
  keys("1755");
  press("kjc");
  EXPECT_EQ(lcd().text, "......");
  keys("1.5");
  EXPECT_EQ(lcd().text, "1.5");
}

TEST_F(CalculatorTest, ZeroFromTheBitKeysIsAnEntryTheDigitsCanExtend) {
  press("kocx_on");
  press("k_shr", MouseButton::Right);
  EXPECT_EQ(lcd().text, "0.");
  keys("5");
  EXPECT_EQ(lcd().text, "5");
  press("kbin_on");
  press("c");
  keys("11111111111111");
  press("knot");
  EXPECT_EQ(lcd().text, "0.");
  keys("1");
  EXPECT_EQ(lcd().text, "1");
}

TEST_F(CalculatorTest, ABaseSwitchCarriesTheLastResultAlong) {
  press("Khex_on");
  keys("A+15=");
  press("kocx_on");
  EXPECT_EQ(lcd().text, "37");
  keys("+1=");
  EXPECT_EQ(lcd().text, "40");
  // The error mark is no number to carry: the next number starts afresh.
  keys("7/0=");
  press("kocx_on");
  keys("6+1=");
  EXPECT_EQ(lcd().text, "7");
}

TEST_F(CalculatorTest, AFormulaResultIsWrittenInTheBase) {
  struct Case {
    const char* base;
    const char* number;
    const char* lcd;
    const char* entry;
    Extended value;
  };
  for (const Case& c :
       {Case{"kden_on", "-2.5", "-2.5", "-2.5", -2.5L}, Case{"kocx_on", "-2", "2", "2", 2},
        Case{"kocx_on", "2.5", "2", "2", 2}, Case{"kbin_on", "5", "101", "101", 5},
        Case{"Khex_on", "255", "FF", "FF", 255}, Case{"kocx_on", "0", "0.", "0", 0}}) {
    press(c.base);
    FormulaRun run;
    run.evaluated = true;
    run.out_text = c.number;
    run.number_text = c.number;
    run.number = parse_number(c.number);
    calc().take_formula_result(run, c.number);
    EXPECT_EQ(lcd().text, c.lcd) << c.base << " " << c.number;
    EXPECT_EQ(state().entry_text, c.entry) << c.base << " " << c.number;
    EXPECT_EQ(state().cur_value, c.value) << c.base << " " << c.number;
    keys("1");
    EXPECT_NE(lcd().text, "......") << c.base << " " << c.number;
  }
}

TEST_F(CalculatorTest, AnOperatorAfterEqualsGoesOnFromTheChainOfItsMode) {
  struct Case {
    bool science;
    const char* bar;
  };
  // Normal mode computes in the order of input, so its chain is the whole input; scientific
  // mode evaluates the bar, so it starts again from the result.
  for (const Case& c : {Case{false, "1+2*3"}, Case{true, "3*3"}}) {
    calc().science_mode_changed(c.science);
    keys("1+2=");
    keys("*3=");
    EXPECT_EQ(lcd().text, "9") << c.science;
    EXPECT_EQ(ports_.formula_bar.bar, c.bar) << c.science;
  }
}

TEST_F(CalculatorTest, ANumberInExponentFormKeepsItsExponentOnTheLcd) {
  calc().auto_output_changed(true);
  keys("12345678912345*12345678912345");
  ports_.voice.said.clear();
  keys("=");
  EXPECT_EQ(lcd().text, "1.524157878E26");
  EXPECT_TRUE(lcd().lights.error_on);
  EXPECT_EQ(lcd().tooltip, "1.5241578780672E26");
  // The read-out and the output below follow the cells.
  EXPECT_EQ(ports_.voice.said, (Strings{"=", "1", ".", "5", "2", "4", "1", "5", "7", "8", "7", "8",
                                        "E", "2", "6", "^"}));
  ASSERT_EQ(ports_.output.sent.size(), 1u);
  EXPECT_EQ(ports_.output.sent[0].shown_text, "1.524157878E26");
  EXPECT_EQ(ports_.output.sent[0].value_text, "1.524157878E26");
  keys("171");
  press("kjc");
  EXPECT_EQ(lcd().text, "1.24101807E309");
}

TEST_F(CalculatorTest, AfterTheBarIsEditedTheChainIsWhatTheUserTyped) {
  calc().science_mode_changed(true);
  keys("5+6");
  // End, Backspace, 7: each key, then the text it left.
  ASSERT_TRUE(calc().formula_bar_key());
  ports_.formula_bar.bar = "5+";
  calc().formula_bar_changed("5+");
  ASSERT_TRUE(calc().formula_bar_key());
  ports_.formula_bar.bar = "5+7";
  calc().formula_bar_changed("5+7");
  for (int press_count = 1; press_count <= 2; ++press_count) {
    keys("=");
    EXPECT_EQ(lcd().text, "12") << press_count;
    EXPECT_EQ(ports_.formula_bar.bar, "5+7") << press_count;
  }
}

TEST_F(CalculatorTest, TypedDigitsShowAsTypedUnderAFixedPrecision) {
  calc().precision_changed("2");
  struct Case {
    bool thousands;
    const char* typed;
    const char* shown;
  };
  for (const Case& c :
       {Case{false, "1.", "1."}, Case{false, "1.00", "1.00"}, Case{false, "3.14159", "3.14159"},
        Case{true, "1234.50", "1,234.50"}, Case{true, "12345678901", "12,345,678,901"}}) {
    calc().thousands_changed(c.thousands);
    press("c");
    keys(c.typed);
    EXPECT_EQ(lcd().text, c.shown) << c.typed;
  }
  press("tg");
  EXPECT_EQ(lcd().text, "1,234,567,890");
  press("kzf");
  EXPECT_EQ(lcd().text, "-1,234,567,890");
  // Results and recalls take the precision.
  calc().thousands_changed(false);
  press("c");
  keys("3.14159");
  press("ms");
  keys("+0=");
  EXPECT_EQ(lcd().text, "3.14");
  press("mr");
  EXPECT_EQ(lcd().text, "3.14");
}

TEST_F(CalculatorTest, AfterEqualsTheNextDigitOrPointStartsANewNumber) {
  struct Case {
    const char* before;
    const char* after;
    const char* shown;
  };
  for (const Case& c :
       {// Equals with nothing to compute leaves the number it showed finished too.
        Case{"1234=", "12", "12"}, Case{"12.5=", "3", "3"}, Case{"12.5=", ".5", "0.5"},
        Case{"1234=", "0", "0"}, Case{"5+3=", "2+1=", "3"}, Case{"1234==", "7", "7"}}) {
    press("c");
    keys(c.before);
    keys(c.after);
    EXPECT_EQ(lcd().text, c.shown) << c.before << " " << c.after;
    if (!std::string_view(c.after).ends_with('=')) {
      EXPECT_EQ(state().entry_text, c.shown) << c.before << " " << c.after;
    }
  }
  // The sign and backspace keys work on the finished number without reopening it.
  press("c");
  keys("1234=");
  press("kzf");
  EXPECT_EQ(lcd().text, "-1234");
  press("tg");
  EXPECT_EQ(lcd().text, "-1234");
  keys("5");
  EXPECT_EQ(lcd().text, "5");
  EXPECT_FALSE(state().is_negative);
  // Up to the full entry again: the eleven characters with separators, the hexadecimal digits.
  calc().thousands_changed(true);
  press("c");
  keys("12345678901=2");
  EXPECT_EQ(lcd().text, "2");
  calc().thousands_changed(false);
  press("Khex_on");
  keys("1A=B");
  EXPECT_EQ(lcd().text, "B");
}

TEST_F(CalculatorTest, AfterMemoryStoreOrRecallTheNextDigitStartsANewNumber) {
  struct Case {
    const char* before;
    const char* memory_key;
    const char* after;
    const char* shown;
  };
  for (const Case& c : {Case{"5", "ms", "3", "3"}, Case{"5", "ms", ".5", "0.5"},
                        Case{"2.5", "ms", "0", "0"}, Case{"5", "mr", "3", "3"},
                        // MS keeps the pending operation: 2 + 3 MS 4 = adds 4.
                        Case{"2+3", "ms", "4=", "6"}}) {
    press("c");
    keys(c.before);
    press(c.memory_key);
    keys(c.after);
    EXPECT_EQ(lcd().text, c.shown) << c.before << " " << c.memory_key << " " << c.after;
  }
  // Once a new number is under way its digits go on as usual.
  keys("12");
  EXPECT_EQ(lcd().text, "12");
}

TEST_F(CalculatorTest, KeyTableFindsEveryHandler) {
  EXPECT_EQ(find_key_handler("kdy"), &Calculator::kdy);
  EXPECT_EQ(find_key_handler("Khex_on"), &Calculator::Khex_on);
  EXPECT_EQ(find_key_handler("nope"), nullptr);
  for (const KeyEntry& key : key_table()) {
    EXPECT_EQ(find_key_handler(key.name), key.handler) << key.name;
    // Middle presses never change the calculation.
    (calc().*key.handler)(MouseButton::Middle);
  }
  EXPECT_EQ(lcd().text, "0.");
  EXPECT_EQ(state().entry_text, "0");
}

}  // namespace
}  // namespace orvanta
