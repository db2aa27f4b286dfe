#include "win32/features/tax/tax_panel.h"

#include <commctrl.h>

#include <string>

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaTaxPanel";
constexpr wchar_t kGroupCaption[] = L"个人所得税计算";
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kFieldWidth = 121;
constexpr int kFieldHeight = 20;
constexpr int kLabelGap = 16;  // a caption stands this far above its field
constexpr int kComputeId = 400;
constexpr int kCloseId = 401;
constexpr int kFieldId = 410;  // + index
constexpr int kRadioId = 420;  // + table - 1

struct Field {
  const wchar_t* caption;
  POINT at;  // in the group box
  bool result;
};

constexpr Field kFields[5] = {
    {L"请输入您的工资总金额", {16, 40}, false},    {L"请输入个人所得税基数", {16, 80}, false},
    {L"可扣项目(如五险一金等)", {16, 120}, false}, {L"您的税后工资", {248, 40}, true},
    {L"您所交纳的税额", {248, 112}, true},
};

RECT in_group(int x, int y, int w, int h) {
  return RECT{TaxPanel::kGroup.x + x, TaxPanel::kGroup.y + y, TaxPanel::kGroup.x + x + w,
              TaxPanel::kGroup.y + y + h};
}

void set_text(HWND field, const std::string& text) {
  SetWindowTextW(field, to_wide(text).c_str());
}

}  // namespace

TaxPanel::TaxPanel(PanelHost& host, IncomeTaxForm& form)
    : Panel(host, {kClassName, kGroupCaption, RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE), 0, true}),
      form_(form) {}

bool TaxPanel::create(HWND parent) {
  font_ = make_song_font(12);
  if (!create_window(parent)) return false;
  const HFONT font = font_.get();
  for (int i = 0; i < 5; ++i) {
    const Field& f = kFields[i];
    create_child(hwnd_, L"STATIC", f.caption, 0,
                 in_group(f.at.x, f.at.y - kLabelGap, kFieldWidth + 40, 14), -1, font);
    fields_[i] = create_child(
        hwnd_, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | (f.result ? ES_READONLY : 0),
        in_group(f.at.x, f.at.y, kFieldWidth, kFieldHeight), kFieldId + i, font);
    if (fields_[i] == nullptr) return false;
    subclass_control(fields_[i],
                     [this](HWND field, UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
                       // Enter in a field computes, as the panel's default button would.
                       if (msg == WM_KEYDOWN && wp == VK_RETURN) {
                         compute();
                         return 0;
                       }
                       if (msg == WM_CHAR && wp == L'\r') return 0;  // no beep
                       if (msg == WM_GETDLGCODE)
                         return DefSubclassProc(field, msg, wp, lp) | DLGC_WANTALLKEYS;
                       return std::nullopt;
                     });
  }
  create_child(hwnd_, L"BUTTON", L"计  算", BS_PUSHBUTTON | WS_TABSTOP, in_group(152, 40, 75, 25),
               kComputeId, font);
  create_child(hwnd_, L"BUTTON", L"关  闭", BS_PUSHBUTTON | WS_TABSTOP, in_group(152, 112, 75, 25),
               kCloseId, font);
  radios_[0] = create_child(hwnd_, L"BUTTON", L"2011版税率表", BS_AUTORADIOBUTTON | WS_GROUP,
                            in_group(248, 63, kFieldWidth, 15), kRadioId, font);
  radios_[1] = create_child(hwnd_, L"BUTTON", L"2019版税率表", BS_AUTORADIOBUTTON,
                            in_group(248, 79, kFieldWidth, 15), kRadioId + 1, font);
  load_from_form();
  return true;
}

void TaxPanel::load_from_form() {
  loading_ = true;
  set_text(fields_[0], form_.salary());
  set_text(fields_[1], form_.base());
  set_text(fields_[2], form_.deductions());
  set_text(fields_[3], form_.after_tax());
  set_text(fields_[4], form_.tax());
  const int chosen = form_.table() == TaxTable::Y2019 ? 1 : 0;
  for (int i = 0; i < 2; ++i) {
    SendMessageW(radios_[i], BM_SETCHECK, i == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  loading_ = false;
}

void TaxPanel::open() {
  show();
  SetFocus(fields_[0]);
}

void TaxPanel::field_changed(int index) {
  if (loading_) return;
  const std::string text = window_text_utf8(fields_[index]);
  switch (index) {
    case 0:
      form_.salary_changed(text);
      break;
    case 1:
      form_.base_changed(text);
      break;
    case 2:
      form_.deductions_changed(text);
      break;
    default:
      break;
  }
}

void TaxPanel::compute() {
  form_.compute();
  loading_ = true;
  set_text(fields_[3], form_.after_tax());
  set_text(fields_[4], form_.tax());
  loading_ = false;
}

// The group's frame and its red caption, drawn by the panel so the caption can be red.
void TaxPanel::paint_group() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  ScopedSelect font(dc, font_.get());
  SIZE caption{};
  GetTextExtentPoint32W(dc, kGroupCaption, static_cast<int>(wcslen(kGroupCaption)), &caption);
  RECT frame{kGroup.x, kGroup.y + caption.cy / 2, kWidth - kGroup.x, kHeight - kGroup.y};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const RECT label{kGroup.x + 8, kGroup.y, kGroup.x + 12 + caption.cx, kGroup.y + caption.cy};
  FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kRed);
  TextOutW(dc, label.left + 2, label.top, kGroupCaption, static_cast<int>(wcslen(kGroupCaption)));
  EndPaint(hwnd_, &ps);
}

LRESULT TaxPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint_group();
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (HIWORD(wp) == EN_CHANGE && id >= kFieldId && id < kFieldId + 5) {
        field_changed(id - kFieldId);
      } else if (HIWORD(wp) == BN_CLICKED && id == kComputeId) {
        compute();
      } else if (HIWORD(wp) == BN_CLICKED && id == kCloseId) {
        hide();
      } else if (HIWORD(wp) == BN_CLICKED && (id == kRadioId || id == kRadioId + 1)) {
        form_.table_changed(id == kRadioId ? TaxTable::Y2011 : TaxTable::Y2019);
        loading_ = true;
        set_text(fields_[1], form_.base());
        loading_ = false;
      }
      return 0;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
