// The formula and big-number panels built in this process on a window of the test's own: a
// click on "计 算" that arrives while an evaluation lets messages run is ignored, and Ctrl+A
// selects all in every field.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "sim/recording_message_boxes.h"
#include "win32/features/big_numbers/big_number_panel.h"
#include "win32/features/formula/formula_panel_window.h"

namespace orvanta::win32 {
namespace {

using e2e::App;
using e2e::pump;

// The evaluator's host; each time messages may run, the user clicks `button` once more.
struct ClickingHost : FormulaHost {
  MessageBoxes& message_boxes() override { return boxes; }
  void divide_by_zero_reset() override {}
  bool angle_degrees() const override { return true; }
  void let_messages_run() override {
    ++runs;
    if (button != nullptr) SendMessageW(button, BM_CLICK, 0, 0);
  }
  sim::RecordingMessageBoxes boxes;
  HWND button = nullptr;
  int runs = 0;
};

// The edit that follows its label.
HWND field(HWND panel, const wchar_t* label) {
  return GetWindow(App::find_child(panel, label), GW_HWNDNEXT);
}

class PanelWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    face_ = e2e::make_test_window(L"PanelWindowTestFace", RECT{40, 40, 504, 552});
    ASSERT_NE(face_, nullptr);
    ASSERT_TRUE(formula_.create(face_));
    ASSERT_TRUE(big_.create(face_));
  }
  void TearDown() override { DestroyWindow(face_); }

  // A real Ctrl+A typed into `edit`; true when it then has all its text selected.
  bool ctrl_a_selects_all(HWND edit) {
    SetForegroundWindow(face_);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 1, 1);
    INPUT in[4]{};
    for (INPUT& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[3].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = in[2].ki.wVk = 'A';
    in[2].ki.dwFlags = in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof in[0]);
    DWORD start = 1;
    DWORD end = 0;
    const int length = GetWindowTextLengthW(edit);
    return e2e::poll_until([&] {
      pump();
      SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      return start == 0 && end == static_cast<DWORD>(length);
    });
  }

  HWND face_ = nullptr;
  PanelHost panels_;
  ClickingHost host_;
  std::vector<std::string> results_;
  FormulaPanelWindow formula_{
      panels_, [this]() -> FormulaHost& { return host_; },
      [this](const FormulaRun& run, std::string_view) { results_.push_back(run.out_text); }};
  BigNumberPanel big_{panels_, {[] {}, [] {}, [] {}, [](std::string_view) {}}};
};

TEST_F(PanelWindowTest, AClickDuringAnEvaluationIsIgnored) {
  formula_.show();
  const HWND calculate = App::find_child(formula_.hwnd(), L"计 算");
  ASSERT_NE(calculate, nullptr);
  const HWND input = field(formula_.hwnd(), L"输入公式:");
  SetWindowTextW(input, L"(1+2)*(3+4)");
  EXPECT_EQ(formula_.working_formula(), "(1+2)*(3+4)");
  host_.button = calculate;
  SendMessageW(calculate, BM_CLICK, 0, 0);
  EXPECT_GT(host_.runs, 0);
  EXPECT_EQ(results_, std::vector<std::string>{"21"});
  // Once it is over, a click computes again.
  host_.button = nullptr;
  SetWindowTextW(input, L"2*(3+4)");
  SendMessageW(calculate, BM_CLICK, 0, 0);
  EXPECT_EQ(results_, (std::vector<std::string>{"21", "14"}));
}

TEST_F(PanelWindowTest, CtrlASelectsAllInEveryField) {
  formula_.show();
  for (const wchar_t* label : {L"输入公式:", L"计算结果："}) {
    const HWND edit = field(formula_.hwnd(), label);
    SetWindowTextW(edit, L"12+34");
    EXPECT_TRUE(ctrl_a_selects_all(edit)) << testing::PrintToString(std::wstring(label));
  }
  formula_.hide();
  big_.show();
  for (const wchar_t* label : {L"值一：", L"值二：", L"计算结果："}) {
    const HWND edit = field(big_.hwnd(), label);
    SetWindowTextW(edit, L"123456");
    EXPECT_TRUE(ctrl_a_selects_all(edit)) << testing::PrintToString(std::wstring(label));
  }
}

// The precision field shows its largest value whole ("2000000" once showed as "0000").
TEST_F(PanelWindowTest, PrecisionFieldHoldsItsLargestValue) {
  big_.show();
  const HWND edit = field(big_.hwnd(), L"除法精度:");
  ASSERT_NE(edit, nullptr);
  const std::wstring largest = L"2147483647";
  SetWindowTextW(edit, largest.c_str());
  ASSERT_EQ(App::text_of(edit), largest) << "the field keeps the integer";
  RECT room{};
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const HDC dc = GetDC(edit);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32W(dc, largest.c_str(), static_cast<int>(largest.size()), &text);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  EXPECT_LE(text.cx, room.right - room.left);
}

}  // namespace
}  // namespace orvanta::win32
