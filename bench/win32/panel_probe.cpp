// The first opening of each panel and tool window, from the command to the panel on the screen:
// the real calculator, created in this process, gets each panel's menu command (or its face
// key) sent, so the panel is made and shown before the call returns; then every pending paint
// is done at once. Panels are made when first opened, so only a fresh program measures a first
// opening: the probe starts itself once per round (`panel_probe --once` is one round) and prints
// the medians over the rounds. The help window shows the beginning of its document first and
// takes the rest in after that has painted: a last row times the opening until the whole
// document is in and painted.
//
//   panel_probe [rounds]   (5 by default, after one untimed round)
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "face/face_layout.h"
#include "harness.h"
#include "probe_clock.h"
#include "win32/app/app.h"
#include "win32/chrome/menu_ids.h"
#include "win32/system/geometry.h"
#include "win32/windows/help_text.h"

namespace orvanta::probe {
namespace {

struct Opening {
  const char* label;
  UINT menu;          // a menu command, or 0
  const char* key;    // else a face key, clicked
  bool right_button;  // with the right button (π opens the constants table so)
  const wchar_t* window_class;
  bool top_level;  // a window of its own, not a panel over the face
};

constexpr Opening kOpenings[] = {
    {"公式 (formula)", win32::kMenuFormula, nullptr, false, L"OrvantaFormulaPanel", false},
    {"超大数 (big numbers)", win32::kMenuBigNumbers, nullptr, false, L"OrvantaBigNumberPanel",
     false},
    {"个人所得税 (income tax)", win32::kMenuIncomeTax, nullptr, false, L"OrvantaTaxPanel", false},
    {"参数设置 (settings)", win32::kMenuSettings, nullptr, false, L"OrvantaSettingsPanel", false},
    {"皮肤颜色 (skin)", win32::kMenuSkin, nullptr, false, L"OrvantaSkinPanel", false},
    {"自定义键盘 (key editor)", win32::kMenuKeyboard, nullptr, false, L"OrvantaKeyPanel", false},
    {"闹钟 (alarms)", 0, "klz", false, L"OrvantaAlarmPanel", false},
    {"常数表 (constants)", 0, "pi", true, L"OrvantaConstantsGrid", false},
    {"换算表 (converter)", 0, "kdwhs", false, L"OrvantaConverter", true},
    {"帮助 (help)", win32::kMenuHelp, nullptr, false, L"TForm1", true},
};
constexpr int kOpeningCount = sizeof kOpenings / sizeof kOpenings[0];
constexpr char kWholeHelp[] = "帮助 (help), until the whole document is in";
constexpr int kRowCount = kOpeningCount + 1;

void click_key(HWND face, const char* name, bool right) {
  for (const face::FaceKey& k : face::kFaceKeys) {
    if (k.name != name) continue;
    const RECT r = win32::to_rect(k.rect);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(face, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                 at);
    SendMessageW(face, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
    return;
  }
}

HWND find_opened(HWND face, const Opening& o) {
  if (!o.top_level) return FindWindowExW(face, nullptr, o.window_class, nullptr);
  return FindWindowExW(nullptr, nullptr, o.window_class, nullptr);
}

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// One round: a fresh calculator, each opening timed once. Prints one line of milliseconds.
int one_round() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  win32::App app(GetModuleHandleW(nullptr));
  if (!app.create()) return 1;
  app.show();
  pump();
  const HWND face = app.hwnd();
  const int help_length = static_cast<int>(win32::load_help_text(GetModuleHandleW(nullptr)).size());
  double whole_help = 0;
  for (const Opening& o : kOpenings) {
    const double start = now_ms();
    if (o.menu != 0) {
      SendMessageW(face, WM_COMMAND, o.menu, 0);
    } else {
      click_key(face, o.key, o.right_button);
    }
    const HWND opened = find_opened(face, o);
    if (opened == nullptr || !IsWindowVisible(opened)) {
      std::printf("%s: not opened\n", o.label);
      return 1;
    }
    // Every paint the opening left pending, at once.
    RedrawWindow(face, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RedrawWindow(opened, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    std::printf("%.2f ", now_ms() - start);
    if (std::wcscmp(o.window_class, L"TForm1") == 0) {
      const HWND edit = FindWindowExW(opened, nullptr, L"EDIT", nullptr);
      while (GetWindowTextLengthW(edit) < help_length) {
        MSG msg;
        if (!GetMessageW(&msg, nullptr, 0, 0)) return 1;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      RedrawWindow(opened, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      GdiFlush();
      whole_help = now_ms() - start;
    }
    // Closed again: the next panel opens over the bare face.
    if (o.top_level) {
      ShowWindow(opened, SW_HIDE);
    } else {
      ShowWindow(opened, SW_HIDE);
      SetFocus(face);
    }
    pump();
  }
  std::printf("%.2f\n", whole_help);
  DestroyWindow(face);
  return 0;
}

int run(int rounds) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::vector<std::vector<double>> ms(kRowCount);
  for (int round = 0; round <= rounds; ++round) {
    std::wstring command = L"\"" + std::wstring(self) + L"\" --once";
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &sa, 0)) return 1;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        e2e::program_folder().c_str(), &si, &pi)) {
      return 1;
    }
    CloseHandle(write);
    std::string out;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
    WaitForSingleObject(pi.hProcess, 60000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(read);
    if (round == 0) continue;  // the disk cache and Wine's first use of each class
    const char* p = out.c_str();
    for (int i = 0; i < kRowCount; ++i) {
      char* end = nullptr;
      const double v = std::strtod(p, &end);
      if (end == p) {
        std::fprintf(stderr, "round %d: %s\n", round, out.c_str());
        return 1;
      }
      ms[static_cast<size_t>(i)].push_back(v);
      p = end;
    }
  }
  std::printf(
      "| first opening | rounds | median ms | min ms | max ms |\n|---|---:|---:|---:|---:|\n");
  for (int i = 0; i < kRowCount; ++i) {
    const Summary s = summarise(ms[static_cast<size_t>(i)]);
    std::printf("| %s | %zu | %.1f | %.1f | %.1f |\n",
                i < kOpeningCount ? kOpenings[i].label : kWholeHelp, s.count, s.median, s.min,
                s.max);
  }
  return 0;
}

}  // namespace
}  // namespace orvanta::probe

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return orvanta::probe::one_round();
  return orvanta::probe::run(argc > 1 ? std::atoi(argv[1]) : 5);
}
