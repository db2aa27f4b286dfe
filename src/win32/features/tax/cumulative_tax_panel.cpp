#include "win32/features/tax/cumulative_tax_panel.h"

#include <algorithm>
#include <string>

#include "win32/system/clipboard_text.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaCumulativeTaxPanel";
constexpr int kListHeight = 200;  // a drop-down list's box with its list open
constexpr POINT kCaptionAt{6, 5};
constexpr POINT kGridAt{6, 109};

// The housing list's entries in order: none, the loan interest, then rent by city class.
constexpr int kFirstRent = 2;

// A place of the page at 100 %.
RECT box(int left, int top, int right, int bottom) {
  return RECT{left, top, right, bottom};
}

}  // namespace

CumulativeTaxPanel::CumulativeTaxPanel(PanelHost& host, IncomeTaxForm& form,
                                       CumulativeTaxPage& page, Links links)
    : Panel(host, {kClassName, kTaxCaption, RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE), 0, true}),
      form_(form),
      page_(page),
      links_(std::move(links)) {}

HWND CumulativeTaxPanel::add(Control id, const wchar_t* window_class, DWORD style, RECT place,
                             const wchar_t* caption) {
  return create_child(hwnd_, window_class, caption, style, at(place), id, font(12));
}

void CumulativeTaxPanel::label(const wchar_t* text, RECT place) {
  create_child(hwnd_, L"STATIC", text, SS_LEFTNOWORDWRAP, at(place), -1, font(12));
}

HWND CumulativeTaxPanel::list(Control id, std::initializer_list<const wchar_t*> entries,
                              RECT place) {
  place.bottom = place.top + kListHeight;
  const HWND box = add(id, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, place);
  for (const wchar_t* entry : entries) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  SendMessageW(box, CB_SETCURSEL, 0, 0);
  return box;
}

// Made in the order Tab walks them: top to bottom, each row left to right.
bool CumulativeTaxPanel::create(HWND parent) {
  if (!create_window(parent)) return false;
  const RECT radios[TableChoice::kCount] = {at(box(94, 3, 186, 19)), at(box(194, 3, 286, 19)),
                                            at(box(296, 3, 434, 19))};
  if (!choice_.create(hwnd_, radios, font(12))) return false;

  constexpr DWORD kField = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
  label(L"月工资", box(6, 27, 44, 41));
  add(Salary, L"EDIT", kField | WS_GROUP, box(44, 24, 124, 44));
  label(L"五险一金", box(132, 27, 180, 41));
  add(Insurance, L"EDIT", kField, box(182, 24, 254, 44));
  label(L"减除费用", box(262, 27, 310, 41));
  add(Base, L"EDIT", kField, box(312, 24, 368, 44));
  add(Compute, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, box(376, 23, 432, 45), L"计  算");

  const auto counts = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};
  label(L"子女教育", box(6, 51, 54, 65));
  list(Children, counts, box(56, 48, 96, 0));
  label(L"人", box(98, 51, 112, 65));
  label(L"婴幼儿照护", box(118, 51, 178, 65));
  list(Infants, counts, box(180, 48, 220, 0));
  label(L"人", box(222, 51, 236, 65));
  add(Continuing, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, box(244, 49, 338, 65), L"学历继续教育");
  add(Certificate, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, box(340, 49, 434, 65), L"职业资格证书");

  label(L"住房", box(6, 75, 30, 89));
  list(HousingList,
       {L"无", L"首套住房贷款利息", L"租房：一类城市", L"租房：二类城市", L"租房：三类城市"},
       box(32, 72, 162, 0));
  label(L"赡养老人", box(170, 75, 218, 89));
  list(ParentsList, {L"无", L"独生子女", L"非独生子女"}, box(220, 72, 310, 0));
  label(L"分摊", box(318, 75, 342, 89));
  add(Share, L"EDIT", kField, box(344, 72, 400, 92));
  label(L"元", box(402, 75, 416, 89));
  add(Summary, L"STATIC", SS_LEFTNOWORDWRAP, box(6, 94, 432, 108));

  grid_ =
      TaxScheduleGrid::create(hwnd_, {at(kGridAt.x), at(kGridAt.y)}, Schedule, font(12), scale(),
                              {[this](int column, int row) {
                                 const std::string value = page_.value(column, row);
                                 if (!value.empty()) links_.enter_number(value);
                               },
                               [this] { copy(); }});
  if (grid_ == nullptr) return false;
  const SIZE grid = TaxScheduleGrid::size();
  const int buttons_left = kGridAt.x + grid.cx + 5;
  const int grid_bottom = kGridAt.y + grid.cy;
  const struct {
    Control id;
    const wchar_t* caption;
    int top;
  } buttons[] = {{Copy, L"复制", kGridAt.y},
                 {Send, L"输出", kGridAt.y + 26},
                 {Close, L"关闭", grid_bottom - 22}};
  for (const auto& b : buttons) {
    add(b.id, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, box(buttons_left, b.top, 432, b.top + 22),
        b.caption);
  }
  add_tooltip(hwnd_, item(Copy), L"复制表格（以 Tab 分隔，可粘贴到电子表格）");
  add_tooltip(hwnd_, item(Send), L"把表格输出到下层窗口");

  const int bonus_top = grid_bottom + 4;
  label(L"年终奖", box(6, bonus_top + 3, 42, bonus_top + 17));
  add(Bonus, L"EDIT", kField, box(44, bonus_top, 124, bonus_top + 20));
  label(L"元", box(126, bonus_top + 3, 140, bonus_top + 17));
  label(L"单独计税", box(146, bonus_top + 3, 194, bonus_top + 17));
  add(BonusAlone, L"EDIT", kField | ES_READONLY, box(196, bonus_top, 268, bonus_top + 20));
  label(L"并入综合所得", box(276, bonus_top + 3, 348, bonus_top + 17));
  add(BonusAdded, L"EDIT", kField | ES_READONLY, box(350, bonus_top, 432, bonus_top + 20));
  add(Verdict, L"STATIC", SS_LEFTNOWORDWRAP, box(6, bonus_top + 22, 432, bonus_top + 36));
  add(Cliff, L"STATIC", SS_OWNERDRAW, box(6, bonus_top + 36, 432, bonus_top + 50));

  for (const Control field : {Salary, Insurance, Base, Share, Bonus}) {
    compute_on_enter(item(field), [this] { compute(); });
  }
  load_from_form();
  return true;
}

void CumulativeTaxPanel::open(bool on_choice) {
  show();
  SetFocus(on_choice ? choice_.checked() : item(Salary));
}

void CumulativeTaxPanel::load_from_form() {
  set_field_text(item(Salary), form_.salary(), loading_);
  set_field_text(item(Insurance), form_.deductions(), loading_);
  set_field_text(item(Base), form_.base(), loading_);
  set_field_text(item(Share), page_.share(), loading_);
  set_field_text(item(Bonus), page_.bonus_text(), loading_);
  const AdditionalDeductionChoices& c = page_.choices();
  SendMessageW(item(Children), CB_SETCURSEL, c.children_in_education, 0);
  SendMessageW(item(Infants), CB_SETCURSEL, c.children_under_three, 0);
  CheckDlgButton(hwnd_, Continuing, c.continuing_education ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd_, Certificate, c.certificate_this_year ? BST_CHECKED : BST_UNCHECKED);
  const int housing = c.housing == Housing::Rent ? kFirstRent + static_cast<int>(c.rent_city)
                                                 : static_cast<int>(c.housing);
  SendMessageW(item(HousingList), CB_SETCURSEL, housing, 0);
  SendMessageW(item(ParentsList), CB_SETCURSEL, static_cast<int>(c.parents), 0);
  choice_.show(form_.table());
  choices_changed();
  show_results();
}

void CumulativeTaxPanel::choices_changed() {
  AdditionalDeductionChoices c;
  const auto selected = [this](Control id) {
    return static_cast<int>(SendMessageW(item(id), CB_GETCURSEL, 0, 0));
  };
  c.children_in_education = selected(Children);
  c.children_under_three = selected(Infants);
  c.continuing_education = IsDlgButtonChecked(hwnd_, Continuing) == BST_CHECKED;
  c.certificate_this_year = IsDlgButtonChecked(hwnd_, Certificate) == BST_CHECKED;
  const int housing = selected(HousingList);
  c.housing = housing >= kFirstRent ? Housing::Rent : static_cast<Housing>(std::max(housing, 0));
  if (housing >= kFirstRent) c.rent_city = static_cast<RentCity>(housing - kFirstRent);
  c.parents = static_cast<ParentsCare>(std::max(selected(ParentsList), 0));
  page_.choices_changed(c);
  // Only a share among siblings is typed.
  EnableWindow(item(Share), c.parents == ParentsCare::Shared ? TRUE : FALSE);
  set_text(item(Summary), page_.special_summary());
}

void CumulativeTaxPanel::show_results() {
  grid_->set_cells(page_.cells());
  const std::optional<BonusOutcome> bonus = page_.bonus();
  set_field_text(item(BonusAlone), bonus ? money_shown(bonus->comparison.alone.tax) : "", loading_);
  set_field_text(item(BonusAdded), bonus ? money_shown(bonus->comparison.added) : "", loading_);
  set_text(item(Verdict), bonus ? bonus_verdict(bonus->comparison) : "");
  set_text(item(Cliff), bonus && bonus->cliff ? cliff_text(*bonus->cliff) : "");
  InvalidateRect(item(Cliff), nullptr, TRUE);
  const BOOL results = page_.has_result() ? TRUE : FALSE;
  EnableWindow(item(Copy), results);
  EnableWindow(item(Send), results);
}

void CumulativeTaxPanel::compute() {
  page_.compute();
  show_results();
}

void CumulativeTaxPanel::copy() {
  // put_clipboard_text reports its own failures.
  if (page_.has_result()) put_clipboard_text(hwnd_, page_.table_text("\r\n"));
}

void CumulativeTaxPanel::command(int id, int code) {
  if (const auto table = TableChoice::table_of(id)) {
    if (code == BN_CLICKED) links_.choose_table(*table);
    return;
  }
  if (code == EN_CHANGE && !loading_) {
    const std::string text = window_text_utf8(GetDlgItem(hwnd_, id));
    switch (id) {
      case Salary:
        form_.salary_changed(text);
        return;
      case Insurance:
        form_.deductions_changed(text);
        return;
      case Base:
        form_.base_changed(text);
        return;
      case Share:
        page_.share_changed(text);
        choices_changed();
        return;
      case Bonus:
        page_.bonus_changed(text);
        return;
      default:
        return;
    }
  }
  if (code == CBN_SELCHANGE || (code == BN_CLICKED && (id == Continuing || id == Certificate))) {
    choices_changed();
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case Compute:
      compute();
      return;
    case Copy:
      copy();
      return;
    case Send:
      if (page_.has_result()) links_.send_below();
      return;
    case Close:
      hide();
      return;
    default:
      return;
  }
}

void CumulativeTaxPanel::on_rescale() {
  grid_->rescale(scale());
}

void CumulativeTaxPanel::paint_caption() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  ScopedSelect font(dc, this->font(12));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTaxRed);
  TextOutW(dc, at(kCaptionAt.x), at(kCaptionAt.y), kTaxCaption,
           static_cast<int>(wcslen(kTaxCaption)));
  EndPaint(hwnd_, &ps);
}

// The cliff in red: a bonus just past a bound leaves less than the bound itself.
void CumulativeTaxPanel::draw_cliff(const DRAWITEMSTRUCT& drawn) const {
  RECT r = drawn.rcItem;
  FillRect(drawn.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = window_text(drawn.hwndItem);
  ScopedSelect font(drawn.hDC, this->font(12));
  SetBkMode(drawn.hDC, TRANSPARENT);
  SetTextColor(drawn.hDC, kTaxRed);
  DrawTextW(drawn.hDC, text.c_str(), static_cast<int>(text.size()), &r,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CumulativeTaxPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint_caption();
      return 0;
    case WM_COMMAND:
      command(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_DRAWITEM: {
      const auto* drawn = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (drawn->CtlID != static_cast<UINT>(Cliff)) break;
      draw_cliff(*drawn);
      return TRUE;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
