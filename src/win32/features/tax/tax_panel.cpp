#include "win32/features/tax/tax_panel.h"

#include <string>

#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaTaxPanel";
constexpr int kFieldWidth = 121;
constexpr int kFieldHeight = 20;
constexpr int kLabelGap = 16;  // a caption stands this far above its field
constexpr int kComputeId = 400;
constexpr int kCloseId = 401;
constexpr int kFieldId = 410;  // + index

struct Field {
  const wchar_t* caption;
  POINT at;  // in the group box
  bool result;
};

constexpr Field kFields[5] = {
    {L"请输入您的工资总金额", {16, 40}, false},    {L"请输入个人所得税基数", {16, 80}, false},
    {L"可扣项目(如五险一金等)", {16, 120}, false}, {L"您的税后工资", {248, 40}, true},
    {L"您所交纳的税额", {248, 128}, true},
};

RECT in_group(int x, int y, int w, int h) {
  return RECT{TaxPanel::kGroup.x + x, TaxPanel::kGroup.y + y, TaxPanel::kGroup.x + x + w,
              TaxPanel::kGroup.y + y + h};
}

}  // namespace

TaxPanel::TaxPanel(PanelHost& host, IncomeTaxForm& form, std::function<void(TaxTable)> choose_table)
    : Panel(host, {kClassName, kTaxCaption, RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE), 0, true}),
      form_(form),
      choose_table_(std::move(choose_table)) {}

bool TaxPanel::create(HWND parent) {
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  for (int i = 0; i < 5; ++i) {
    const Field& f = kFields[i];
    create_child(hwnd_, L"STATIC", f.caption, 0,
                 at(in_group(f.at.x, f.at.y - kLabelGap, kFieldWidth + 40, 14)), -1, font);
    fields_[i] = create_child(
        hwnd_, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | (f.result ? ES_READONLY : 0),
        at(in_group(f.at.x, f.at.y, kFieldWidth, kFieldHeight)), kFieldId + i, font);
    if (fields_[i] == nullptr) return false;
    compute_on_enter(fields_[i], [this] { compute(); });
  }
  create_child(hwnd_, L"BUTTON", L"计  算", BS_PUSHBUTTON | WS_TABSTOP,
               at(in_group(152, 40, 75, 25)), kComputeId, font);
  create_child(hwnd_, L"BUTTON", L"关  闭", BS_PUSHBUTTON | WS_TABSTOP,
               at(in_group(152, 112, 75, 25)), kCloseId, font);
  // Under the salary after tax, one above the other.
  constexpr int kRadioWidth = 150;
  const RECT radios[TableChoice::kCount] = {at(in_group(248, 63, kRadioWidth, 15)),
                                            at(in_group(248, 78, kRadioWidth, 15)),
                                            at(in_group(248, 93, kRadioWidth, 15))};
  if (!choice_.create(hwnd_, radios, font)) return false;
  load_from_form();
  return true;
}

void TaxPanel::load_from_form() {
  set_field_text(fields_[0], form_.salary(), loading_);
  set_field_text(fields_[1], form_.base(), loading_);
  set_field_text(fields_[2], form_.deductions(), loading_);
  show_results();
  choice_.show(form_.table());
}

void TaxPanel::show_results() {
  set_field_text(fields_[3], form_.after_tax(), loading_);
  set_field_text(fields_[4], form_.tax(), loading_);
}

void TaxPanel::open(bool on_choice) {
  show();
  SetFocus(on_choice ? choice_.checked() : fields_[0]);
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
  show_results();
}

// The group's frame and its red caption, drawn by the panel so the caption can be red.
void TaxPanel::paint_group() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  ScopedSelect font(dc, this->font(12));
  SIZE caption{};
  GetTextExtentPoint32W(dc, kTaxCaption, static_cast<int>(wcslen(kTaxCaption)), &caption);
  const int x = at(kGroup.x), y = at(kGroup.y);
  RECT frame{x, y + caption.cy / 2, at(kWidth - kGroup.x), at(kHeight - kGroup.y)};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const RECT label{x + at(8), y, x + at(12) + caption.cx, y + caption.cy};
  FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTaxRed);
  TextOutW(dc, label.left + 2, label.top, kTaxCaption, static_cast<int>(wcslen(kTaxCaption)));
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
      } else if (const auto table = TableChoice::table_of(id); table && HIWORD(wp) == BN_CLICKED) {
        choose_table_(*table);
      }
      return 0;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
