#include "win32/features/tax/tax_schedule_grid.h"

#include <windowsx.h>

#include <string>

#include "platform/wide.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaTaxSchedule";
constexpr COLORREF kGridLine = RGB(192, 192, 192);
constexpr COLORREF kTotalRow = RGB(255, 248, 220);
constexpr int kPadding = 3;
// 月份, 累计应纳税所得额, 税率, 本月预扣, 累计预扣, 税后工资: wide enough for their headings
// and for amounts to ten million.
const std::vector<int> kWidths{30, 98, 30, 66, 70, 70};

}  // namespace

SIZE TaxScheduleGrid::size() {
  const GridLayout layout(kWidths, kScheduleRows, kRowHeight);
  return {layout.total_width() + GridLayout::kLine, layout.total_height() + GridLayout::kLine};
}

UINT TaxScheduleGrid::cell_text_message() {
  static const UINT message = RegisterWindowMessageW(L"OrvantaTaxCellText");
  return message;
}

TaxScheduleGrid::TaxScheduleGrid(HFONT font, const face::DisplayScale& scale, Links links)
    : font_(font),
      scale_(scale),
      links_(std::move(links)),
      layout_(GridLayout(kWidths, kScheduleRows, kRowHeight).scaled(scale)),
      cells_(schedule_cells({})) {}

TaxScheduleGrid* TaxScheduleGrid::create(HWND parent, POINT at, int id, HFONT font,
                                         const face::DisplayScale& scale, Links links) {
  if (!register_window_class(kClassName, &BaseWindow::window_proc)) return nullptr;
  auto* grid = new TaxScheduleGrid(font, scale, std::move(links));
  const SIZE extent{scale(size().cx), scale(size().cy)};
  const HWND hwnd = CreateWindowExW(
      0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, at.x, at.y, extent.cx, extent.cy,
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), grid);
  if (!check(hwnd != nullptr, L"CreateWindowExW (tax schedule)")) {
    // A window that could not be made never saw its last message: the grid goes here.
    delete grid;
    return nullptr;
  }
  return grid;
}

void TaxScheduleGrid::rescale(const face::DisplayScale& scale) {
  scale_ = scale;
  layout_ = GridLayout(kWidths, kScheduleRows, kRowHeight).scaled(scale);
  SetWindowPos(hwnd_, nullptr, 0, 0, scale(size().cx), scale(size().cy),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void TaxScheduleGrid::set_cells(std::vector<ScheduleLine> cells) {
  cells_ = std::move(cells);
  picked_column_ = picked_row_ = -1;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

const std::string& TaxScheduleGrid::text(int column, int row) const {
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

// A figure: any filled cell but the heading and the names of the months.
bool TaxScheduleGrid::has_figure(int column, int row) const {
  return column > 0 && row > 0 && !text(column, row).empty();
}

bool TaxScheduleGrid::cell_at(POINT p, int& column, int& row) const {
  return layout_.hit({p.x - GridLayout::kLine, p.y - GridLayout::kLine}, column, row);
}

RECT TaxScheduleGrid::cell_rect(int column, int row) const {
  RECT r = layout_.cell(column, row);
  OffsetRect(&r, GridLayout::kLine, GridLayout::kLine);
  return r;
}

void TaxScheduleGrid::draw_cell(HDC dc, int column, int row) const {
  const RECT r = cell_rect(column, row);
  const bool picked = column == picked_column_ && row == picked_row_;
  const bool label = row == 0 || column == 0;
  int background = COLOR_WINDOW;
  if (label) background = COLOR_BTNFACE;
  if (picked) background = COLOR_HIGHLIGHT;
  if (row == kScheduleRows - 1 && !label && !picked) {
    UniqueBrush total(CreateSolidBrush(kTotalRow));
    FillRect(dc, &r, total.get());
  } else {
    FillRect(dc, &r, GetSysColorBrush(background));
  }
  SetTextColor(dc, GetSysColor(picked ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  std::wstring wide = to_wide(text(column, row));
  RECT inside{r.left + scale_(kPadding), r.top, r.right - scale_(kPadding), r.bottom};
  // Figures stand right, to the cent; one too long for its cell ends in "…" rather than showing
  // fewer digits as if they were all.
  const UINT align = label ? DT_CENTER : DT_RIGHT | DT_END_ELLIPSIS;
  DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &inside,
            align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (picked && GetFocus() == hwnd_) DrawFocusRect(dc, &r);
}

void TaxScheduleGrid::paint() {
  paint_off_screen(hwnd_, [this](HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    UniqueBrush lines(CreateSolidBrush(kGridLine));
    FillRect(dc, &client, lines.get());
    ScopedSelect font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    for (int row = 0; row < kScheduleRows; ++row) {
      for (int column = 0; column < kScheduleColumns; ++column) draw_cell(dc, column, row);
    }
    // Focused without a picked cell: the frame round the table says where Ctrl+C goes.
    if (GetFocus() == hwnd_ && picked_row_ < 0) {
      RECT inner = client;
      InflateRect(&inner, -1, -1);
      DrawFocusRect(dc, &inner);
    }
  });
}

void TaxScheduleGrid::click(POINT p) {
  SetFocus(hwnd_);
  int column = 0;
  int row = 0;
  if (!cell_at(p, column, row) || !has_figure(column, row)) return;
  picked_column_ = column;
  picked_row_ = row;
  InvalidateRect(hwnd_, nullptr, FALSE);
  links_.pick(column, row);
}

LRESULT TaxScheduleGrid::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == cell_text_message() && msg != 0) {
    const int column = static_cast<int>(wp);
    const int row = static_cast<int>(lp);
    if (column < 0 || column >= kScheduleColumns || row < 0 || row >= kScheduleRows) return 0;
    const std::string& cell = text(column, row);
    return cell.empty() ? 0 : GlobalAddAtomW(to_wide(cell).c_str());
  }
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp) != 0) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_LBUTTONDOWN:
      click({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_SETCURSOR: {
      POINT p{};
      GetCursorPos(&p);
      ScreenToClient(hwnd_, &p);
      int column = 0;
      int row = 0;
      if (LOWORD(lp) == HTCLIENT && cell_at(p, column, row) && has_figure(column, row)) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_KEYDOWN:
      if ((wp == 'C' || wp == VK_INSERT) && GetKeyState(VK_CONTROL) < 0) {
        links_.copy();
        return 0;
      }
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
