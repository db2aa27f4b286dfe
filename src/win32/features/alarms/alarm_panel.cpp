#include "win32/features/alarms/alarm_panel.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <string>

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaAlarmPanel";
constexpr int kOkId = 500;
constexpr int kTabsId = 501;
constexpr int kOnId = 502;
constexpr int kTimeId = 503;
constexpr int kPopUpId = 504;
constexpr int kTipId = 505;
constexpr int kFileId = 506;
constexpr int kOpenId = 507;
constexpr int kRadioId = 510;  // + code - 1

// The page control at 6, 7; a page's controls stand relative to its client area.
constexpr POINT kPage{10, 32};
// The group "动作设置" at 6, 26 of the page.
constexpr POINT kGroup{kPage.x + 6, kPage.y + 26};

constexpr POINT kRadioAt[kAlarmActionCount] = {{8, 24},  {8, 46},    {8, 69}, {8, 92},
                                               {8, 114}, {120, 137}, {8, 137}};

RECT at(POINT origin, int x, int y, int w, int h) {
  return RECT{origin.x + x, origin.y + y, origin.x + x + w, origin.y + y + h};
}

bool checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_checked(HWND button, bool on) {
  SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

AlarmPanel::AlarmPanel(PanelHost& host)
    : Panel(host, {kClassName, L"", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE), WS_CLIPCHILDREN, false}) {}

bool AlarmPanel::create(HWND parent) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_DATE_CLASSES};
  check(InitCommonControlsEx(&icc) != FALSE, L"InitCommonControlsEx");
  font_ = make_song_font(12);
  if (!create_window(parent)) return false;
  const HFONT font = font_.get();
  tabs_ = create_child(hwnd_, WC_TABCONTROLW, L"", TCS_BUTTONS | TCS_FLATBUTTONS | WS_CLIPSIBLINGS,
                       RECT{6, 7, 6 + 348, 7 + 242}, kTabsId, font);
  if (tabs_ == nullptr) return false;
  for (int n = 1; n <= kAlarmCount; ++n) {
    std::wstring caption = L"闹钟" + std::to_wstring(n);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, n - 1, reinterpret_cast<LPARAM>(&item));
  }
  on_ = create_child(hwnd_, L"BUTTON", L"开启", BS_AUTOCHECKBOX | WS_TABSTOP,
                     at(kPage, 6, 3, 48, 17), kOnId, font);
  // 62 pixels hold the spin and "07:30:00" only in a font a pixel smaller than the panel's;
  // in that one the seconds' last digit was cut.
  time_font_ = make_song_font(11);
  time_ = create_child(hwnd_, DATETIMEPICK_CLASSW, L"", DTS_TIMEFORMAT | DTS_UPDOWN | WS_TABSTOP,
                       at(kPage, 59, 0, 62, 22), kTimeId, time_font_.get());
  if (time_ != nullptr)
    SendMessageW(time_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm:ss"));
  pop_up_ = create_child(hwnd_, L"BUTTON", L"当最小化时弹出计算器", BS_AUTOCHECKBOX | WS_TABSTOP,
                         at(kPage, 125, 3, 170, 17), kPopUpId, font);
  create_child(hwnd_, L"BUTTON", L"动作设置", BS_GROUPBOX, at(kPage, 6, 26, 329, 183), -1, font);
  for (int i = 0; i < kAlarmActionCount; ++i) {
    radios_[i] =
        create_child(hwnd_, L"BUTTON", to_wide(kAlarmActionCaptions[i]).c_str(),
                     BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                     at(kGroup, kRadioAt[i].x, kRadioAt[i].y, 100, 17), kRadioId + i, font);
  }
  tip_ = create_child(hwnd_, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                      at(kGroup, 112, 43, 209, 21), kTipId, font);
  file_ = create_child(hwnd_, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | ES_READONLY,
                       at(kGroup, 112, 67, 171, 21), kFileId, font);
  create_child(hwnd_, L"BUTTON", L"打开", BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP,
               at(kGroup, 288, 67, 33, 22), kOpenId, font);
  create_child(hwnd_, L"BUTTON", L"确 定", BS_PUSHBUTTON | WS_TABSTOP, RECT{144, 248, 219, 273},
               kOkId, font);
  // The tab control stays below the page's controls.
  SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void AlarmPanel::attach(AlarmClock& alarms) {
  alarms_ = &alarms;
  alarms.on_page_loaded = [this](int n, const AlarmPage& page) {
    if (n == alarm_) show_page(page);
  };
  if (hwnd_ != nullptr) show_page(alarms.page(alarm_));
}

void AlarmPanel::show_page(const AlarmPage& page) {
  filling_ = true;
  set_checked(on_, page.on);
  set_checked(pop_up_, page.pop_up);
  for (int i = 0; i < kAlarmActionCount; ++i) set_checked(radios_[i], page.action == i + 1);
  SetWindowTextW(tip_, to_wide(page.tip).c_str());
  SetWindowTextW(file_, to_wide(page.file).c_str());
  const std::optional<int> ms = parse_time_of_day(page.time_text);
  SYSTEMTIME st{};
  GetLocalTime(&st);
  const int seconds = ms.value_or(0) / 1000;
  st.wHour = static_cast<WORD>(seconds / 3600);
  st.wMinute = static_cast<WORD>(seconds / 60 % 60);
  st.wSecond = static_cast<WORD>(seconds % 60);
  st.wMilliseconds = 0;
  SendMessageW(time_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  filling_ = false;
}

AlarmPage AlarmPanel::page_from_controls() const {
  AlarmPage page = alarms_->page(alarm_);
  page.on = checked(on_);
  page.pop_up = checked(pop_up_);
  for (int i = 0; i < kAlarmActionCount; ++i) {
    if (checked(radios_[i])) page.action = i + 1;
  }
  page.tip = window_text_utf8(tip_);
  page.file = window_text_utf8(file_);
  return page;
}

void AlarmPanel::page_changed() {
  if (filling_ || alarms_ == nullptr) return;
  alarms_->page_changed(alarm_, page_from_controls());
}

void AlarmPanel::time_changed() {
  if (filling_ || alarms_ == nullptr) return;
  SYSTEMTIME st{};
  if (SendMessageW(time_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return;
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", st.wHour, st.wMinute, st.wSecond);
  alarms_->time_field_exit(alarm_, text);
}

void AlarmPanel::choose_file() {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetAncestor(hwnd_, GA_ROOT);
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
  // The field's change stores the alarm.
  if (GetOpenFileNameW(&ofn)) SetWindowTextW(file_, path);
}

LRESULT AlarmPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (code == BN_CLICKED && id == kOkId) {
        hide();
        if (alarms_ != nullptr) alarms_->ok();
      } else if (code == BN_CLICKED && id == kOpenId) {
        choose_file();
      } else if (code == BN_CLICKED && (id == kOnId || id == kPopUpId ||
                                        (id >= kRadioId && id < kRadioId + kAlarmActionCount))) {
        page_changed();
      } else if (code == EN_CHANGE && (id == kTipId || id == kFileId)) {
        page_changed();
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->idFrom == kTabsId && header->code == TCN_SELCHANGE) {
        alarm_ = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)) + 1;
        if (alarms_ != nullptr) show_page(alarms_->page(alarm_));
      } else if (header->idFrom == kTimeId && header->code == DTN_DATETIMECHANGE) {
        time_changed();
      }
      return 0;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
