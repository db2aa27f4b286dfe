#include "win32/features/alarms/alarm_panel.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "platform/wide.h"
#include "win32/features/alarms/time_field.h"
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
// Posted when the time field has lost the focus: its text is read once the focus has settled,
// since a rejected time brings up a box.
constexpr UINT kTimeFieldLeft = WM_APP + 41;
// Six tabs side by side in the 348 pixels of the tab control, none behind scroll arrows: "闹钟1"
// is 31 pixels wide, and flat buttons keep up to 11 pixels between them.
constexpr int kTabWidth = 46;
constexpr int kTabHeight = 20;

// The page control at 6, 7; a page's controls stand relative to its client area.
constexpr POINT kPage{10, 32};
// The group "动作设置" at 6, 26 of the page.
constexpr POINT kGroup{kPage.x + 6, kPage.y + 26};

constexpr POINT kRadioAt[kAlarmActionCount] = {{8, 24},  {8, 46},    {8, 69}, {8, 92},
                                               {8, 114}, {120, 137}, {8, 137}};

// A place at 100 % relative to `origin`.
RECT placed(POINT origin, int x, int y, int w, int h) {
  return RECT{origin.x + x, origin.y + y, origin.x + x + w, origin.y + y + h};
}

bool checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_checked(HWND button, bool on) {
  SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

// It takes typing: its time and tip fields get the keys, and Tab walks its controls.
AlarmPanel::AlarmPanel(PanelHost& host)
    : Panel(host, {kClassName, L"", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE), WS_CLIPCHILDREN, true}) {}

bool AlarmPanel::create(HWND parent) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  check(InitCommonControlsEx(&icc) != FALSE, L"InitCommonControlsEx");
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  tabs_ = create_child(hwnd_, WC_TABCONTROLW, L"",
                       TCS_BUTTONS | TCS_FLATBUTTONS | TCS_FIXEDWIDTH | WS_CLIPSIBLINGS,
                       at(RECT{6, 7, 6 + 348, 7 + 242}), kTabsId, font);
  if (tabs_ == nullptr) return false;
  on_rescale();
  for (int n = 1; n <= kAlarmCount; ++n) {
    std::wstring caption = L"闹钟" + std::to_wstring(n);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, n - 1, reinterpret_cast<LPARAM>(&item));
  }
  on_ = create_child(hwnd_, L"BUTTON", L"开启", BS_AUTOCHECKBOX | WS_TABSTOP,
                     at(placed(kPage, 6, 3, 48, 17)), kOnId, font);
  time_ = create_time_field(hwnd_, at(placed(kPage, 59, 0, 62, 22)), kTimeId, font);
  pop_up_ = create_child(hwnd_, L"BUTTON", L"当最小化时弹出计算器", BS_AUTOCHECKBOX | WS_TABSTOP,
                         at(placed(kPage, 125, 3, 170, 17)), kPopUpId, font);
  create_child(hwnd_, L"BUTTON", L"动作设置", BS_GROUPBOX, at(placed(kPage, 6, 26, 329, 183)), -1,
               font);
  for (int i = 0; i < kAlarmActionCount; ++i) {
    radios_[i] =
        create_child(hwnd_, L"BUTTON", to_wide(kAlarmActionCaptions[i]).c_str(),
                     BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                     at(placed(kGroup, kRadioAt[i].x, kRadioAt[i].y, 100, 17)), kRadioId + i, font);
  }
  tip_ = create_child(hwnd_, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                      at(placed(kGroup, 112, 43, 209, 21)), kTipId, font);
  file_ = create_child(hwnd_, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | ES_READONLY,
                       at(placed(kGroup, 112, 67, 171, 21)), kFileId, font);
  create_child(hwnd_, L"BUTTON", L"打开", BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP,
               at(placed(kGroup, 288, 67, 33, 22)), kOpenId, font);
  create_child(hwnd_, L"BUTTON", L"确 定", BS_PUSHBUTTON | WS_TABSTOP, at(RECT{144, 248, 219, 273}),
               kOkId, font);
  // The tab control stays below the page's controls.
  SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void AlarmPanel::on_rescale() {
  SendMessageW(tabs_, TCM_SETITEMSIZE, 0, MAKELPARAM(at(kTabWidth), at(kTabHeight)));
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
  SetWindowTextW(time_, to_wide(page.time_text).c_str());
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

void AlarmPanel::time_field_left() {
  if (alarms_ == nullptr) return;
  // Taken now: the tab may change before the posted message comes.
  time_left_ = LeftTime{alarm_, window_text_utf8(time_)};
  PostMessageW(hwnd_, kTimeFieldLeft, 0, 0);
}

void AlarmPanel::read_time_left() {
  if (!time_left_ || alarms_ == nullptr) return;
  const LeftTime left = std::move(*time_left_);
  time_left_.reset();
  // A rejected time has said so in a box; the field and "开启" show the page as it now is.
  const AlarmPage& page = alarms_->time_field_exit(left.alarm, left.text);
  if (left.alarm != alarm_) return;
  filling_ = true;
  SetWindowTextW(time_, to_wide(page.time_text).c_str());
  set_checked(on_, page.on);
  filling_ = false;
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
        read_time_left();  // before the pages are loaded again
        hide();
        if (alarms_ != nullptr) alarms_->ok();
      } else if (code == BN_CLICKED && id == kOpenId) {
        choose_file();
      } else if (code == BN_CLICKED && (id == kOnId || id == kPopUpId ||
                                        (id >= kRadioId && id < kRadioId + kAlarmActionCount))) {
        page_changed();
      } else if (code == EN_CHANGE && (id == kTipId || id == kFileId)) {
        page_changed();
      } else if (code == EN_KILLFOCUS && id == kTimeId) {
        time_field_left();
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->idFrom == kTabsId && header->code == TCN_SELCHANGE) {
        alarm_ = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)) + 1;
        if (alarms_ != nullptr) show_page(alarms_->page(alarm_));
      }
      return 0;
    }
    case kTimeFieldLeft:
      read_time_left();
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
