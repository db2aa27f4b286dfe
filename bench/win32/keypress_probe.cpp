// The cost of one key press from the handler to the pixels: the real calculator window, created
// in this process, gets a left-button press and release at a key's centre (sent, so each runs
// to its end before the call returns), then paints at once. Timed with the performance counter
// over many presses of the digit keys and C, so that the LCD changes every time; after each
// press the window's pixels are read back and must show what the core says the LCD shows, and
// nothing may be left to paint.
//
//   keypress_probe [presses] [converter]   (1100 by default, after 110 untimed ones)
//
// With "converter" the unit converter's window is open meanwhile: each press also refreshes its
// grid, and the timed paint includes the converter's cells that changed.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/key_handlers.h"
#include "face_reader.h"
#include "harness.h"
#include "probe_clock.h"
#include "probe_messages.h"
#include "win32/app/app.h"

namespace orvanta::probe {
namespace {

// Ten digits and C: every press changes the LCD, and it never fills up.
constexpr const char* kKeys[] = {"k1", "k2", "k3", "k4", "k5", "k6", "k7", "k8", "k9", "k0", "c"};
constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];

// What the core has put on the LCD, as the face reader reads it (leading blanks dropped).
std::string core_lcd_text(win32::App& window) {
  const std::string& text = window.calculator().frame().text;
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

void print_row(const char* what, const std::vector<double>& ms) {
  const Summary s = summarise(ms);
  std::printf("| %s | %zu | %.3f | %.3f | %.3f | %.3f | %.3f | %.3f |\n", what, s.count, s.median,
              s.p90, s.p99, s.min, s.max, s.mean);
}

// Two timed stretches of one press, and which key it was.
struct Press {
  double first = 0;
  double second = 0;
  bool clear = false;
};

class Probe {
 public:
  explicit Probe(win32::App& window) : window_(window), hwnd_(window.hwnd()) {}

  // Presses the keys in turn, `count` timed presses after some untimed ones. `press` does the
  // work of one press and returns its two stretches.
  template <typename PressFn>
  std::vector<Press> run(int count, PressFn press) {
    std::vector<Press> timed;
    const int warm_up = kKeyCount * 10;
    for (int i = 0; i < warm_up + count; ++i) {
      const char* name = kKeys[i % kKeyCount];
      Press p = press(name);
      p.clear = i % kKeyCount == kKeyCount - 1;
      check_pixels(name);
      run_pending_messages();
      if (i >= warm_up) timed.push_back(p);
    }
    return timed;
  }

  // The whole mouse path: button down (the pressed look put on the window, the handler: the new
  // LCD composed and put on the window, the formula bar's new text), button up (the hover look
  // put on the window) and the paint of what is left to paint (the formula bar).
  Press mouse_press(const char* name) {
    const POINT c = e2e::FaceReader::key_centre(name);
    const LPARAM at = MAKELPARAM(c.x, c.y);
    const double t0 = now_ms();
    SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    const double t1 = now_ms();
    SendMessageW(hwnd_, WM_LBUTTONUP, 0, at);
    paint();
    return {t1 - t0, now_ms() - t1};
  }

  // The core's handler alone (the LCD composed and put on the window, the bar's new text), then
  // the paint of what is left (the formula bar).
  Press handler_press(const char* name) {
    const KeyHandler handler = find_key_handler(name);
    Calculator& calculator = window_.calculator();
    const double t0 = now_ms();
    (calculator.*handler)(MouseButton::Left);
    const double t1 = now_ms();
    paint();
    return {t1 - t0, now_ms() - t1};
  }

  // Opens the converter with its key, as a user does; false when it does not appear.
  bool open_converter() {
    const POINT c = e2e::FaceReader::key_centre("kdwhs");
    SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    SendMessageW(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
    converter_ = FindWindowExW(nullptr, nullptr, L"OrvantaConverter", nullptr);
    return converter_ != nullptr && IsWindowVisible(converter_);
  }

  bool lcd_shows(const std::string& text) const {
    return reader_.lcd_text(e2e::capture_client(hwnd_)) == text;
  }
  int wrong() const { return wrong_; }

 private:
  // The window's pixels must show what the core has put on the LCD, and the timed paint must
  // have left nothing to paint in the window or its controls (the formula bar).
  void check_pixels(const char* name) {
    const std::string shown = reader_.lcd_text(e2e::capture_client(hwnd_));
    const std::string expected = core_lcd_text(window_);
    if (shown != expected && ++wrong_ <= 5) {
      std::fprintf(stderr, "after %s the LCD shows \"%s\", the core \"%s\"\n", name, shown.c_str(),
                   expected.c_str());
    }
    bool pending = GetUpdateRect(hwnd_, nullptr, FALSE) != FALSE;
    EnumChildWindows(hwnd_, &child_pending, reinterpret_cast<LPARAM>(&pending));
    if (pending && ++wrong_ <= 5) std::fprintf(stderr, "after %s a paint was left\n", name);
  }

  // Sets the bool at `pending` when `child` has something left to paint.
  static BOOL CALLBACK child_pending(HWND child, LPARAM pending) {
    if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
  }

  // The window's paint, and the converter's when it is open.
  void paint() {
    UpdateWindow(hwnd_);
    if (converter_ != nullptr) UpdateWindow(converter_);
    GdiFlush();
  }

  win32::App& window_;
  HWND hwnd_;
  HWND converter_ = nullptr;
  e2e::FaceReader reader_;
  int wrong_ = 0;
};

void print_presses(const char* first, const char* second, const std::vector<Press>& presses) {
  std::vector<double> a, b, whole, digits, clears;
  for (const Press& p : presses) {
    a.push_back(p.first);
    b.push_back(p.second);
    whole.push_back(p.first + p.second);
    (p.clear ? clears : digits).push_back(p.first + p.second);
  }
  print_row(first, a);
  print_row(second, b);
  print_row("whole press, all keys", whole);
  print_row("whole press, digit keys", digits);
  print_row("whole press, C", clears);
}

int run(int presses, bool with_converter) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  // A warm start with the voice off: a spoken read-out would wait for its clips.
  e2e::write_settings("[Setup]\r\nDevice_sound=0\r\n");
  SetCursorPos(0, 0);  // keep the pointer off the face, so no hover fades run meanwhile

  win32::App window(GetModuleHandleW(nullptr));
  if (!window.create()) return 1;
  window.show();
  let_messages_run(500);
  Probe probe(window);
  if (!probe.lcd_shows("0.")) {
    std::fprintf(stderr, "the LCD does not show 0. after the first show\n");
    return 1;
  }
  if (with_converter && !probe.open_converter()) {
    std::fprintf(stderr, "the converter did not open\n");
    return 1;
  }
  const auto by_mouse = probe.run(presses, [&](const char* k) { return probe.mouse_press(k); });
  const auto by_handler = probe.run(presses, [&](const char* k) { return probe.handler_press(k); });
  DestroyWindow(window.hwnd());
  run_pending_messages();
  e2e::remove_settings();

  std::printf("| stretch | presses | median ms | p90 ms | p99 ms | min ms | max ms | mean ms |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
  std::printf("| **mouse on the key** | | | | | | | |\n");
  print_presses("button down: pressed look, handler, LCD on the window",
                with_converter ? "button up and paint: hover look, formula bar, converter"
                               : "button up and paint: hover look, formula bar",
                by_mouse);
  std::printf("| **handler called directly** | | | | | | | |\n");
  print_presses("handler: new LCD on the window, bar's text set",
                with_converter ? "paint: formula bar, converter" : "paint: formula bar",
                by_handler);
  if (probe.wrong() > 0) {
    std::fprintf(stderr, "%d presses left the window's LCD unlike the core's or a paint undone\n",
                 probe.wrong());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace orvanta::probe

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::atoi(argv[1]) : 1100;
  const bool with_converter = argc > 2 && std::string(argv[2]) == "converter";
  if (presses < 1 || (argc > 2 && !with_converter)) {
    std::fprintf(stderr, "usage: keypress_probe [presses] [converter]\n");
    return 2;
  }
  return orvanta::probe::run(presses, with_converter);
}
