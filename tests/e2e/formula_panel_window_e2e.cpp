// The formula panel built in this process on a window of the test's own: a click on "计 算"
// that arrives while an evaluation lets messages run is ignored.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "sim/recording_message_boxes.h"
#include "win32/panels/formula_panel_window.h"

namespace orvanta::win32 {
namespace {

LRESULT CALLBACK plain_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// The evaluator's host; each time messages may run, the user clicks "计 算" once more.
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

TEST(FormulaPanelWindow, AClickDuringAnEvaluationIsIgnored) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = plain_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"FormulaPanelTestFace";
  RegisterClassExW(&wc);
  const HWND face = CreateWindowExW(0, L"FormulaPanelTestFace", L"face", WS_POPUP | WS_CLIPCHILDREN,
                                    40, 40, 464, 512, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(face, nullptr);
  ShowWindow(face, SW_SHOWNORMAL);
  PanelHost panels;
  ClickingHost host;
  std::vector<std::string> results;
  {
    FormulaPanelWindow panel(
        panels, [&]() -> FormulaHost& { return host; },
        [&](const FormulaRun& run) { results.push_back(run.out_text); });
    ASSERT_TRUE(panel.create(face));
    panel.show();
    host.button = e2e::App::find_child(panel.hwnd(), L"计 算");
    ASSERT_NE(host.button, nullptr);
    const HWND input = GetWindow(e2e::App::find_child(panel.hwnd(), L"输入公式:"), GW_HWNDNEXT);
    SetWindowTextW(input, L"(1+2)*(3+4)");
    EXPECT_EQ(panel.working_formula(), "(1+2)*(3+4)");
    SendMessageW(host.button, BM_CLICK, 0, 0);
    EXPECT_GT(host.runs, 0);
    EXPECT_EQ(results, std::vector<std::string>{"21"});
    // Once it is over, a click computes again.
    host.button = nullptr;
    SetWindowTextW(input, L"2*(3+4)");
    SendMessageW(e2e::App::find_child(panel.hwnd(), L"计 算"), BM_CLICK, 0, 0);
    EXPECT_EQ(results, (std::vector<std::string>{"21", "14"}));
  }
  DestroyWindow(face);
}

}  // namespace
}  // namespace orvanta::win32
