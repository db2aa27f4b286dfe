// From the click on "* 乘法" or "/ 除法" to the result shown in the big-number panel of the real
// calculator window, created in this process: the operands are put into "值一：" and "值二："
// (untimed), the button gets BM_CLICK, and the messages run until "计算结果：" holds the result;
// then the window paints. The operation alone (big_panel_result on the same texts, on this
// thread) is timed beside it, so the rest is the window's share: the worker thread's start and
// message, and the edit control taking and painting the text. Division asks for n digits.
//
//   big_number_probe [largest digits] [runs]   (10^5 and 2 runs by default)
//
// The sizes are the powers of ten from 10^4 up to the largest.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "formula/big_panel.h"
#include "harness.h"
#include "platform/wide.h"
#include "probe_clock.h"
#include "probe_messages.h"
#include "win32/app/app.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::probe {
namespace {

// n random digits without a leading zero, the same for the same seed.
std::string random_decimal(size_t digits, unsigned seed) {
  std::mt19937 rng(seed);
  std::string text(digits, '0');
  for (char& c : text) c = static_cast<char>('0' + rng() % 10);
  text[0] = static_cast<char>('1' + rng() % 9);
  return text;
}

void set_text(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int text_length(HWND control) {
  return static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
}

struct Click {
  double shown = 0;    // click to the result in the field
  double painted = 0;  // and painted
  double operation = 0;
};

class Probe {
 public:
  explicit Probe(HWND window) : window_(window) {}

  bool open() {
    SendMessageW(window_, WM_COMMAND, win32::kMenuBigNumbers, 0);
    let_messages_run(300);
    first_ = field_after(L"值一：");
    second_ = field_after(L"值二：");
    result_ = field_after(L"计算结果：");
    precision_ = field_after(L"除法精度:");
    return first_ && second_ && result_ && precision_ && button(L"* 乘法") && button(L"/ 除法");
  }

  void set_operands(const std::string& a, const std::string& b, size_t digits) {
    set_text(first_, to_wide(a));
    set_text(second_, to_wide(b));
    set_text(precision_, std::to_wstring(digits));
    run_pending_messages();
  }

  // One click; false when the field's result is not the operation's.
  bool click(const wchar_t* text, BigOperation op, const std::string& a, const std::string& b,
             size_t digits, Click& timed) {
    set_text(result_, L"");
    run_pending_messages();
    const HWND panel = GetParent(result_);
    const double t0 = now_ms();
    SendMessageW(button(text), BM_CLICK, 0, 0);
    // One message at a time, so the paint that follows the text is not counted in `shown`.
    MSG msg;
    while (text_length(result_) == 0) {
      if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      } else {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
      }
    }
    const double t1 = now_ms();
    UpdateWindow(result_);
    RedrawWindow(panel, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double t2 = now_ms();
    const std::string expected = big_panel_result(op, a, b, std::to_string(digits));
    const double t3 = now_ms();
    timed = {t1 - t0, t2 - t0, t3 - t2};
    return e2e::App::text_of(result_) == to_wide(expected);
  }

 private:
  HWND field_after(const wchar_t* label) const {
    const HWND l = e2e::App::find_child(window_, label);
    return l == nullptr ? nullptr : GetWindow(l, GW_HWNDNEXT);
  }
  HWND button(const wchar_t* text) const { return e2e::App::find_child(window_, text); }

  HWND window_;
  HWND first_ = nullptr;
  HWND second_ = nullptr;
  HWND result_ = nullptr;
  HWND precision_ = nullptr;
};

int run(size_t largest, int runs) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  e2e::write_settings("[Setup]\r\nDevice_sound=0\r\nDevice_AutoCopyTo=0\r\n");
  win32::App window(GetModuleHandleW(nullptr));
  if (!window.create()) return 1;
  window.show();
  let_messages_run(500);
  Probe probe(window.hwnd());
  if (!probe.open()) {
    std::fprintf(stderr, "the big-number panel did not open\n");
    return 1;
  }
  std::printf(
      "| operation | digits | click to result in the field | and painted | the operation "
      "alone | runs |\n|---|---:|---:|---:|---:|---:|\n");
  int wrong = 0;
  for (size_t digits = 10000; digits <= largest; digits *= 10) {
    const std::string a = random_decimal(digits, 1);
    const std::string b = random_decimal(digits, 2);
    probe.set_operands(a, b, digits);
    struct Op {
      const wchar_t* button;
      const char* name;
      BigOperation op;
    };
    for (const Op& op : {Op{L"* 乘法", "mul", BigOperation::Multiply},
                         Op{L"/ 除法", "div", BigOperation::Divide}}) {
      std::vector<double> shown, painted, alone;
      for (int i = 0; i < runs; ++i) {
        Click c;
        if (!probe.click(op.button, op.op, a, b, digits, c)) ++wrong;
        shown.push_back(c.shown);
        painted.push_back(c.painted);
        alone.push_back(c.operation);
      }
      std::printf("| %s | %zu | %.1f ms | %.1f ms | %.2f ms | %d |\n", op.name, digits,
                  summarise(shown).median, summarise(painted).median, summarise(alone).median,
                  runs);
      std::fflush(stdout);
    }
  }
  DestroyWindow(window.hwnd());
  run_pending_messages();
  e2e::remove_settings();
  if (wrong > 0) {
    std::fprintf(stderr, "%d results in the field differ from the operation's\n", wrong);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace orvanta::probe

int main(int argc, char** argv) {
  const long long largest = argc > 1 ? std::atoll(argv[1]) : 100000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 2;
  if (largest < 10000 || runs < 1) {
    std::fprintf(stderr, "usage: big_number_probe [largest digits] [runs]\n");
    return 2;
  }
  return orvanta::probe::run(static_cast<size_t>(largest), runs);
}
