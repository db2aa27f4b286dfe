// The exchange with the window below: results typed or pasted into a real editor window under
// the calculator, and the grab of that editor's selection.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <tuple>

#include "face_reader.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kTargetTitle[] = L"接收窗口";
// Beside the calculator (199, 112 to 663, 624), not under it: "below" is the z-order, and
// without a window manager Wine can stack a window brought forward above a top-most one.
constexpr RECT kTargetPlace{680, 80, 1240, 500};

// An editor window of the test's own, on a thread of its own so that it answers the calculator
// while the test waits: a top-level window that passes the focus to its edit control, as an
// editor does. `ansi` makes the edit control an ANSI window (code page 936 in this prefix): a
// window class of the test's own registered with RegisterClassA, since Wine's EDIT is Unicode
// even when created through CreateWindowExA. It keeps the bytes it receives as its text.
// What the tests need of the window below: its edit control's text, a selection in it, and
// being the window just below the calculator.
class Target {
 public:
  virtual ~Target() = default;
  virtual HWND edit() const = 0;
  std::wstring text() const { return App::text_of(edit()); }
  // The edit's text, all of it selected.
  void select(const std::wstring& text) {
    SendMessageW(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(edit(), EM_SETSEL, 0, -1);
  }
  // On top of the ordinary windows (under the calculator, which stays on top of all).
  virtual void bring_forward() = 0;
};

class TargetWindow : public Target {
 public:
  // `extended_style` and `title` make other kinds of window with an edit inside: a palette.
  explicit TargetWindow(bool ansi, DWORD extended_style = 0, const wchar_t* title = kTargetTitle)
      : extended_style_(extended_style), title_(title) {
    thread_ = std::thread([this, ansi] { run(ansi); });
    poll_until([&] { return ready_.load(); });
  }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  ~TargetWindow() {
    if (frame_ != nullptr) PostMessageW(frame_, WM_CLOSE, 0, 0);
    thread_.join();
  }

  HWND edit() const override { return edit_; }
  bool is_unicode() const { return IsWindowUnicode(edit_) != FALSE; }
  void bring_forward() override {
    SetWindowPos(frame_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(frame_);
  }

 private:
  static LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETFOCUS) {
      if (const HWND edit = GetWindow(hwnd, GW_CHILD)) SetFocus(edit);
      return 0;
    }
    if (msg == WM_DESTROY) {
      PostQuitMessage(0);
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }

  static LRESULT CALLBACK ansi_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CHAR || msg == WM_IME_CHAR) {
      char text[512]{};
      GetWindowTextA(hwnd, text, sizeof text - 2);
      std::string bytes = text;
      if (wp > 0xFF) bytes += static_cast<char>(wp >> 8);  // lead byte times 256 plus trail
      bytes += static_cast<char>(wp & 0xFF);
      SetWindowTextA(hwnd, bytes.c_str());
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }

  void run(bool ansi) {
    WNDCLASSA ansi_class{};
    ansi_class.lpfnWndProc = ansi_edit_proc;
    ansi_class.hInstance = GetModuleHandleW(nullptr);
    ansi_class.lpszClassName = "OrvantaE2eAnsiEdit";
    RegisterClassA(&ansi_class);
    WNDCLASSW wc{};
    wc.lpfnWndProc = frame_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvantaE2eTarget";
    RegisterClassW(&wc);
    frame_ = CreateWindowExW(
        extended_style_, wc.lpszClassName, title_, WS_OVERLAPPEDWINDOW, kTargetPlace.left,
        kTargetPlace.top, kTargetPlace.right - kTargetPlace.left,
        kTargetPlace.bottom - kTargetPlace.top, nullptr, nullptr, wc.hInstance, nullptr);
    const DWORD style =
        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
    edit_ = ansi ? CreateWindowExA(0, ansi_class.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0,
                                   540, 380, frame_, nullptr, wc.hInstance, nullptr)
                 : CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 540, 380, frame_, nullptr,
                                   wc.hInstance, nullptr);
    ShowWindow(frame_, SW_SHOW);
    SetForegroundWindow(frame_);
    SetFocus(edit_);
    ready_ = true;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    frame_ = nullptr;
  }

  const DWORD extended_style_;
  const wchar_t* const title_;
  std::thread thread_;
  std::atomic<bool> ready_{false};
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

// Wine's own notepad, started by the test and ended by it.
class Notepad : public Target {
 public:
  Notepad() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    wchar_t command[] = L"notepad.exe";
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &process_)) {
      ADD_FAILURE() << "notepad did not start: " << GetLastError();
      return;
    }
    WaitForInputIdle(process_.hProcess, 10000);
    poll_until([&] {
      frame_ = find_window_of(process_.dwProcessId, [](HWND) { return true; });
      if (frame_ != nullptr) edit_ = FindWindowExW(frame_, nullptr, L"Edit", nullptr);
      return edit_ != nullptr;
    });
    if (edit_ == nullptr) ADD_FAILURE() << "notepad's window did not appear";
  }
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;
  ~Notepad() override {
    if (process_.hProcess == nullptr) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND edit() const override { return edit_; }
  void bring_forward() override {
    SetWindowPos(frame_, HWND_TOP, kTargetPlace.left, kTargetPlace.top,
                 kTargetPlace.right - kTargetPlace.left, kTargetPlace.bottom - kTargetPlace.top, 0);
    SetForegroundWindow(frame_);
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

enum class Below { kOwnEditor, kNotepad };

std::unique_ptr<Target> make_target(Below below) {
  if (below == Below::kNotepad) return std::make_unique<Notepad>();
  return std::make_unique<TargetWindow>(false);
}

std::string below_name(Below below) {
  return below == Below::kNotepad ? "Notepad" : "OwnEditor";
}

// Stored settings: automatic output on (unless said otherwise), silent, the rest as given.
std::string exchange_settings(const std::string& more, bool automatic_output = true) {
  return std::string("[Setup]\r\nDevice_AutoCopyTo=") + (automatic_output ? "1" : "0") +
         "\r\nDevice_find_windows=1\r\nDevice_gs3500=5000\r\nDevice_point=-1\r\n"
         "Device_sound=0\r\n" +
         more + "[Welcome]\r\nText=Orvanta\r\n";
}

class ExchangeE2e : public ::testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }

  void press_keys(const std::vector<const char*>& names) {
    for (const char* name : names) FaceReader::press_keys(app, {name});
  }
  bool lcd_shows(const std::string& text) { return reader.lcd_shows(app, text); }
  std::wstring formula_bar() const { return app.text_at(46 + 20, 105 + 8); }
  void click_hand() { app.click(299 + 10, 42 + 5); }
  // Starts the calculator over the target, which is then the window just below it: without a
  // tray on the display, Wine shows the calculator's tray icon in a window of its own, which
  // would otherwise be the one below.
  bool start_over(Target& target) {
    if (!app.start() || !lcd_shows("0.")) return false;
    target.bring_forward();
    return lcd_shows("0.");
  }

  App app;
  FaceReader reader;
};

struct OutputCase {
  const char* name;
  const char* settings;  // more lines of [Setup]
  UINT form;             // the output-form menu item
  std::vector<const char*> keys;
  const wchar_t* arrives;
};

const std::vector<const char*> kOnePlusTwo = {"k1", "kadd", "k2", "kdy"};
const std::vector<const char*> k1435_75 = {"k1", "k4", "k0", "k0", "kadd", "k3",
                                           "k5", "kp", "k7", "k5", "kdy"};
constexpr wchar_t kRmb1435_75[] = L"人民币壹仟肆佰叁拾伍圆柒角伍分";

class ResultBelow : public ExchangeE2e,
                    public ::testing::WithParamInterface<std::tuple<Below, OutputCase>> {};

TEST_P(ResultBelow, ArrivesInTheEditorUnderTheCalculator) {
  const OutputCase& c = std::get<1>(GetParam());
  const std::unique_ptr<Target> target = make_target(std::get<0>(GetParam()));
  ASSERT_NE(target->edit(), nullptr);
  ASSERT_TRUE(IsWindowUnicode(target->edit()));
  write_settings(exchange_settings(c.settings));
  ASSERT_TRUE(start_over(*target));
  PostMessageW(app.window(), WM_COMMAND, c.form, 0);
  press_keys(c.keys);
  EXPECT_TRUE(poll_until([&] { return target->text() == c.arrives; }, 5s))
      << testing::PrintToString(target->text());
  // Once, and nothing more after it.
  app.wait_idle();
  wait_idle_window(target->edit());
  EXPECT_EQ(target->text(), c.arrives);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ResultBelow,
    testing::Combine(
        testing::Values(Below::kOwnEditor, Below::kNotepad),
        testing::Values(
            OutputCase{"Characters", "", win32::kMenuFormFigures, kOnePlusTwo, L"3"},
            OutputCase{"CharactersSpaceAndLineBreak",
                       "Device_input_space=1\r\nDevice_input_enter=1\r\n", win32::kMenuFormFigures,
                       kOnePlusTwo, L"3 \r\n"},
            OutputCase{"CharactersRmbCapitals", "", win32::kMenuFormRmbCapitals, k1435_75,
                       kRmb1435_75},
            OutputCase{"CharactersWithFormula", "Device_input_bds=1\r\n", win32::kMenuFormFigures,
                       kOnePlusTwo, L"1+2=3"},
            OutputCase{"Whole", "Device_output_type=2\r\n", win32::kMenuFormFigures, kOnePlusTwo,
                       L"3"},
            OutputCase{"WholeSpaceAndLineBreak",
                       "Device_output_type=2\r\nDevice_input_space=1\r\nDevice_input_enter=1\r\n",
                       win32::kMenuFormFigures, kOnePlusTwo, L"3 \r\n"},
            OutputCase{"WholeRmbCapitals", "Device_output_type=2\r\n", win32::kMenuFormRmbCapitals,
                       k1435_75, kRmb1435_75})),
    [](const auto& info) {
      return below_name(std::get<0>(info.param)) + std::get<1>(info.param).name;
    });

TEST_F(ExchangeE2e, AnAnsiEditorReceivesTheCapitalsIntact) {
  TargetWindow target(true);
  ASSERT_FALSE(target.is_unicode());
  write_settings(exchange_settings(""));
  ASSERT_TRUE(start_over(target));
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuFormRmbCapitals, 0);
  press_keys(k1435_75);
  EXPECT_TRUE(poll_until([&] { return target.text() == kRmb1435_75; }, 5s))
      << testing::PrintToString(target.text());
}

// A palette (WS_EX_TOOLWINDOW) just below the calculator is no window the user types into: the
// result goes past it to the editor under it.
TEST_F(ExchangeE2e, ToolWindowBetweenIsPassedOver) {
  TargetWindow editor(false);
  TargetWindow palette(false, WS_EX_TOOLWINDOW, L"工具面板");
  write_settings(exchange_settings(""));
  ASSERT_TRUE(start_over(editor));
  palette.bring_forward();
  HWND below = GetWindow(app.window(), GW_HWNDNEXT);
  while (below != nullptr && !IsWindowVisible(below)) below = GetWindow(below, GW_HWNDNEXT);
  ASSERT_EQ(App::text_of(below), L"工具面板") << "the palette just below the calculator";
  press_keys(kOnePlusTwo);
  EXPECT_TRUE(poll_until([&] { return editor.text() == L"3"; }, 5s))
      << testing::PrintToString(editor.text());
  app.wait_idle();
  wait_idle_window(palette.edit());
  EXPECT_EQ(palette.text(), L"");
}

TEST_F(ExchangeE2e, AutomaticOutputOffSendsNothingToNotepad) {
  Notepad target;
  write_settings(exchange_settings("", false));
  ASSERT_TRUE(start_over(target));
  press_keys(kOnePlusTwo);
  ASSERT_TRUE(lcd_shows("3"));
  app.wait_idle();
  wait_idle_window(target.edit());
  EXPECT_EQ(target.text(), L"");
}

struct GrabCase {
  const char* name;
  const char* settings;
  const wchar_t* selection;
  const char* lcd;
  const wchar_t* bar;
};

class GrabBelow : public ExchangeE2e,
                  public ::testing::WithParamInterface<std::tuple<Below, GrabCase>> {};

TEST_P(GrabBelow, TheHandComputesTheSelection) {
  const GrabCase& c = std::get<1>(GetParam());
  const std::unique_ptr<Target> owned = make_target(std::get<0>(GetParam()));
  Target& target = *owned;
  ASSERT_NE(target.edit(), nullptr);
  target.select(c.selection);
  write_settings(exchange_settings(c.settings));
  ASSERT_TRUE(start_over(target));
  press_keys({"k4", "k2"});
  ASSERT_TRUE(lcd_shows("42"));
  click_hand();
  EXPECT_TRUE(poll_until([&] { return formula_bar() == c.bar; }, 5s))
      << testing::PrintToString(formula_bar());
  EXPECT_TRUE(lcd_shows(c.lcd)) << reader.lcd_text(app.capture());
  // The window below keeps its text.
  EXPECT_EQ(target.text(), c.selection);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, GrabBelow,
    testing::Combine(testing::Values(Below::kOwnEditor, Below::kNotepad),
                     // Digits grouped in threes by commas are one number.
                     testing::Values(GrabCase{"Total", "", L"合计：1,234.50元", "1234.5",
                                              L"1234.50"},
                                     GrabCase{"ColumnProduct", "Device_capture=3\r\n",
                                              L"12\r\n7.5\r\n3", "270", L"12*7.5*3"},
                                     // The calculator owns the clipboard here (every number shown
                                     // goes there): the window below copying must not wait on it.
                                     GrabCase{"AfterTheCalculatorFilledTheClipboard",
                                              "Device_input_autoclip=1\r\n", L"合计：1,234.50元",
                                              "1234.5", L"1234.50"},
                                     // No number: the message in the bar, the LCD as it was.
                                     GrabCase{"NoNumber", "", L"没有数字", "42",
                                              L"错误! 抓取的数据或公式无效!!!"})),
    [](const auto& info) {
      return below_name(std::get<0>(info.param)) + std::get<1>(info.param).name;
    });

}  // namespace
}  // namespace orvanta::e2e
