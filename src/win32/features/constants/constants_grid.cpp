#include "win32/features/constants/constants_grid.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "platform/wide.h"
#include "tools/constants_table.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaConstantsGrid";
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kGridLine = RGB(192, 192, 192);
constexpr int kWheelRows = 3;
constexpr int kValueColumn = 1;

const ConstantRow& row_texts(int row) {
  return row == 0 ? kConstantsHeading : constants_table()[static_cast<size_t>(row - 1)];
}

}  // namespace

ConstantsGrid::ConstantsGrid(PanelHost& host, std::function<void(int row)> on_pick)
    : Panel(host, {kClassName, L"常用常数表", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_INFOBK), WS_VSCROLL, false}),
      on_pick_(std::move(on_pick)),
      layout_(laid_out()) {}

GridLayout ConstantsGrid::laid_out() const {
  return GridLayout({180, 120, 99}, kConstantRows + 1, kRowHeight).scaled(scale());
}

void ConstantsGrid::on_rescale() {
  layout_ = laid_out();
  update_scroll_bar();
}

bool ConstantsGrid::create(HWND parent) {
  if (!create_window(parent)) return false;
  update_scroll_bar();
  return true;
}

int ConstantsGrid::visible_rows() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  // Whole data rows under the heading.
  return std::max(1,
                  static_cast<int>(client.bottom) / (layout_.row_height() + GridLayout::kLine) - 1);
}

void ConstantsGrid::update_scroll_bar() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 1;
  info.nMax = kConstantRows;
  info.nPage = static_cast<UINT>(visible_rows());
  info.nPos = top_row_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void ConstantsGrid::scroll_to_row(int row) {
  const int last_top = std::max(1, kConstantRows - visible_rows() + 1);
  const int top = std::clamp(row, 1, last_top);
  if (top == top_row_) return;
  top_row_ = top;
  update_scroll_bar();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

RECT ConstantsGrid::cell_rect(int column, int row) const {
  // The heading stays on top; the data rows move under it.
  const int shown = row == 0 ? 0 : row - top_row_ + 1;
  return layout_.cell(column, shown);
}

void ConstantsGrid::draw_cell(HDC dc, int column, int row, const RECT& r) const {
  FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
  const ConstantRow& texts = row_texts(row);
  const std::string_view text =
      column == 0 ? texts.name : (column == kValueColumn ? texts.value : texts.unit);
  if (text.empty()) return;
  const std::wstring wide = to_wide(text);
  ExtTextOutW(dc, r.left + at(2), r.top + at(1), ETO_CLIPPED, &r, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
}

void ConstantsGrid::paint() {
  paint_off_screen(hwnd_, [this](HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    UniqueBrush lines(CreateSolidBrush(kGridLine));
    const RECT grid{0, 0, layout_.total_width(),
                    std::min<LONG>(client.bottom, (visible_rows() + 2) *
                                                      (layout_.row_height() + GridLayout::kLine))};
    FillRect(dc, &grid, lines.get());
    ScopedSelect font(dc, this->font(12));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kPurple);
    const int last = std::min(kConstantRows, top_row_ + visible_rows());
    for (int column = 0; column < layout_.columns(); ++column) {
      draw_cell(dc, column, 0, cell_rect(column, 0));
      for (int row = top_row_; row <= last; ++row)
        draw_cell(dc, column, row, cell_rect(column, row));
    }
  });
}

void ConstantsGrid::on_click(POINT p) {
  int column = 0;
  int shown = 0;
  if (!layout_.hit(p, column, shown) || shown == 0) return;
  const int row = shown + top_row_ - 1;
  // Only a value is picked; names and units do nothing.
  if (column == kValueColumn && row <= kConstantRows) on_pick_(row);
}

void ConstantsGrid::track_leave(bool non_client) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE | (non_client ? TME_NONCLIENT : 0);
  track.hwndTrack = hwnd_;
  check(TrackMouseEvent(&track) != FALSE, L"TrackMouseEvent (constants)");
}

// Leaving the cells for the scroll bar is no leaving the table.
void ConstantsGrid::on_leave() {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (!PtInRect(&r, cursor)) hide();
}

LRESULT ConstantsGrid::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_LBUTTONDOWN:
      on_click({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_MOUSEMOVE:
      track_leave(false);
      return 0;
    case WM_NCMOUSEMOVE:
      track_leave(true);
      break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
      on_leave();
      return 0;
    case WM_MOUSEWHEEL:
      scroll_to_row(top_row_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * kWheelRows);
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      GetScrollInfo(hwnd_, SB_VERT, &info);
      const int page = visible_rows();
      switch (LOWORD(wp)) {
        case SB_LINEUP:
          scroll_to_row(top_row_ - 1);
          break;
        case SB_LINEDOWN:
          scroll_to_row(top_row_ + 1);
          break;
        case SB_PAGEUP:
          scroll_to_row(top_row_ - page);
          break;
        case SB_PAGEDOWN:
          scroll_to_row(top_row_ + page);
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          scroll_to_row(info.nTrackPos);
          break;
        case SB_TOP:
          scroll_to_row(1);
          break;
        case SB_BOTTOM:
          scroll_to_row(kConstantRows);
          break;
      }
      return 0;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
