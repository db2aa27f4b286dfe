// Start-up time to first paint: starts a program several times with CreateProcess and times,
// with the performance counter, how long until its main window is on the screen, the program
// waits for input, and the window's pixels show its first content. orvanta.exe is done when its
// LCD reads "0."; notepad, started the same way as a yardstick, when its text area is painted
// in the window colour. Each program is closed after its run, answering its question.
//
//   startup_probe [runs]     (7 by default; one untimed round first fills the disk cache)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "face_reader.h"
#include "harness.h"
#include "probe_clock.h"

namespace orvanta::probe {
namespace {

using e2e::Capture;
using e2e::find_window_of;

constexpr double kGiveUpMs = 30000;

struct Target {
  const char* label;
  std::wstring exe;
  // Whether the captured client area shows the program's first content.
  std::function<bool(HWND, const Capture&)> painted;
};

struct Times {
  double visible = 0;  // main window on the screen
  double idle = 0;     // and the program waiting for input
  double painted = 0;  // and its first content in the window's pixels
};

// The main window has no owner (tooltips and menus have one).
HWND find_main_window(DWORD pid) {
  return find_window_of(pid, [](HWND hwnd) { return GetWindow(hwnd, GW_OWNER) == nullptr; });
}

// A dialog box of the program: the close confirmation.
HWND find_dialog(DWORD pid) {
  return find_window_of(pid, [](HWND hwnd) {
    wchar_t window_class[16] = L"";
    GetClassNameW(hwnd, window_class, 16);
    return wcscmp(window_class, L"#32770") == 0;
  });
}

// Closes the program as a user would, answering "是" when it asks, and waits for its end: a
// killed program slows the next start under Wine by up to a second and a half. Without a window
// manager on the display Wine waits 2 s for each mapped window it takes down, so a close takes a
// few seconds; a program that has not ended after 20 s is killed.
void close_program(const PROCESS_INFORMATION& pi, HWND window) {
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  const double start = now_ms();
  while (WaitForSingleObject(pi.hProcess, 10) == WAIT_TIMEOUT && now_ms() - start < 20000) {
    if (const HWND dialog = find_dialog(pi.dwProcessId)) {
      e2e::App::press_dialog_button(dialog, L"是");
    }
  }
  if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
    std::fprintf(stderr, "the program did not close; killed\n");
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 10000);
  }
}

// One start of the program, closed at the end. False when it never painted.
bool time_one_start(const Target& target, Times& times) {
  std::wstring command = L"\"" + target.exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const double start = now_ms();
  if (!CreateProcessW(target.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      e2e::program_folder().c_str(), &si, &pi)) {
    std::fprintf(stderr, "cannot start %ls: error %lu\n", target.exe.c_str(), GetLastError());
    return false;
  }
  CloseHandle(pi.hThread);
  HWND window = nullptr;
  bool idle = false;
  bool painted = false;
  // Polled every millisecond; the pixels are read only once the cheaper conditions hold.
  while (!painted && now_ms() - start < kGiveUpMs) {
    if (window == nullptr) {
      window = find_main_window(pi.dwProcessId);
      if (window != nullptr) times.visible = now_ms() - start;
    }
    if (window != nullptr && !idle) {
      idle = WaitForInputIdle(pi.hProcess, 0) == 0;
      if (idle) times.idle = now_ms() - start;
    }
    if (idle) {
      painted = target.painted(window, e2e::capture_client(window));
      if (painted) times.painted = now_ms() - start;
    }
    if (!painted) Sleep(1);
  }
  close_program(pi, window);
  CloseHandle(pi.hProcess);
  Sleep(500);  // the rest of Wine's clean-up
  if (!painted)
    std::fprintf(stderr, "%s: no first paint within %.0f ms\n", target.label, kGiveUpMs);
  return painted;
}

std::wstring notepad_path() {
  wchar_t path[MAX_PATH];
  if (SearchPathW(nullptr, L"notepad.exe", nullptr, MAX_PATH, path, nullptr) == 0) return L"";
  return path;
}

// Notepad has painted when the middle of its text area shows the window colour.
bool notepad_painted(HWND window, const Capture& c) {
  const HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
  if (edit == nullptr || !IsWindowVisible(edit)) return false;
  RECT r{};
  GetWindowRect(edit, &r);
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(window, &centre);
  if (centre.x < 0 || centre.y < 0 || centre.x >= c.width || centre.y >= c.height) return false;
  const COLORREF w = GetSysColor(COLOR_WINDOW);
  const std::uint32_t rgb = (GetRValue(w) << 16) | (GetGValue(w) << 8) | GetBValue(w);
  return c.at(centre.x, centre.y) == rgb;
}

struct Series {
  const Target* target;
  const char* label;
  bool first_start;  // settings folder removed before each run
  std::vector<Times> runs;
};

void print_summary(const Series& s) {
  std::vector<double> visible, idle, painted;
  for (const Times& t : s.runs) {
    visible.push_back(t.visible);
    idle.push_back(t.idle);
    painted.push_back(t.painted);
  }
  const auto row = [&](const char* what, const std::vector<double>& v) {
    const Summary m = summarise(v);
    std::printf("| %s | %s | %zu | %.0f | %.0f | %.0f |\n", s.label, what, m.count, m.median, m.min,
                m.max);
  };
  row("window visible", visible);
  row("visible and input idle", idle);
  row("first content painted", painted);
}

int run(int runs) {
  e2e::FaceReader reader;
  const Target orvanta{"orvanta.exe", e2e::program_folder() + L"\\orvanta.exe",
                       [&reader](HWND, const Capture& c) { return reader.lcd_text(c) == "0."; }};
  const Target notepad{"notepad.exe", notepad_path(), notepad_painted};
  if (notepad.exe.empty()) {
    std::fprintf(stderr, "notepad.exe not found\n");
    return 1;
  }
  std::printf("orvanta: %ls\nnotepad: %ls\n", orvanta.exe.c_str(), notepad.exe.c_str());

  // Interleaved rounds, so that a busy moment of the shared machine hits all three alike. A
  // first start leaves the settings file that the warm start after it reads.
  std::vector<Series> series{{&orvanta, "orvanta.exe, first start", true, {}},
                             {&orvanta, "orvanta.exe", false, {}},
                             {&notepad, "notepad.exe", false, {}}};
  std::printf("\nround | program | visible ms | idle ms | painted ms\n");
  for (int round = 0; round <= runs; ++round) {
    for (Series& s : series) {
      if (s.first_start) e2e::remove_settings();
      Times t;
      if (!time_one_start(*s.target, t)) return 1;
      const bool warm_up = round == 0;  // fills the disk cache; not counted
      std::printf("%s | %s | %.1f | %.1f | %.1f\n",
                  warm_up ? "warm-up" : std::to_string(round).c_str(), s.label, t.visible, t.idle,
                  t.painted);
      if (!warm_up) s.runs.push_back(t);
    }
  }
  e2e::remove_settings();

  std::printf(
      "\n| program | until | runs | median ms | min ms | max ms "
      "|\n|---|---|---:|---:|---:|---:|\n");
  for (const Series& s : series) print_summary(s);
  return 0;
}

}  // namespace
}  // namespace orvanta::probe

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
  if (runs < 1) {
    std::fprintf(stderr, "usage: startup_probe [runs]\n");
    return 2;
  }
  return orvanta::probe::run(runs);
}
