#include "harness.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <utility>

namespace orvanta::e2e {
namespace {

// LogPixels of the tests' prefix, which every program started in it reads at its start.
void set_prefix_dpi(DWORD dpi) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                  sizeof dpi);
}

constexpr wchar_t kMainCaption[] = L"Orvanta";

// EnumWindows wants a CALLBACK (stdcall on i686), which a lambda does not convert to.
BOOL CALLBACK collect_window(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK collect_child_text(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<std::wstring>*>(lp)->push_back(App::text_of(hwnd));
  return TRUE;
}

struct ButtonSearch {
  const std::wstring* label;
  HWND found;
};

BOOL CALLBACK find_button(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ButtonSearch*>(lp);
  std::wstring text = App::text_of(hwnd);
  // "否(&N)" and "否" both match "否".
  const auto amp = text.find(L"(&");
  if (amp != std::wstring::npos) text.erase(amp);
  if (text == *s->label) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool Capture::save_bmp(const std::wstring& path) const {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  const DWORD bytes = static_cast<DWORD>(pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + bytes;
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (f == nullptr) return false;
  fwrite(&file, sizeof file, 1, f);
  fwrite(&info, sizeof info, 1, f);
  fwrite(pixels.data(), 1, bytes, f);
  return fclose(f) == 0;
}

bool wait_idle_window(HWND window) {
  // A sent message is taken at the thread's next look into its queue, ahead of the input
  // waiting there; the second one only at a later look, usually once that input has been
  // handled (or inside a box it opened). On a busy machine the input may still be on its way,
  // so a test that expects an effect polls for the effect.
  for (int round = 0; round < 2; ++round) {
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored)) continue;
    // A window that is gone (the program ended, as some tests want) has nothing left to do.
    return IsWindow(window) == FALSE;
  }
  return true;
}

Capture capture_screen_still(const RECT& screen) {
  Capture last = capture_screen(screen);
  poll_until(
      [&] {
        Capture now = capture_screen(screen);
        const bool still = now.pixels == last.pixels;
        last = std::move(now);
        return still;
      },
      std::chrono::seconds(5));
  return last;
}

std::vector<HWND> top_level_windows(DWORD pid) {
  std::vector<HWND> all;
  EnumWindows(collect_window, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> own;
  for (HWND w : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid) own.push_back(w);
  }
  return own;
}

HWND find_window_of(DWORD pid, const std::function<bool(HWND)>& wanted) {
  for (HWND w : top_level_windows(pid)) {
    if (IsWindowVisible(w) && wanted(w)) return w;
  }
  return nullptr;
}

HWND open_menu(DWORD pid) {
  return find_window_of(pid, [](HWND w) {
    wchar_t name[16]{};
    GetClassNameW(w, name, 16);
    return std::wstring(name) == L"#32768";
  });
}

std::wstring program_folder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L"\\/"));
}

std::wstring settings_folder() {
  wchar_t path[MAX_PATH];
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, FALSE)) return L"";
  return std::wstring(path) + L"\\Talvenor";
}

std::wstring settings_file() {
  return settings_folder() + L"\\Talvenor.ini";
}

void write_settings(const std::string& bytes) {
  CreateDirectoryW(settings_folder().c_str(), nullptr);
  const std::wstring path = settings_file();
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  FILE* f = _wfopen(path.c_str(), L"wb");
  ASSERT_NE(f, nullptr);
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

std::wstring read_setting(const wchar_t* section, const wchar_t* key) {
  wchar_t value[512];
  GetPrivateProfileStringW(section, key, L"<absent>", value, 512, settings_file().c_str());
  return value;
}

void remove_settings() {
  const std::wstring folder = settings_folder();
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name != L"." && name != L"..") {
        const std::wstring file = folder + L"\\" + name;
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

App::~App() {
  close();
  set_prefix_dpi(96);
  if (process_ != nullptr) CloseHandle(process_);
}

void App::close() {
  if (!running()) return;
  if (main_ != nullptr) PostMessageW(main_, WM_CLOSE, 0, 0);
  // The close request asks for confirmation, answered as a user would; any other box left open
  // by the test, or a program that does not end, gets it killed.
  const bool ended = poll_until(
      [&] {
        if (!running()) return true;
        const HWND ask = find_window(L"提示");
        if (ask != nullptr) {
          const auto texts = child_texts(ask);
          if (std::find(texts.begin(), texts.end(), L"确认关闭语音计算器吗？") == texts.end()) {
            return true;
          }
          press_dialog_button(ask, L"是") || press_dialog_button(ask, L"Yes");
        }
        return find_window(L"警告") != nullptr;
      },
      std::chrono::seconds(5));
  if (!ended || running()) kill();
}

RECT rect_in(HWND window, HWND other) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, other != nullptr ? other : GetParent(window),
                  reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string rect_text(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
}

int e2e_dpi() {
  wchar_t value[16] = {};
  const DWORD n = GetEnvironmentVariableW(L"ORVANTA_E2E_DPI", value, 16);
  const int dpi = n > 0 && n < 16 ? _wtoi(value) : 0;
  return dpi > 0 ? dpi : 96;
}

bool App::launch() {
  // The program's clock can be moved on by advance_clock (and by nothing else).
  SetEnvironmentVariableW(L"ORVANTA_TEST_CLOCK", L"1");
  // The scale of the run, for this start only: the prefix is at 96 again once the program is
  // closed, so the screenshot scripts and the next run find 100 %.
  set_prefix_dpi(static_cast<DWORD>(e2e_dpi()));
  std::wstring exe = program_folder() + L"\\orvanta.exe";
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  // Under load Wine's process creation now and then fails with an internal error (1359) before
  // the program exists; that start is tried again, any other failure is the test's.
  bool made = false;
  DWORD error = 0;
  for (int attempt = 0; attempt < 3 && !made; ++attempt) {
    made = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          program_folder().c_str(), &si, &pi) != FALSE;
    error = made ? 0 : GetLastError();
    if (error != ERROR_INTERNAL_ERROR) break;
  }
  if (!made) {
    ADD_FAILURE() << "CreateProcessW failed: " << error;
    return false;
  }
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  pid_ = pi.dwProcessId;
  return true;
}

bool App::main_shown() {
  main_ = find_window(kMainCaption);
  return main_ != nullptr;
}

bool App::start() {
  if (!launch()) return false;
  const bool shown = poll_until([&] { return main_shown(); });
  if (!shown) ADD_FAILURE() << "the calculator window did not appear";
  return shown;
}

RECT App::window_rect() const {
  RECT r{};
  GetWindowRect(main_, &r);
  return r;
}

void App::send_mouse(int x, int y, DWORD flags) {
  send_mouse(x, y, std::vector<DWORD>{flags});
}

void App::send_mouse(int x, int y, const std::vector<DWORD>& events) {
  wait_idle();  // what the test did to the window before (a posted command) is done
  POINT p{x, y};
  ClientToScreen(main_, &p);
  send_mouse_on_screen(p, events);
}

void App::send_mouse_on_screen(POINT p, const std::vector<DWORD>& events) {
  // The X pointer goes there too: windows moving under a pointer left behind would get the
  // display's own pointer events from the old place.
  SetCursorPos(p.x, p.y);
  // One batch: the events reach the program together, as a quick hand's would, however busy
  // the machine is (a double-click stays one).
  std::vector<INPUT> in(events.size());
  for (size_t i = 0; i < events.size(); ++i) {
    in[i].type = INPUT_MOUSE;
    in[i].mi.dx =
        (p.x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in[i].mi.dy =
        (p.y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in[i].mi.dwFlags = events[i] | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof in[0]);
  wait_idle();
}

namespace {
DWORD down_flag(Button b) {
  switch (b) {
    case Button::Right:
      return MOUSEEVENTF_RIGHTDOWN;
    case Button::Middle:
      return MOUSEEVENTF_MIDDLEDOWN;
    default:
      return MOUSEEVENTF_LEFTDOWN;
  }
}
DWORD up_flag(Button b) {
  switch (b) {
    case Button::Right:
      return MOUSEEVENTF_RIGHTUP;
    case Button::Middle:
      return MOUSEEVENTF_MIDDLEUP;
    default:
      return MOUSEEVENTF_LEFTUP;
  }
}
}  // namespace

void App::move_mouse(int x, int y) {
  send_mouse(x, y, 0);
}
void App::press(int x, int y, Button button) {
  send_mouse(x, y, down_flag(button));
}
void App::release(int x, int y, Button button) {
  send_mouse(x, y, up_flag(button));
}
void App::advance_clock(std::chrono::milliseconds by) const {
  static const UINT message = RegisterWindowMessageW(L"OrvantaAdvanceClock");
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(main_, message, static_cast<WPARAM>(by.count()), 0, SMTO_NORMAL, 5000,
                           &ignored)) {
    ADD_FAILURE() << "the calculator did not take the clock's advance";
  }
}

HWND App::wait_menu() const {
  const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
  HWND menu = nullptr;
  poll_until([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return (menu = open_menu(pid_)) != nullptr && GetGUIThreadInfo(thread, &info) &&
           (info.flags & GUI_INMENUMODE) != 0;
  });
  return menu;
}

bool App::start_drag(int x, int y) {
  press(x, y);
  const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
  return poll_until(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && info.hwndCapture == main_ &&
               GetForegroundWindow() == main_;
      },
      std::chrono::seconds(5));
}

bool App::wait_capture_released() const {
  const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
  const bool released = poll_until([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndCapture == nullptr;
  });
  wait_idle();
  return released;
}

void App::move_mouse_on_screen(POINT screen) {
  send_mouse_on_screen(screen, {0});
}
void App::release_here(Button button) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = up_flag(button);
  SendInput(1, &in, sizeof in);
  wait_idle();
}

void App::click(int x, int y, Button button) {
  send_mouse(x, y, {down_flag(button), up_flag(button)});
}

void App::double_click(int x, int y) {
  const DWORD down = down_flag(Button::Left);
  const DWORD up = up_flag(Button::Left);
  send_mouse(x, y, {down, up, down, up});
}

void App::key(WORD virtual_key) {
  SetForegroundWindow(main_);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = virtual_key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof in[0]);
  wait_idle();
}

void App::wait_idle() const {
  if (!wait_idle_window(main_)) {
    ADD_FAILURE() << "the calculator did not answer within 5 s";
  }
}

void App::key_chord(std::initializer_list<WORD> held, WORD virtual_key) {
  SetForegroundWindow(main_);
  std::vector<INPUT> in;
  const auto add = [&](WORD vk, DWORD flags) {
    INPUT one{};
    one.type = INPUT_KEYBOARD;
    one.ki.wVk = vk;
    one.ki.dwFlags = flags;
    in.push_back(one);
  };
  for (const WORD vk : held) add(vk, 0);
  add(virtual_key, 0);
  add(virtual_key, KEYEVENTF_KEYUP);
  for (auto it = std::rbegin(held); it != std::rend(held); ++it) add(*it, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof in[0]);
  wait_idle();
}

BITMAPINFO top_down_bitmap_info(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return info;
}

namespace {

// The rectangle at x, y of a device context (a window's or the screen's).
Capture capture_dc(HDC source, int x, int y, int width, int height) {
  Capture c;
  c.width = width;
  c.height = height;
  c.pixels.assign(static_cast<size_t>(c.width) * c.height, 0);
  const HDC memory = CreateCompatibleDC(source);
  const BITMAPINFO info = top_down_bitmap_info(c.width, c.height);
  void* bits = nullptr;
  const HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, c.width, c.height, source, x, y, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  for (size_t i = 0; i < c.pixels.size(); ++i) c.pixels[i] = p[i] & 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  return c;
}

}  // namespace

Capture capture_client(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const HDC window_dc = GetDC(window);
  Capture c = capture_dc(window_dc, 0, 0, client.right, client.bottom);
  ReleaseDC(window, window_dc);
  return c;
}

Capture capture_screen(const RECT& r) {
  const HDC screen = GetDC(nullptr);
  Capture c = capture_dc(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
  ReleaseDC(nullptr, screen);
  return c;
}

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void put_on_clipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) {
    ADD_FAILURE() << "the clipboard could not be opened";
    return;
  }
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) {
    ADD_FAILURE() << "no memory for the clipboard";
  } else {
    memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
  }
  CloseClipboard();
}

std::wstring clipboard_text() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

HWND make_test_window(const wchar_t* class_name, RECT place, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  wc.lpszClassName = class_name;
  RegisterClassExW(&wc);
  const HWND window = CreateWindowExW(
      0, class_name, L"test", WS_POPUP | WS_CLIPCHILDREN, place.left, place.top,
      place.right - place.left, place.bottom - place.top, nullptr, nullptr, wc.hInstance, nullptr);
  if (window != nullptr) ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

Capture App::capture() const {
  return capture_client(main_);
}

std::wstring App::text_at(int x, int y) const {
  const HWND child = ChildWindowFromPointEx(main_, POINT{x, y}, CWP_SKIPINVISIBLE);
  return child == nullptr || child == main_ ? std::wstring() : text_of(child);
}

HWND App::find_window(const std::wstring& caption) const {
  return find_window_of(pid_, [&](HWND w) { return text_of(w) == caption; });
}

HWND App::wait_window(const std::wstring& caption, std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  poll_until([&] { return (found = find_window(caption)) != nullptr; }, timeout);
  return found;
}

HWND App::wait_child(const std::wstring& label) const {
  HWND found = nullptr;
  poll_until([&] {
    found = find_child(main_, label);
    return found != nullptr && IsWindowVisible(found);
  });
  return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

std::wstring App::text_of(HWND window) {
  // WM_GETTEXT rather than GetWindowText: the latter does not ask controls of other processes.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(static_cast<size_t>(copied));
  return text;
}

std::vector<std::wstring> App::child_texts(HWND window) {
  std::vector<std::wstring> texts;
  EnumChildWindows(window, collect_child_text, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

HWND App::find_child(HWND window, const std::wstring& label) {
  ButtonSearch s{&label, nullptr};
  EnumChildWindows(window, find_button, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool App::press_dialog_button(HWND dialog, const std::wstring& label) {
  const HWND button = find_child(dialog, label);
  if (button == nullptr) return false;
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  return true;
}

bool App::wait_exit(std::chrono::milliseconds timeout) {
  if (process_ == nullptr) return true;
  return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool App::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void App::kill() {
  if (running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
}

}  // namespace orvanta::e2e
