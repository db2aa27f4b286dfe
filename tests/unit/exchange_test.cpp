// The exchange with the window below: the outgoing text of each result, the options, the
// choice of the target window, the characters typed, and the one call per equals.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "engine/key_handlers.h"
#include "key_presses.h"
#include "sim/calculator_sim.h"
#include "tools/exchange/exchange_delivery.h"
#include "tools/exchange/exchange_output.h"
#include "tools/exchange/exchange_target.h"
#include "tools/exchange/exchange_typing.h"
#include "tools/exchange/grab_into_calculator.h"
#include "tools/history/history_recorder.h"

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;

// ---- the outgoing text ---------------------------------------------------------

// A result with the output form it leaves in.
struct Shown {
  FinalResult result;
  OutputForm form;
};

struct OutgoingCase {
  std::string name;
  Shown result;
  bool with_formula;
  std::string text;
};

class OutgoingText : public testing::TestWithParam<OutgoingCase> {};

TEST_P(OutgoingText, IsTheFormThenTheFormula) {
  const OutgoingCase& c = GetParam();
  ExchangeOptions options;
  options.with_formula = c.with_formula;
  const std::optional<Outgoing> out = outgoing_for(c.result.result, c.result.form, options);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->text, c.text);
}

Shown result(std::string shown, std::string value, std::string formula,
             OutputForm form = OutputForm::Figures) {
  FinalResult r;
  r.shown_text = std::move(shown);
  r.value_text = std::move(value);
  r.formula = std::move(formula);
  return {std::move(r), form};
}

INSTANTIATE_TEST_SUITE_P(
    Forms, OutgoingText,
    testing::Values(
        OutgoingCase{"FiguresAsShown", result("1,435.75", "1435.75", ""), false, "1,435.75"},
        OutgoingCase{"Capitals", result("1435.75", "1435.75", "", OutputForm::ChineseCapitals),
                     false, "壹仟肆佰叁拾伍点柒伍"},
        OutgoingCase{"MoneyCapitals", result("1435.75", "1435.75", "", OutputForm::MoneyCapitals),
                     false, "人民币壹仟肆佰叁拾伍圆柒角伍分"},
        OutgoingCase{"MoneyFigures", result("1.7", "1.7", "", OutputForm::MoneyFigures), false,
                     "￥1.70"},
        // Precision 2 shows 3.14; the wordings are made from the value handed to the display.
        OutgoingCase{"WordingsFromTheValue",
                     result("3.14", "3.14159", "", OutputForm::MoneyCapitals), false,
                     "人民币叁圆壹角肆分"},
        OutgoingCase{"FormulaThenEquals", result("3", "3", "1+2"), true, "1+2=3"},
        OutgoingCase{"FormulaBeforeAWording",
                     result("1435.75", "1435.75", "1400+35.75", OutputForm::MoneyCapitals), true,
                     "1400+35.75=人民币壹仟肆佰叁拾伍圆柒角伍分"},
        OutgoingCase{"FormulaOptionOff", result("3", "3", "1+2"), false, "3"},
        OutgoingCase{"NoChainGoesWithIt", result("8", "8", ""), true, "8"}),
    [](const auto& info) { return info.param.name; });

TEST(OutgoingText, CarriesWhatTheSenderDoes) {
  ExchangeOptions options;
  options.trailing_space = true;
  options.line_break = true;
  options.copy_sent = true;
  options.mode = DeliveryMode::Whole;
  const std::optional<Outgoing> out =
      outgoing_for(result("3", "3", "").result, OutputForm::Figures, options);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(*out, (Outgoing{"3", true, true, true, DeliveryMode::Whole}));
}

TEST(OutgoingText, NothingWhenTheFormHasNoText) {
  EXPECT_FALSE(
      outgoing_for(result("", "", "").result, OutputForm::Figures, ExchangeOptions{}).has_value());
}

// ---- options -------------------------------------------------------------------

TEST(ExchangeOptions, EachKeySetsItsOption) {
  struct Case {
    std::string key;
    std::string value;
    ExchangeOptions expected;
  };
  const auto with = [](auto change) {
    ExchangeOptions o;
    change(o);
    return o;
  };
  const Case cases[] = {
      {"Device_input_bds", "1", with([](auto& o) { o.with_formula = true; })},
      {"Device_input_space", "1", with([](auto& o) { o.trailing_space = true; })},
      {"Device_input_enter", "1", with([](auto& o) { o.line_break = true; })},
      {"Device_input_clip", "1", with([](auto& o) { o.copy_sent = true; })},
      {"Device_find_windows", "0", with([](auto& o) { o.skip_topmost = false; })},
      {"Device_capture", "2", with([](auto& o) { o.capture_operator = '-'; })},
      {"Device_capture", "3", with([](auto& o) { o.capture_operator = '*'; })},
      {"Device_capture", "4", with([](auto& o) { o.capture_operator = '/'; })},
      // Compared as exact strings: anything else is the first radio button.
      {"Device_capture", "5", ExchangeOptions{}},
      {"Device_capture", " 3", ExchangeOptions{}},
      {"Device_output_type", "2", with([](auto& o) { o.mode = DeliveryMode::Whole; })},
      {"Device_output_type", "02", ExchangeOptions{}},
  };
  for (const Case& c : cases) {
    const SettingInfo* info = find_setting(c.key);
    ASSERT_NE(info, nullptr) << c.key;
    EXPECT_EQ(info->owner, OptionOwner::Exchange) << c.key;
    Options options;
    set_option(options, info->id, read_stored(*info, c.value));
    EXPECT_EQ(exchange_options(options), c.expected) << c.key << "=" << c.value;
  }
  EXPECT_EQ(exchange_options(Options{}), ExchangeOptions{}) << "the file's defaults";
  EXPECT_NE(find_setting("Device_sound")->owner, OptionOwner::Exchange);
}

// ---- the window below ----------------------------------------------------------

TopLevelWindow window(std::string title, bool topmost = false, bool visible = true,
                      bool enabled = true) {
  return {visible, enabled, topmost, std::move(title)};
}

// A window as above with one more fact set: visible and enabled to the system, but no window a
// user sees or types into.
TopLevelWindow with(TopLevelWindow w, bool TopLevelWindow::*fact) {
  w.*fact = true;
  return w;
}

TEST(FindTargetWindow, SkipsWhatIsNoApplicationWindow) {
  struct Case {
    std::string name;
    std::vector<TopLevelWindow> windows;
    bool skip_topmost;
    std::optional<std::size_t> target;
  };
  const Case cases[] = {
      {"TheTopIsNeverChosen", {window("记事本"), window("文档")}, true, 1},
      {"FirstOrdinaryBelowTheTop", {window("Orvanta", true), window("无标题 - 记事本")}, true, 1},
      {"Invisible", {window("Orvanta"), window("a", false, false), window("b")}, true, 2},
      {"Disabled", {window("Orvanta"), window("a", false, true, false), window("b")}, true, 2},
      {"Untitled", {window("Orvanta"), window(""), window("b")}, true, 2},
      {"OwnCaption", {window("x"), window("Orvanta"), window("b")}, true, 2},
      {"TopMostSkipped", {window("Orvanta"), window("a", true), window("b")}, true, 2},
      {"TopMostKept", {window("Orvanta"), window("a", true), window("b")}, false, 1},
      // A suspended app or a window on another virtual desktop: cloaked, still "visible".
      {"Cloaked",
       {window("Orvanta"), with(window("设置"), &TopLevelWindow::cloaked), window("b")},
       true,
       2},
      {"ToolWindow",
       {window("Orvanta"), with(window("工具栏"), &TopLevelWindow::tool_window), window("b")},
       true,
       2},
      // WS_EX_APPWINDOW puts a tool window in the taskbar: an application window after all.
      {"ToolWindowInTheTaskbar",
       {window("Orvanta"),
        with(with(window("面板"), &TopLevelWindow::tool_window), &TopLevelWindow::app_window)},
       true,
       1},
      {"ShellDesktop",
       {window("Orvanta"), with(window("Program Manager"), &TopLevelWindow::shell_desktop)},
       true,
       std::nullopt},
      {"NoneLeft", {window("Orvanta"), window(""), window("Orvanta")}, true, std::nullopt},
      {"Empty", {}, true, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(find_target_window(c.windows, c.skip_topmost), c.target) << c.name;
  }
}

// ---- the characters typed ------------------------------------------------------

TEST(TypedUnits, ChineseArrivesWholeInUnicodeAndAnsiWindows) {
  const std::string rmb = "人民币壹仟肆佰叁拾伍圆柒角伍分";
  const std::vector<unsigned> unicode = typed_units(rmb, TargetCharset::Unicode);
  ASSERT_EQ(unicode.size(), 15u);
  EXPECT_EQ(unicode[0], 0x4EBAu);   // 人
  EXPECT_EQ(unicode[14], 0x5206u);  // 分
  const std::vector<unsigned> ansi = typed_units(rmb, TargetCharset::Gbk);
  ASSERT_EQ(ansi.size(), 15u);
  EXPECT_EQ(ansi[0], 0xC8CBu);   // 人: lead C8, trail CB
  EXPECT_EQ(ansi[14], 0xB7D6u);  // 分

  // Single bytes stay single; "￥" is a double-byte character of code page 936.
  EXPECT_EQ(typed_units("1+2=3", TargetCharset::Gbk),
            (std::vector<unsigned>{'1', '+', '2', '=', '3'}));
  EXPECT_EQ(typed_units("￥1", TargetCharset::Gbk), (std::vector<unsigned>{0xA3A4, '1'}));
  EXPECT_EQ(typed_units("￥1", TargetCharset::Unicode), (std::vector<unsigned>{0xFFE5, '1'}));
  // Beyond the basic plane: two UTF-16 units; code page 936 has no form, so nothing.
  EXPECT_EQ(typed_units("1\U0001F600", TargetCharset::Unicode),
            (std::vector<unsigned>{'1', 0xD83D, 0xDE00}));
  EXPECT_EQ(typed_units("1\U0001F600", TargetCharset::Gbk), (std::vector<unsigned>{'1'}));
}

// ---- the steps of a delivery ------------------------------------------------------

using Step = DeliveryStep;
using Kind = DeliveryStep::Kind;

TEST(DeliverySteps, CharactersThenSpaceThenEnter) {
  const Outgoing out{"3.5", true, true, false, DeliveryMode::Characters};
  EXPECT_EQ(delivery_steps(out, TargetCharset::Unicode),
            (std::vector<Step>{{Kind::Character, '3'},
                               {Kind::Character, '.'},
                               {Kind::Character, '5'},
                               {Kind::PostKey, kKeySpace},
                               {Kind::PostKey, kKeyReturn},
                               {Kind::LetMessagesRun},
                               {Kind::Wait, 300},
                               {Kind::CalculatorToForeground}}));
  // An ANSI window gets each Chinese character as one double-byte unit.
  const Outgoing rmb{"人民币壹仟肆佰叁拾伍圆柒角伍分", false, false, false,
                     DeliveryMode::Characters};
  const std::vector<Step> steps = delivery_steps(rmb, TargetCharset::Gbk);
  ASSERT_EQ(steps.size(), 15u + 3u);
  EXPECT_EQ(steps[0], (Step{Kind::Character, 0xC8CB}));
  EXPECT_EQ(steps[15].kind, Kind::LetMessagesRun);
}

TEST(DeliverySteps, WholeTextThroughTheClipboard) {
  const Outgoing out{"1+2=3", true, true, false, DeliveryMode::Whole};
  EXPECT_EQ(delivery_steps(out, TargetCharset::Unicode),
            (std::vector<Step>{{Kind::Wait, 50},
                               {Kind::CopyToClipboard},
                               {Kind::RecipientToForeground},
                               {Kind::KeyDown, kKeyControl},
                               {Kind::KeyDown, kKeyV},
                               {Kind::Wait, 50},
                               {Kind::KeyUp, kKeyV},
                               {Kind::KeyUp, kKeyControl},
                               {Kind::Wait, 50},
                               {Kind::KeyDown, kKeySpace},
                               {Kind::KeyUp, kKeySpace},
                               {Kind::Wait, 50},
                               {Kind::KeyDown, kKeyReturn},
                               {Kind::KeyUp, kKeyReturn},
                               {Kind::Wait, 50},
                               {Kind::CalculatorToForeground}}));
  EXPECT_EQ(selection_copy_steps(), (std::vector<Step>{{Kind::RecipientToForeground},
                                                       {Kind::KeyDown, kKeyControl},
                                                       {Kind::KeyDown, kKeyC},
                                                       {Kind::Wait, 50},
                                                       {Kind::KeyUp, kKeyC},
                                                       {Kind::KeyUp, kKeyControl},
                                                       {Kind::Wait, 50},
                                                       {Kind::CalculatorToForeground}}));
}

// ---- one call per result, through the calculator ---------------------------------

struct RecordingSender : ExchangeSender {
  void deliver(const Outgoing& outgoing) override { texts.push_back(outgoing.text); }
  Strings texts;
};

class ResultsBelow : public testing::Test {
 protected:
  ResultsBelow() {
    calc_ = std::make_unique<Calculator>(CalculatorPorts{
        ports_.lcd, ports_.formula_bar, ports_.voice, ports_.message_boxes, ports_.settings,
        ports_.clipboard, output_, ports_.converter, ports_.pump, ports_.face, ports_.face});
    sim::start_calculator(*calc_);
    // The output follows the calculator's option, as the exchange does in the window.
    calc_->listen_options(
        [this](SettingId, const Options& now) { output_.options().automatic = now.auto_output; });
    calc_->auto_output_changed(true);
  }

  Calculator& calc() { return *calc_; }
  ExchangeOptions& options() { return output_.options(); }

  void press(std::string_view name) { test_keys::press_key(calc(), name); }
  void keys(std::string_view text) { test_keys::press_keys(calc(), text); }

  sim::RecordingPorts ports_;
  RecordingSender sender_;
  ExchangeOutput output_{sender_};
  std::unique_ptr<Calculator> calc_;
};

TEST_F(ResultsBelow, EachEqualsSendsItsResultOnce) {
  struct Case {
    std::string keys;
    bool science;
    Strings sent;
  };
  const Case cases[] = {
      {"1+2=", false, {"1+2=3"}},
      {"1+2*3=", false, {"1+2*3=9"}},
      {"1+2*3=", true, {"1+2*3=7"}},
      // Equals again shows and sends the same result with its chain.
      {"1+2==", false, {"1+2=3", "1+2=3"}},
      // A chain waiting for its operand was computed by the operator key.
      {"1+2*=", false, {"1+2=3"}},
      // A bare number has no formula to go with it.
      {"5=", false, {"5"}},
      // A power leaves its last operand in the bar: no chain goes with its result, then or
      // when it is shown again.
      {"2^3=", false, {"8"}},
      {"1+2^3==", false, {"27", "27"}},
      // In scientific mode the power is part of the chain.
      {"1+2^3=", true, {"1+2^3=9"}},
      // A result of 0 is sent; the "0." of a cleared display is not.
      {"2-2=", false, {"2-2=0"}},
  };
  options().with_formula = true;
  for (const Case& c : cases) {
    sender_.texts.clear();
    if (calc().options().science_mode != c.science) calc().science_mode_changed(c.science);
    press("c");
    keys(c.keys);
    EXPECT_EQ(sender_.texts, c.sent) << c.keys << (c.science ? " (scientific)" : "");
  }
}

TEST_F(ResultsBelow, KeysPressedDuringTheReadOutAreNeverSent) {
  int waits = 0;
  ports_.pump.during_wait = [&](int) {
    if (++waits == 2) keys("7");
    if (waits == 3) keys("+");
  };
  keys("12+3=");
  EXPECT_EQ(sender_.texts, Strings{"15"});
  // The 7 was taken all the same.
  EXPECT_EQ(ports_.lcd.frame.text, "7");

  // Scientific equals on a typed formula that ends with a sign shows no result of its own:
  // the 7 typed while it says "=" is still not one.
  const auto type_formula = [&](std::string_view formula) {
    press("c");
    ASSERT_TRUE(calc().formula_bar_key());
    ports_.formula_bar.bar = formula;
    calc().formula_bar_changed(formula);
  };
  calc().science_mode_changed(true);
  sender_.texts.clear();
  type_formula("1+");
  waits = 0;
  ports_.pump.during_wait = [&](int) {
    if (++waits == 1) press("k7");
  };
  keys("=");
  EXPECT_EQ(ports_.lcd.frame.text, "7");
  EXPECT_TRUE(sender_.texts.empty());

  // A key pressed while the evaluator walks to a group's "(" is not sent either; the result
  // of the formula is.
  type_formula("(1+2)*3");
  waits = 0;
  keys("=");
  ports_.pump.during_wait = nullptr;
  EXPECT_EQ(sender_.texts, Strings{"9"});
}

TEST_F(ResultsBelow, NothingIsSentForAFailedEquals) {
  // Division by zero in normal mode: the error step.
  keys("8/0=");
  // In scientific mode the evaluator resets the calculator and shows 0.
  calc().science_mode_changed(true);
  keys("1/0=");
  EXPECT_EQ(ports_.formula_bar.bar, kDivideByZeroText);
  keys("=");
  // A formula the evaluator refuses shows 0 after its message.
  press("c");
  ASSERT_TRUE(calc().formula_bar_key());
  ports_.formula_bar.bar = "3---4";
  calc().formula_bar_changed("3---4");
  keys("=");
  EXPECT_EQ(ports_.message_boxes.shown.size(), 1u);
  EXPECT_EQ(ports_.lcd.frame.text, "0");
  EXPECT_TRUE(sender_.texts.empty());
}

TEST_F(ResultsBelow, OnlyTheResultsOfEqualsAreTyped) {
  FormulaRun run;
  run.out_text = run.number_text.emplace("14");
  run.number = 14;
  run.computed = true;
  calc().take_formula_result(run, "(3+4)*2");
  grab_into_calculator(calc(), std::string_view("3*4"), '+');
  calc().report_result(big_number_result(BigOperation::Add, "1", "2", "3"));
  EXPECT_TRUE(sender_.texts.empty());
  press("c");
  keys("1+2=");
  EXPECT_EQ(sender_.texts, Strings{"3"});
}

TEST_F(ResultsBelow, OffSendsNothing) {
  calc().auto_output_changed(false);
  keys("1+2=");
  EXPECT_TRUE(sender_.texts.empty());
}

TEST_F(ResultsBelow, OtherBasesSendTheirDigitsAndWordTheValue) {
  options().with_formula = true;
  press("Khex_on");
  keys("A+5=");
  output_.set_form(OutputForm::MoneyCapitals);
  keys("=");
  EXPECT_EQ(sender_.texts, (Strings{"F", "人民币壹拾伍圆整"}));
}

TEST_F(ResultsBelow, FiguresAsTheDisplayFormatsThem) {
  calc().thousands_changed(true);
  keys("1234567*2=");
  output_.set_form(OutputForm::MoneyFigures);
  keys("=");
  EXPECT_EQ(sender_.texts, (Strings{"2,469,134", "￥2469134.00"}));
}

}  // namespace
}  // namespace orvanta
