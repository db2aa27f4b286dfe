// The formula panel and the big-number panel in the running calculator: opened from their menu
// items, filled and clicked as a user would, read back from their fields and the LCD.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "face_reader.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

const std::string kSettledSettings =
    "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs3500=5000\r\n"
    "Device_point=-1\r\n[Welcome]\r\nText=Orvanta\r\n";

// The edit that follows its label (a labelled edit's label is created just before it).
HWND field_after(HWND label) {
  return label == nullptr ? nullptr : GetWindow(label, GW_HWNDNEXT);
}

void set_text(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Characters as an input method hands them to the field.
void type_into(HWND control, const std::wstring& text) {
  for (const wchar_t ch : text) SendMessageW(control, WM_CHAR, ch, 0);
}

// GetWindowTextLength does not ask a control of another process.
int text_length(HWND control) {
  return static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
}

void click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

class PanelsE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    remove_settings();
    write_settings(kSettledSettings);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(lcd_shows("0."));
  }
  void TearDown() override { remove_settings(); }

  bool lcd_shows(const std::string& text) {
    return poll_until([&] { return reader.lcd_text(app.capture()) == text; }, 5s);
  }
  // A visible control of the window by its text.
  HWND control(const std::wstring& text) { return app.wait_child(text); }
  bool text_becomes(HWND field, const std::wstring& text) {
    return poll_until([&] { return App::text_of(field) == text; }, 10s);
  }

  App app;
  FaceReader reader;
};

class FormulaPanelE2e : public PanelsE2e {
 protected:
  void open() {
    PostMessageW(app.window(), WM_COMMAND, win32::kMenuFormula, 0);
    calculate_ = control(L"计 算");
    ASSERT_NE(calculate_, nullptr);
    input_ = field_after(control(L"输入公式:"));
    output_ = field_after(control(L"计算结果："));
    single_step_ = control(L"单步求解");
    ASSERT_NE(input_, nullptr);
    ASSERT_NE(output_, nullptr);
  }
  HWND calculate_ = nullptr;
  HWND input_ = nullptr;
  HWND output_ = nullptr;
  HWND single_step_ = nullptr;
};

TEST_F(FormulaPanelE2e, OpeningPastesTheClipboardSelectedWithTheFocusThere) {
  put_on_clipboard(L"12*3");
  open();
  EXPECT_TRUE(text_becomes(input_, L"12*3"));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(input_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(app.window(), nullptr), &info));
  EXPECT_EQ(info.hwndFocus, input_);
  // Enter in the field computes; the keys of the calculator stay out of the field's way.
  PostMessageW(input_, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(text_becomes(output_, L"36"));
  EXPECT_TRUE(lcd_shows("36"));
}

// A big-number result copied from the other panel and brought here: taken whole at once.
TEST_F(FormulaPanelE2e, OpeningWithAHugeNumberOnTheClipboardTakesItWhole) {
  constexpr int n = 200000;
  put_on_clipboard(std::wstring(n, L'7'));
  open();
  ASSERT_TRUE(poll_until([&] { return text_length(input_) == n; }));
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(input_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(n));
}

// Tab and Shift+Tab walk the panel's controls from top to bottom and round again, and lead into
// the panel from outside it; a field reached so has its text selected.
TEST_F(FormulaPanelE2e, TabWalksThroughThePanel) {
  open();
  set_text(output_, L"3.5");
  const HWND calculate = control(L"计 算");
  const HWND close = control(L"关 闭");
  const auto focus = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.window(), nullptr), &info);
    return info.hwndFocus;
  };
  ASSERT_TRUE(poll_until([&] { return focus() == input_; }));
  struct Step {
    bool back;
    HWND to;
  };
  for (const Step& s : {Step{false, calculate}, Step{false, single_step_}, Step{false, output_},
                        Step{false, close}, Step{false, input_}, Step{true, close}}) {
    if (s.back) {
      app.key_chord({VK_SHIFT}, VK_TAB);
    } else {
      app.key(VK_TAB);
    }
    EXPECT_TRUE(poll_until([&] { return focus() == s.to; }))
        << App::text_of(s.to) << " expected, at " << App::text_of(focus());
  }
  // From outside the panel (the formula bar) Tab goes into it.
  app.click(46 + 20, 105 + 8);
  ASSERT_TRUE(poll_until([&] { return focus() != close && focus() != nullptr; }));
  app.key(VK_TAB);
  EXPECT_TRUE(poll_until([&] { return focus() == input_; })) << App::text_of(focus());
  app.key_chord({VK_SHIFT}, VK_TAB);
  app.key_chord({VK_SHIFT}, VK_TAB);  // round to "关 闭", then back to the result field
  ASSERT_TRUE(poll_until([&] { return focus() == output_; }));
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(output_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(App::text_of(output_), L"3.5") << "Tab types nothing";
}

TEST_F(FormulaPanelE2e, FormulasComputeAndTheirNumberGoesOntoTheLcd) {
  open();
  struct Case {
    const wchar_t* typed;
    const wchar_t* out;
    const char* lcd;
  };
  for (const Case& c : {Case{L"（１＋２）×３", L"9", "9"}, Case{L"2(3+4)", L"14", "14"},
                        Case{L"3〔长度〕*25〔宽度〕", L"75", "75"}}) {
    set_text(input_, L"");
    type_into(input_, c.typed);
    click(calculate_);
    EXPECT_TRUE(text_becomes(output_, c.out)) << App::text_of(output_);
    EXPECT_TRUE(lcd_shows(c.lcd)) << reader.lcd_text(app.capture());
  }
}

TEST_F(FormulaPanelE2e, UnbalancedBracketsAreRefusedAndTheResultStays) {
  open();
  set_text(input_, L"2+2");
  click(calculate_);
  ASSERT_TRUE(text_becomes(output_, L"4"));
  set_text(input_, L"((1+2)");
  click(calculate_);
  const HWND box = app.wait_window(L"错误！");
  ASSERT_NE(box, nullptr);
  const auto texts = App::child_texts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"输入的表达式中括号有问题！请仔细检查！"),
            texts.end());
  if (!App::press_dialog_button(box, L"确定")) App::press_dialog_button(box, L"OK");
  EXPECT_TRUE(poll_until([&] { return app.find_window(L"错误！") == nullptr; }));
  EXPECT_EQ(App::text_of(output_), L"4");
}

TEST_F(FormulaPanelE2e, SingleStepShowsEachPassAndTheLastPutsTheNumberOnTheLcd) {
  open();
  click(single_step_);
  ASSERT_TRUE(poll_until([&] { return SendMessageW(single_step_, BM_GETCHECK, 0, 0) != 0; }));
  set_text(input_, L"2+3*4");
  click(calculate_);
  EXPECT_TRUE(text_becomes(output_, L"2+12"));
  EXPECT_TRUE(lcd_shows("0."));
  click(calculate_);
  EXPECT_TRUE(text_becomes(output_, L"14"));
  EXPECT_TRUE(lcd_shows("14"));
}

TEST_F(FormulaPanelE2e, AnEmptyFieldDoesNothing) {
  put_on_clipboard(L"");
  open();
  set_text(input_, L"");
  set_text(output_, L"");
  click(calculate_);
  app.wait_idle();
  EXPECT_EQ(App::text_of(output_), L"");
  EXPECT_EQ(app.find_window(L"错误！"), nullptr);
  EXPECT_TRUE(lcd_shows("0."));
  // "关 闭" hides the panel.
  click(control(L"关 闭"));
  EXPECT_TRUE(poll_until([&] { return !IsWindowVisible(calculate_); }));
}

class BigNumberPanelE2e : public PanelsE2e {
 protected:
  void open() {
    PostMessageW(app.window(), WM_COMMAND, win32::kMenuBigNumbers, 0);
    const HWND add = control(L"+ 加法");
    ASSERT_NE(add, nullptr);
    panel_ = GetParent(add);
    first_ = field_after(control(L"值一："));
    second_ = field_after(control(L"值二："));
    result_ = field_after(control(L"计算结果："));
    precision_ = field_after(control(L"除法精度:"));
    ASSERT_NE(first_, nullptr);
    ASSERT_NE(result_, nullptr);
    ASSERT_NE(precision_, nullptr);
  }
  HWND button(const wchar_t* text) { return App::find_child(panel_, text); }
  HWND panel_ = nullptr;
  HWND first_ = nullptr;
  HWND second_ = nullptr;
  HWND result_ = nullptr;
  HWND precision_ = nullptr;
};

TEST_F(BigNumberPanelE2e, EachButtonPutsItsResult) {
  open();
  EXPECT_EQ(App::text_of(precision_), L"10");
  EXPECT_NE(GetWindowLongW(result_, GWL_STYLE) & ES_READONLY, 0);
  struct Case {
    const wchar_t* first;
    const wchar_t* button;
    const wchar_t* second;
    const wchar_t* result;
  };
  for (const Case& c :
       {Case{L"99999999999999999999", L"+ 加法", L"1", L"100000000000000000000"},
        Case{L"3", L"- 减法", L"5", L"-2"}, Case{L"-5", L"+ 加法", L"3", L"-2"},
        Case{L"1,000", L"+ 加法", L"1", L"1001"},
        Case{L"123456789", L"* 乘法", L"987654321", L"121932631112635269"},
        Case{L"1", L"/ 除法", L"3", L"0.3333333333"}, Case{L"5", L"/ 除法", L"0", L"0"},
        Case{L"", L"+ 加法", L"", L"0"}, Case{L"", L"/ 除法", L"", L"0"}}) {
    set_text(result_, L"");
    set_text(first_, c.first);
    set_text(second_, c.second);
    click(button(c.button));
    EXPECT_TRUE(text_becomes(result_, c.result))
        << testing::PrintToString(std::wstring(c.first) + c.button + c.second);
  }
}

// A field that is no number brings up a box naming it; the result keeps what it showed.
TEST_F(BigNumberPanelE2e, AFieldThatIsNoNumberIsSaidAndComputesNothing) {
  open();
  set_text(first_, L"2");
  set_text(second_, L"2");
  click(button(L"+ 加法"));
  ASSERT_TRUE(text_becomes(result_, L"4"));
  struct Case {
    const wchar_t* first;
    const wchar_t* second;
    const wchar_t* named;
  };
  for (const Case& c : {Case{L"12a", L"1", L"值一"}, Case{L"1", L"1,00", L"值二"}}) {
    set_text(first_, c.first);
    set_text(second_, c.second);
    click(button(L"* 乘法"));
    const HWND box = app.wait_window(L"超大数计算");
    ASSERT_NE(box, nullptr) << testing::PrintToString(c.first);
    bool named = false;
    for (const std::wstring& text : App::child_texts(box)) named |= text.rfind(c.named, 0) == 0;
    EXPECT_TRUE(named) << testing::PrintToString(c.named);
    EXPECT_TRUE(App::press_dialog_button(box, L"确定") || App::press_dialog_button(box, L"OK"));
    EXPECT_TRUE(poll_until([&] { return app.find_window(L"超大数计算") == nullptr; }));
    app.wait_idle();
    EXPECT_EQ(App::text_of(result_), L"4");
  }
}

TEST_F(BigNumberPanelE2e, PrecisionFieldHoldsItsIntegerValue) {
  open();
  struct Case {
    const wchar_t* typed;
    const wchar_t* field;
  };
  for (const Case& c : {Case{L"3", L"3"}, Case{L"", L"10"}, Case{L"-4", L"0"}, Case{L"abc", L"10"},
                        Case{L"2.5", L"10"}}) {
    set_text(precision_, c.typed);
    EXPECT_TRUE(text_becomes(precision_, c.field)) << testing::PrintToString(c.typed);
  }
  set_text(precision_, L"3");
  set_text(first_, L"1");
  set_text(second_, L"300");
  click(button(L"/ 除法"));
  EXPECT_TRUE(text_becomes(result_, L"0.00333"));
}

// The operand pasted into both fields from the clipboard, as a user would bring it.
TEST_F(BigNumberPanelE2e, APastedLongOperandTimesItself) {
  open();
  // (10^n - 1)^2 = 9...98 0...01: n - 1 nines, 8, n - 1 zeros, 1.
  constexpr size_t n = 200000;
  const std::wstring operand(n, L'9');
  put_on_clipboard(operand + L"\r\n");  // the line break stays behind, as in a one-line edit
  for (const HWND field : {first_, second_}) {
    PostMessageW(field, WM_PASTE, 0, 0);
    ASSERT_TRUE(poll_until([&] { return text_length(field) == static_cast<int>(n); }, 20s))
        << "the field takes it whole";
  }
  click(button(L"* 乘法"));
  ASSERT_TRUE(poll_until([&] { return text_length(result_) > 0; }, 60s));
  const std::wstring product = App::text_of(result_);
  ASSERT_EQ(product.size(), 2 * n);
  EXPECT_EQ(product.find_first_not_of(L'9'), n - 1);
  EXPECT_EQ(product[n - 1], L'8');
  EXPECT_EQ(product.find_first_not_of(L'0', n), 2 * n - 1);
  EXPECT_EQ(product.back(), L'1');
}

}  // namespace
}  // namespace orvanta::e2e
