#pragma once
// Starts orvanta.exe, finds its windows, clicks and types as a user would, and reads back
// what a user sees: pixels, window texts and message boxes.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace orvanta::e2e {

// Polls `condition` every 20 ms until it holds or `timeout` passes; returns its last value.
template <typename Condition>
bool poll_until(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// Client-area pixels, top-down rows of 0x00RRGGBB.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool save_bmp(const std::wstring& path) const;
};

// The client area of any window as it is on the screen.
Capture capture_client(HWND window);
// A rectangle of the screen (several windows at once).
Capture capture_screen(const RECT& screen);
// The same once it has come to rest: two captures in a row alike (at most 5 s), for pictures
// taken after a change whose last paint may still be on its way.
Capture capture_screen_still(const RECT& screen);

// The header of a top-down 32-bit DIB of this size: pixels as Capture holds them.
BITMAPINFO top_down_bitmap_info(int width, int height);

enum class Button { Left, Right, Middle };

// Runs the messages waiting for this thread's windows (panels built in the test's process).
void pump();

// The clipboard's text: replaced whole by `text`, and read back (empty when it holds none).
void put_on_clipboard(const std::wstring& text);
std::wstring clipboard_text();

// A shown pop-up window of the test's own at `place` (a stand-in for the calculator's face): grey,
// clipping its children, of a class registered once as `class_name` with `proc`.
HWND make_test_window(const wchar_t* class_name, RECT place, WNDPROC proc = DefWindowProcW);

// Waits until the thread of `window` has taken everything sent to it so far and waits for more
// (two round trips of WM_NULL); false when it did not answer within 5 s.
bool wait_idle_window(HWND window);

// The top-level windows of process `pid` in z-order, hidden ones included.
std::vector<HWND> top_level_windows(DWORD pid);
// The first visible top-level window of process `pid` that `wanted` accepts; nullptr when none.
HWND find_window_of(DWORD pid, const std::function<bool(HWND)>& wanted);

// The pop-up menu process `pid` shows, nullptr while none shows.
HWND open_menu(DWORD pid);

// Folder of the running test program; orvanta.exe is built beside it.
std::wstring program_folder();
// A window's rectangle in the client coordinates of `other` (its parent when none is given).
RECT rect_in(HWND window, HWND other = nullptr);
// "{left, top, right, bottom}", for a comparison that fails.
std::string rect_text(const RECT& r);
// The display scale of this run, in dots per inch: ORVANTA_E2E_DPI, else 96 (100 %). Every start
// of the program sets it as the prefix's LogPixels first, so the face shows at that scale.
int e2e_dpi();
// The settings folder of the calculator inside this Wine prefix (all users' application data).
std::wstring settings_folder();
// The settings file inside that folder.
std::wstring settings_file();
// Deletes the settings folder so that the next start is a first start.
void remove_settings();
// Writes the settings file with these bytes (creating the folder).
void write_settings(const std::string& bytes);
// One value of the settings file, read through Windows' own profile functions.
std::wstring read_setting(const wchar_t* section, const wchar_t* key);

class App {
 public:
  App() = default;
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  ~App();  // closes the program

  // Starts orvanta.exe and waits for its main window; false if the window does not appear.
  bool start();
  // Only starts the process: for a start-up that raises boxes before the window shows.
  bool launch();
  // Whether the calculator's window shows now (and remembers it).
  bool main_shown();
  HWND window() const { return main_; }
  DWORD process_id() const { return pid_; }

  RECT window_rect() const;
  // Real mouse input at client coordinates (SendInput).
  void click(int x, int y, Button button = Button::Left);
  // Until the program has taken the button's release (no window of it holds the mouse), then
  // idle: a control that repeats while held (a slider's track) has stopped.
  bool wait_capture_released() const;
  void double_click(int x, int y);
  void move_mouse(int x, int y);
  void press(int x, int y, Button button = Button::Left);
  void release(int x, int y, Button button = Button::Left);
  // For drags, where the window moves under the mouse. The press waits until the program holds
  // the mouse (its window in front, with the capture): until then the system gives the moves
  // to whatever window is under them, as it would a hurried real mouse. Then points of the
  // screen, and the button up where the mouse is (a client point taken before the window has
  // moved would drag it back).
  // False when the program did not take the mouse within 5 s.
  bool start_drag(int x, int y);
  void move_mouse_on_screen(POINT screen);
  void release_here(Button button = Button::Left);
  // Real key press and release (the window is brought to the foreground first).
  void key(WORD virtual_key);
  // The key pressed while the modifier keys `held` are down (VK_CONTROL, VK_SHIFT, VK_MENU).
  void key_chord(std::initializer_list<WORD> held, WORD virtual_key);

  Capture capture() const;
  // The text of the child control at a client point (the formula bar).
  std::wstring text_at(int x, int y) const;

  // A visible top-level window of the program with this caption (a message box, ...).
  HWND find_window(const std::wstring& caption) const;
  HWND wait_window(const std::wstring& caption,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  // The texts of a window's children (a message box's text is one of them).
  static std::vector<std::wstring> child_texts(HWND window);
  static std::wstring text_of(HWND window);
  // The child window (any depth) whose text is `label`; an access key suffix such as "(&N)" is
  // ignored. nullptr when there is none.
  static HWND find_child(HWND window, const std::wstring& label);
  // The control of the calculator's window whose text is `label`, once it is shown (a panel
  // just opened); nullptr when it does not show within the polls' time.
  HWND wait_child(const std::wstring& label) const;
  // Clicks the button of a dialog whose text is `label` ("是", "否", "确定").
  static bool press_dialog_button(HWND dialog, const std::wstring& label);

  // The pop-up menu the program shows, once it tracks the mouse and keys in it (nullptr when none
  // comes within 10 s): a click before that may not reach it.
  HWND wait_menu() const;

  // Moves the program's clock on (ORVANTA_TEST_CLOCK, set for every program the harness starts)
  // and runs what became due, once each: the first-run tip, an alarm's tick.
  void advance_clock(std::chrono::milliseconds by) const;

  // Waits until the program has taken every input sent so far and waits for more; fails the
  // test when it does not answer within 5 s.
  void wait_idle() const;
  // Ends the program as a user would (its close request, "是" in the confirmation box); a
  // program that does not end, or one showing another box, is killed.
  void close();
  bool wait_exit(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  bool running() const;
  void kill();

 private:
  void send_mouse(int x, int y, DWORD flags);
  void send_mouse(int x, int y, const std::vector<DWORD>& events);
  void send_mouse_on_screen(POINT screen, const std::vector<DWORD>& events);
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

}  // namespace orvanta::e2e
