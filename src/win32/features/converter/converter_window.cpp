#include "win32/features/converter/converter_window.h"

#include <windowsx.h>
// windows.h first
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/wide.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaConverter";
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

constexpr COLORREF kMoneyGreen = RGB(192, 220, 192);
constexpr COLORREF kSkyBlue = RGB(166, 202, 240);
constexpr COLORREF kThumb = RGB(112, 160, 220);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMaroon = RGB(128, 0, 0);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kRing = RGB(255, 100, 0);
constexpr COLORREF kGridLine = RGB(192, 192, 192);

constexpr wchar_t kTitle[] = L"常用单位(度量衡)换算表";
constexpr wchar_t kNote1[] = L"注1:黄色圈代表主单位(屏幕数据)";
constexpr wchar_t kNote2[] = L"注2:数值中带\"E\"为科学计数法";
constexpr wchar_t kHint[] =
    L"在单位上点击鼠标,就可将该单位设置成为主单位.\r\n"
    L"如果数值太长显示不完整,可将光标置于第一行栏间,即可调整栏间距.";

constexpr int kBorderSlack = 2;  // pixels either side of a header border that grab it
constexpr int kMinColumn = 8;    // a column dragged narrower stays this wide
constexpr int kMinThumb = 24;

void text_out(HDC dc, int x, int y, const wchar_t* text) {
  TextOutW(dc, x, y, text, static_cast<int>(wcslen(text)));
}

// Every column 150 pixels wide, at 100 %.
GridLayout first_layout() {
  return GridLayout(std::vector<int>(kUnitCategories, TForm2::kColumnWidth), kUnitGridRows,
                    TForm2::kRowHeight);
}

RECT window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

}  // namespace

TForm2::TForm2(UnitConverter& converter) : converter_(converter), layout_(first_layout()) {}

TForm2::~TForm2() {
  converter_.set_cell_changed(nullptr);
  converter_.set_changes_done(nullptr);
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

UINT TForm2::cell_text_message() {
  static const UINT message = RegisterWindowMessageW(L"OrvantaConverterCellText");
  return message;
}

bool TForm2::create(HWND main_window, POINT place, const face::DisplayScale& scale) {
  if (!register_window_class(kClassName, &BaseWindow::window_proc)) return false;
  scale_ = scale;
  layout_ = first_layout().scaled(scale);
  title_font_ = make_song_font(at(16));
  font_ = make_song_font(at(12));
  background_.reset(CreateSolidBrush(kMoneyGreen));
  const HWND hwnd = CreateWindowExW(kExStyle, kClassName, L"Orvanta", kStyle, place.x, place.y, 0,
                                    0, main_window, nullptr, GetModuleHandleW(nullptr), this);
  if (!check(hwnd != nullptr, L"CreateWindowExW (converter)")) return false;
  set_client_size();

  tooltip_ =
      check_handle(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, nullptr, nullptr),
                   L"CreateWindowExW (converter hint)");
  if (tooltip_ != nullptr) {
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = 1;
    info.rect = cell_rect(0, 0);
    info.lpszText = const_cast<wchar_t*>(kHint);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    // Two lines: the hint breaks at its own line break only.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, at(600));
  }
  pending_.reset(CreateRectRgn(0, 0, 0, 0));
  converter_.set_cell_changed([this](int column, int row) { cell_changed(column, row); });
  converter_.set_changes_done([this] { changes_done(); });
  scroll_to(0);
  return true;
}

void TForm2::set_client_size() {
  RECT frame{0, 0, client_width(), client_height()};
  check(AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle) != FALSE, L"AdjustWindowRectEx");
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm2::rescale(const face::DisplayScale& scale) {
  if (scale == scale_) return;
  const int from = scale_.dpi();
  scale_ = scale;
  GridLayout fresh = first_layout().scaled(scale);
  for (int c = 0; c < fresh.columns(); ++c) {
    fresh.set_width(c, std::max(1, MulDiv(layout_.width(c), scale.dpi(), from)));
  }
  layout_ = std::move(fresh);
  title_font_ = make_song_font(at(16));
  font_ = make_song_font(at(12));
  if (hwnd_ == nullptr) return;
  set_client_size();
  scroll_to(MulDiv(scroll_x_, scale.dpi(), from));
}

bool TForm2::showing() const {
  return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE;
}

void TForm2::show_at(int left) {
  const RECT r = window_rect(hwnd_);
  check(SetWindowPos(hwnd_, HWND_TOP, left, r.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW) != FALSE,
        L"SetWindowPos (converter)");
}

void TForm2::close() {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
}

void TForm2::reset_column_widths() {
  layout_ = first_layout().scaled(scale_);
  scroll_to(scroll_x_);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

RECT TForm2::cell_rect(int column, int row) const {
  RECT r = layout_.cell(column, row);
  OffsetRect(&r, grid_origin().x - scroll_x_, grid_origin().y);
  return r;
}

int TForm2::content_width() const {
  return grid_origin().x + layout_.total_width() + grid_origin().x;
}

int TForm2::max_scroll() const {
  return std::max(0, content_width() - client_width());
}

RECT TForm2::scroll_bar_rect() const {
  return RECT{0, client_height() - at(kScrollBarHeight), client_width(), client_height()};
}

RECT TForm2::thumb_rect() const {
  const RECT bar = scroll_bar_rect();
  const int thumb = std::max(at(kMinThumb), client_width() * client_width() / content_width());
  const int room = client_width() - thumb;
  const int x = max_scroll() > 0 ? scroll_x_ * room / max_scroll() : 0;
  return RECT{x, bar.top, x + thumb, bar.bottom};
}

void TForm2::scroll_to(int x) {
  scroll_x_ = std::clamp(x, 0, max_scroll());
  if (tooltip_ != nullptr) {
    // The hint belongs to the grid wherever it is scrolled to.
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = hwnd_;
    info.uId = 1;
    const POINT origin = grid_origin();
    info.rect = RECT{origin.x - scroll_x_, origin.y, origin.x - scroll_x_ + layout_.total_width(),
                     origin.y + layout_.total_height()};
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  }
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

// Only the changed cells go into the update region; one paint later draws them all.
void TForm2::cell_changed(int column, int row) {
  if (!pending_) return;
  const RECT r = cell_rect(column, row);
  UniqueRegion cell(CreateRectRgnIndirect(&r));
  CombineRgn(pending_.get(), pending_.get(), cell.get(), RGN_OR);
}

void TForm2::changes_done() {
  if (!pending_) return;
  if (showing()) InvalidateRgn(hwnd_, pending_.get(), FALSE);
  SetRectRgn(pending_.get(), 0, 0, 0, 0);
}

void TForm2::paint() {
  paint_off_screen(hwnd_, [this](HDC dc, const RECT& area) { draw(dc, area); });
}

void TForm2::draw(HDC dc, const RECT& area) const {
  FillRect(dc, &area, background_.get());
  SetBkMode(dc, TRANSPARENT);
  const int sx = scroll_x_;
  {
    // The embossed title: the shadow, then yellow one pixel up and left.
    ScopedSelect font(dc, title_font_.get());
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    text_out(dc, at(18) - sx, at(4), kTitle);
    SetTextColor(dc, kYellow);
    text_out(dc, at(17) - sx, at(3), kTitle);
  }
  ScopedSelect font(dc, font_.get());
  SetTextColor(dc, kMaroon);
  text_out(dc, at(218) - sx, at(8), kNote1);
  text_out(dc, at(427) - sx, at(8), kNote2);

  const POINT origin = grid_origin();
  const RECT grid{origin.x - sx, origin.y, origin.x - sx + layout_.total_width(),
                  origin.y + layout_.total_height()};
  RECT visible;
  if (IntersectRect(&visible, &grid, &area)) {
    UniqueBrush lines(CreateSolidBrush(kGridLine));
    FillRect(dc, &visible, lines.get());
    for (int c = 0; c < layout_.columns(); ++c) {
      for (int r = 0; r < layout_.rows(); ++r) {
        const RECT cell = cell_rect(c, r);
        RECT overlap;
        if (IntersectRect(&overlap, &cell, &area)) draw_cell(dc, c, r);
      }
    }
  }
  RECT bar = scroll_bar_rect();
  RECT overlap;
  if (IntersectRect(&overlap, &bar, &area)) draw_scroll_bar(dc);
}

void TForm2::draw_cell(HDC dc, int column, int row) const {
  const RECT r = cell_rect(column, row);
  FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
  if (converter_.has_ring(column, row)) {
    UniqueHandle<HPEN, GdiObjectDeleter> pen(CreatePen(PS_SOLID, 1, kRing));
    ScopedSelect use_pen(dc, pen.get());
    ScopedSelect use_brush(dc, GetSysColorBrush(COLOR_INFOBK));
    Ellipse(dc, r.left + at(1), r.top + at(1), r.right - at(1), r.bottom - at(1));
  }
  const std::string& text = converter_.cell(column, row);
  if (text.empty()) return;
  const std::wstring wide = to_wide(text);
  SetTextColor(dc, kPurple);
  ExtTextOutW(dc, r.left + at(4), r.top + at(4), ETO_CLIPPED, &r, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
}

void TForm2::draw_scroll_bar(HDC dc) const {
  const RECT bar = scroll_bar_rect();
  UniqueBrush track(CreateSolidBrush(kSkyBlue));
  FillRect(dc, &bar, track.get());
  const RECT thumb = thumb_rect();
  UniqueBrush thumb_brush(CreateSolidBrush(kThumb));
  FillRect(dc, &thumb, thumb_brush.get());
}

void TForm2::on_button_down(POINT p) {
  SetCapture(hwnd_);
  drag_start_x_ = p.x;
  const RECT bar = scroll_bar_rect();
  if (PtInRect(&bar, p)) {
    const RECT thumb = thumb_rect();
    if (PtInRect(&thumb, p)) {
      drag_ = Drag::Thumb;
      drag_start_value_ = scroll_x_;
    } else {
      scroll_to(scroll_x_ + (p.x < thumb.left ? -client_width() : client_width()));
    }
    return;
  }
  const POINT in_grid{p.x + scroll_x_ - grid_origin().x, p.y - grid_origin().y};
  int column = 0;
  int row = 0;
  if (in_grid.y >= 0 && in_grid.y < layout_.row_height()) {
    const int border = layout_.border_near(in_grid.x, at(kBorderSlack));
    if (border >= 0) {
      drag_ = Drag::Column;
      drag_column_ = border;
      drag_start_value_ = layout_.width(border);
      return;
    }
  }
  if (layout_.hit(in_grid, column, row) && row > 0) converter_.select_cell(column, row);
}

void TForm2::on_mouse_move(POINT p, bool left_down) {
  if (!left_down) drag_ = Drag::None;
  const int dx = p.x - drag_start_x_;
  if (drag_ == Drag::Thumb) {
    // The grid follows the thumb while it is dragged.
    const RECT thumb = thumb_rect();
    const int room = client_width() - (thumb.right - thumb.left);
    if (room > 0) scroll_to(drag_start_value_ + dx * max_scroll() / room);
  } else if (drag_ == Drag::Column) {
    layout_.set_width(drag_column_, std::max(at(kMinColumn), drag_start_value_ + dx));
    scroll_to(scroll_x_);
  }
}

void TForm2::on_button_up() {
  drag_ = Drag::None;
  ReleaseCapture();
}

bool TForm2::on_set_cursor() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  const POINT in_grid{p.x + scroll_x_ - grid_origin().x, p.y - grid_origin().y};
  const bool header = in_grid.y >= 0 && in_grid.y < layout_.row_height();
  if (drag_ == Drag::Column || (header && layout_.border_near(in_grid.x, at(kBorderSlack)) >= 0)) {
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
  }
  int column = 0;
  int row = 0;
  if (layout_.hit(in_grid, column, row)) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
  }
  return false;
}

LRESULT TForm2::answer_cell_text(WPARAM wp, LPARAM lp) const {
  const std::string& text = converter_.cell(static_cast<int>(wp), static_cast<int>(lp));
  if (text.empty()) return 0;
  return GlobalAddAtomW(to_wide(text).c_str());
}

LRESULT TForm2::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == cell_text_message() && msg != 0) return answer_cell_text(wp, lp);
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      on_button_down({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_MOUSEMOVE:
      on_mouse_move({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, (wp & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
      on_button_up();
      return 0;
    case WM_CAPTURECHANGED:
      drag_ = Drag::None;
      return 0;
    case WM_MOUSEWHEEL:
      scroll_to(scroll_x_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * at(kColumnWidth));
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && on_set_cursor()) return TRUE;
      break;
    case WM_SHOWWINDOW:
      // Cells changed while it was closed are drawn afresh.
      if (wp != FALSE) InvalidateRect(hwnd_, nullptr, FALSE);
      break;
    case WM_CLOSE:
      close();
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
