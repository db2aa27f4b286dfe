#include "win32/panels/long_field.h"

#include <imm.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "face/line_view.h"
#include "platform/handles_win32.h"
#include "win32/panels/long_field_accessible.h"
#include "win32/system/base_window.h"
#include "win32/system/clipboard_text.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaLongField";
constexpr int kMargin = 2;  // pixels between the border and the text, as an edit keeps
// While a drag selection is held past an edge, the view scrolls on by itself; the further out
// the mouse, the faster.
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollEveryMs = 50;
constexpr UINT kMenuUndo = 1;
constexpr UINT kMenuCut = 2;
constexpr UINT kMenuCopy = 3;
constexpr UINT kMenuPaste = 4;
constexpr UINT kMenuDelete = 5;
constexpr UINT kMenuSelectAll = 6;

bool key_down(int vk) {
  return (GetKeyState(vk) & 0x8000) != 0;
}

// The clipboard's text up to its first line break, as a one-line edit pastes it.
std::wstring clipboard_line(HWND owner) {
  std::wstring text = read_clipboard_wide(owner, SIZE_MAX).value_or(std::wstring());
  text.resize(std::min(text.find_first_of(L"\r\n"), text.size()));
  return text;
}

// Made on the heap by create_long_field and gone with its window, as a Windows control is.
class LongField : public BaseWindow<LongField> {
 public:
  explicit LongField(std::function<void()> on_enter) : on_enter_(std::move(on_enter)) {}

  static HWND create(HWND parent, RECT bounds, int id, DWORD style, std::function<void()> on_enter);

 private:
  friend class BaseWindow<LongField>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) { return on_message(msg, wp, lp); }
  void window_gone() { delete this; }
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp);

  bool read_only() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }
  std::wstring_view selected() const {
    const auto [low, high] = view_.selection();
    return std::wstring_view(text_).substr(low, high - low);
  }

  // A new text, every character measured once, with the caret at `caret`.
  void set_text(std::wstring text, size_t caret);
  // The selection replaced by `with`; `typing` joins a run of typed characters into one undo.
  void replace_selection(std::wstring_view with, bool typing = false);
  void remember_for_undo(bool typing);
  void undo();
  void copy() const;
  void paste();

  HGDIOBJ shown_font() const { return font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT); }
  int width_of(HDC dc, wchar_t c);
  void measure_font();
  void changed();  // after the text changed: caret, paint and EN_CHANGE
  void moved();    // after the caret or selection moved
  void place_caret() const;
  void place_composition() const;
  void notify(WORD code) const;
  int text_top() const;

  void paint_window();
  void paint(HDC dc) const;
  void key(WPARAM vk);
  void character(wchar_t c);
  void mouse(int x, bool extend);
  void scroll_on();
  void context_menu(LPARAM lp);

  std::function<void()> on_enter_;
  HFONT font_ = nullptr;
  int line_height_ = 16;
  // Each UTF-16 unit's width in the font, 0 until measured.
  std::vector<std::uint16_t> widths_ = std::vector<std::uint16_t>(0x10000);
  std::wstring text_;
  LineView view_;
  // One level of undo, as an edit control has: the text and selection before the last change.
  std::wstring undo_text_;
  std::pair<size_t, size_t> undo_selection_{};
  bool can_undo_ = false;
  bool typing_ = false;  // the last change was a typed character
  bool selecting_ = false;
  int mouse_x_ = 0;  // where the drag selection's mouse last was
  // The picture a paint draws into, of the client's size (the bitmap goes after the DC).
  UniqueBitmap off_bitmap_;
  UniqueMemoryDc off_dc_;
  SIZE off_size_{};
};

void LongField::measure_font() {
  std::fill(widths_.begin(), widths_.end(), 0);
  const HDC dc = GetDC(hwnd_);
  TEXTMETRICW tm{};
  {
    ScopedSelect font(dc, shown_font());
    GetTextMetricsW(dc, &tm);
  }
  ReleaseDC(hwnd_, dc);
  line_height_ = tm.tmHeight;
}

int LongField::width_of(HDC dc, wchar_t c) {
  std::uint16_t& width = widths_[c];
  if (width == 0) {
    SIZE size{};
    GetTextExtentPoint32W(dc, &c, 1, &size);
    width = static_cast<std::uint16_t>(std::clamp<LONG>(size.cx, 1, 0xFFFF));
  }
  return width;
}

void LongField::set_text(std::wstring text, size_t caret) {
  text_ = std::move(text);
  std::vector<int> widths(text_.size());
  // A device context only when a character is new to the field (the formula bar's digits are
  // measured once, and it takes a new text on every key press).
  const bool all_known =
      std::all_of(text_.begin(), text_.end(), [this](wchar_t c) { return widths_[c] != 0; });
  if (all_known) {
    for (size_t i = 0; i < text_.size(); ++i) widths[i] = widths_[text_[i]];
  } else {
    const HDC dc = GetDC(hwnd_);
    {
      ScopedSelect font(dc, shown_font());
      for (size_t i = 0; i < text_.size(); ++i) widths[i] = width_of(dc, text_[i]);
    }
    ReleaseDC(hwnd_, dc);
  }
  view_.set_widths(widths);
  RECT client;
  GetClientRect(hwnd_, &client);
  view_.set_view_width(client.right - 2 * kMargin);
  view_.put_caret(caret, false);
}

void LongField::remember_for_undo(bool typing) {
  if (!(typing && typing_)) {
    undo_text_ = text_;
    undo_selection_ = view_.selection();
    can_undo_ = true;
  }
  typing_ = typing;
}

void LongField::replace_selection(std::wstring_view with, bool typing) {
  const auto [low, high] = view_.selection();
  if (with.empty() && low == high) return;
  remember_for_undo(typing);
  std::wstring text;
  text.reserve(text_.size() - (high - low) + with.size());
  text.append(text_, 0, low).append(with).append(text_, high);
  set_text(std::move(text), low + with.size());
  changed();
}

void LongField::undo() {
  if (!can_undo_) return;
  std::wstring before = std::move(undo_text_);
  const auto [low, high] = undo_selection_;
  undo_text_ = text_;
  undo_selection_ = view_.selection();
  typing_ = false;
  set_text(std::move(before), low);
  view_.put_caret(high, true);
  changed();
}

void LongField::copy() const {
  if (!selected().empty()) put_clipboard_text(hwnd_, selected());
}

void LongField::paste() {
  if (read_only()) return;
  const std::wstring line = clipboard_line(hwnd_);
  if (!line.empty()) replace_selection(line);
}

void LongField::changed() {
  InvalidateRect(hwnd_, nullptr, FALSE);
  place_caret();
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
  notify(EN_CHANGE);
}

void LongField::moved() {
  typing_ = false;
  InvalidateRect(hwnd_, nullptr, FALSE);
  place_caret();
}

int LongField::text_top() const {
  RECT client;
  GetClientRect(hwnd_, &client);
  return std::max<int>((client.bottom - line_height_) / 2, 0);
}

void LongField::place_caret() const {
  if (GetFocus() != hwnd_) return;
  SetCaretPos(kMargin + static_cast<int>(view_.view_x(view_.caret())), text_top());
}

// An input method (Chinese annotations in a formula) composes at the caret, in the field's font.
void LongField::place_composition() const {
  const HIMC context = ImmGetContext(hwnd_);
  if (context == nullptr) return;
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos = {kMargin + static_cast<int>(view_.view_x(view_.caret())), text_top()};
  ImmSetCompositionWindow(context, &form);
  LOGFONTW font{};
  if (font_ != nullptr && GetObjectW(font_, sizeof font, &font) != 0) {
    ImmSetCompositionFontW(context, &font);
  }
  ImmReleaseContext(hwnd_, context);
}

void LongField::notify(WORD code) const {
  SendMessageW(GetParent(hwnd_), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd_)), code),
               reinterpret_cast<LPARAM>(hwnd_));
}

// The text and its selection laid over the background off screen, in a picture kept from one
// paint to the next: the formula bar paints on every key press, and making the picture and its
// device context anew cost more than drawing the line.
void LongField::paint_window() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  const SIZE size{client.right, client.bottom};
  if (!off_dc_) off_dc_.reset(CreateCompatibleDC(dc));
  if (off_dc_ && size.cx > 0 && size.cy > 0 &&
      (off_size_.cx != size.cx || off_size_.cy != size.cy)) {
    if (UniqueBitmap bitmap(CreateCompatibleBitmap(dc, size.cx, size.cy)); bitmap) {
      SelectObject(off_dc_.get(), bitmap.get());  // the former one is out of the DC
      off_bitmap_ = std::move(bitmap);
      off_size_ = size;
    }
  }
  if (off_bitmap_ && off_size_.cx == size.cx && off_size_.cy == size.cy) {
    paint(off_dc_.get());
    const RECT& r = ps.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, off_dc_.get(), r.left, r.top,
           SRCCOPY);
  }
  EndPaint(hwnd_, &ps);
}

void LongField::paint(HDC dc) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  ScopedSelect font(dc, shown_font());
  const bool grey = read_only() || !IsWindowEnabled(hwnd_);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(hwnd_), grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                   reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
  if (brush == nullptr) brush = GetSysColorBrush(grey ? COLOR_3DFACE : COLOR_WINDOW);
  FillRect(dc, &client, brush);
  if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));

  const auto [first, last] = view_.visible();
  auto [low, high] = view_.selection();
  if (GetFocus() != hwnd_) low = high = 0;  // an edit hides its selection without the focus
  const int top = text_top();
  const RECT clip{kMargin, 0, client.right - kMargin, client.bottom};
  std::vector<int> dx;
  // The visible characters in up to three runs: before, in and after the selection.
  const size_t cuts[] = {first, std::clamp(low, first, last), std::clamp(high, first, last), last};
  for (int run = 0; run < 3; ++run) {
    const size_t from = cuts[run];
    const size_t to = cuts[run + 1];
    if (from >= to) continue;
    dx.resize(to - from);
    for (size_t i = from; i < to; ++i) {
      dx[i - from] = static_cast<int>(view_.view_x(i + 1) - view_.view_x(i));
    }
    const int x = kMargin + static_cast<int>(view_.view_x(from));
    const bool in_selection = run == 1;
    const COLORREF text_colour = GetTextColor(dc);
    if (in_selection) {
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    }
    RECT box{std::max<int>(x, clip.left), top,
             std::min<int>(kMargin + static_cast<int>(view_.view_x(to)), clip.right),
             top + line_height_};
    SetBkMode(dc, in_selection ? OPAQUE : TRANSPARENT);
    ExtTextOutW(dc, x, top, ETO_CLIPPED | (in_selection ? ETO_OPAQUE : 0), &box, &text_[from],
                static_cast<UINT>(to - from), dx.data());
    SetTextColor(dc, text_colour);
  }
}

void LongField::key(WPARAM vk) {
  const bool shift = key_down(VK_SHIFT);
  const bool control = key_down(VK_CONTROL);
  switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END: {
      // A number is one word: Ctrl with an arrow goes to its end, as Home and End do.
      LineView::Move m = vk == VK_HOME ? LineView::Move::kHome : LineView::Move::kEnd;
      if (vk == VK_LEFT) m = control ? LineView::Move::kHome : LineView::Move::kLeft;
      if (vk == VK_RIGHT) m = control ? LineView::Move::kEnd : LineView::Move::kRight;
      view_.move(m, shift);
      moved();
      return;
    }
    case VK_DELETE:
      if (shift) {
        SendMessageW(hwnd_, WM_CUT, 0, 0);
        return;
      }
      if (read_only()) return;
      if (view_.selection().first == view_.selection().second) {
        view_.move(LineView::Move::kRight, true);
      }
      replace_selection({});
      return;
    case VK_INSERT:
      if (control) SendMessageW(hwnd_, WM_COPY, 0, 0);
      if (shift) SendMessageW(hwnd_, WM_PASTE, 0, 0);
      return;
    case VK_RETURN:
      if (on_enter_) on_enter_();
      return;
  }
  if (!control) return;
  switch (vk) {
    case 'A':
      view_.select_all();
      moved();
      break;
    case 'C':
      SendMessageW(hwnd_, WM_COPY, 0, 0);
      break;
    case 'X':
      SendMessageW(hwnd_, WM_CUT, 0, 0);
      break;
    case 'V':
      SendMessageW(hwnd_, WM_PASTE, 0, 0);
      break;
    case 'Z':
      SendMessageW(hwnd_, WM_UNDO, 0, 0);
      break;
  }
}

void LongField::character(wchar_t c) {
  if (read_only()) return;
  if (c == L'\b') {
    if (view_.selection().first == view_.selection().second) {
      view_.move(LineView::Move::kLeft, true);
    }
    replace_selection({});
    return;
  }
  // Control characters (Ctrl+A's, Enter's, Escape's) are keys, not text.
  if (c < L' ' || c == 0x7F) return;
  replace_selection(std::wstring_view(&c, 1), true);
}

void LongField::mouse(int x, bool extend) {
  mouse_x_ = x - kMargin;
  view_.put_caret(view_.boundary_at(mouse_x_), extend);
  moved();
}

void LongField::scroll_on() {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = client.right - 2 * kMargin;
  const int outside = mouse_x_ < 0 ? -mouse_x_ : mouse_x_ - (width - 1);
  if (!selecting_ || outside <= 0) return;
  for (int step = 0; step < 1 + outside / 4; ++step) {
    view_.put_caret(view_.boundary_at(mouse_x_), true);
  }
  moved();
}

void LongField::context_menu(LPARAM lp) {
  SetFocus(hwnd_);
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the caret
    at = {kMargin + static_cast<int>(view_.view_x(view_.caret())), text_top() + line_height_};
    ClientToScreen(hwnd_, &at);
  }
  const bool writable = !read_only();
  const bool some = !selected().empty();
  const UINT on = MF_STRING;
  const UINT off = MF_STRING | MF_GRAYED;
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, writable && can_undo_ ? on : off, kMenuUndo, L"撤销(&U)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, writable && some ? on : off, kMenuCut, L"剪切(&T)");
  AppendMenuW(menu, some ? on : off, kMenuCopy, L"复制(&C)");
  AppendMenuW(menu, writable && IsClipboardFormatAvailable(CF_UNICODETEXT) ? on : off, kMenuPaste,
              L"粘贴(&P)");
  AppendMenuW(menu, writable && some ? on : off, kMenuDelete, L"删除(&D)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, text_.empty() ? off : on, kMenuSelectAll, L"全选(&A)");
  const UINT picked =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  constexpr UINT kMessages[] = {0, WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR};
  if (picked == kMenuSelectAll) {
    view_.select_all();
    moved();
  } else if (picked > 0 && picked < std::size(kMessages)) {
    SendMessageW(hwnd_, kMessages[picked], 0, 0);
  }
}

LRESULT LongField::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint_window();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SIZE:
      view_.set_view_width(LOWORD(lp) - 2 * kMargin);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wp);
      measure_font();
      set_text(std::move(text_), 0);
      if (LOWORD(lp) != 0) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT:
      set_text(lp == 0 ? std::wstring() : std::wstring(reinterpret_cast<const wchar_t*>(lp)), 0);
      can_undo_ = typing_ = false;
      changed();
      return TRUE;
    case WM_GETTEXT: {
      if (wp == 0) return 0;
      const size_t n = std::min(text_.size(), static_cast<size_t>(wp) - 1);
      auto* out = reinterpret_cast<wchar_t*>(lp);
      std::copy_n(text_.data(), n, out);
      out[n] = L'\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.size());
    case EM_GETSEL: {
      const auto [low, high] = view_.selection();
      if (wp != 0) *reinterpret_cast<DWORD*>(wp) = static_cast<DWORD>(low);
      if (lp != 0) *reinterpret_cast<DWORD*>(lp) = static_cast<DWORD>(high);
      return MAKELRESULT(std::min<size_t>(low, 0xFFFF), std::min<size_t>(high, 0xFFFF));
    }
    case EM_SETSEL: {
      // As an edit: -1 as the start takes the selection away, -1 as the end means the end, and
      // the caret goes to the second position.
      const auto start = static_cast<int>(wp);
      const auto end = static_cast<int>(lp);
      const size_t last = text_.size();
      if (start == -1) {
        view_.put_caret(view_.caret(), false);
      } else {
        view_.put_caret(static_cast<size_t>(start) > last ? last : static_cast<size_t>(start),
                        false);
        view_.put_caret(end < 0 ? last : static_cast<size_t>(end), true);
      }
      moved();
      return 0;
    }
    case EM_REPLACESEL:
      if (lp != 0) replace_selection(reinterpret_cast<const wchar_t*>(lp));
      return 0;
    case EM_SETREADONLY:
      SetWindowLongW(hwnd_, GWL_STYLE,
                     wp != 0 ? GetWindowLongW(hwnd_, GWL_STYLE) | ES_READONLY
                             : GetWindowLongW(hwnd_, GWL_STYLE) & ~ES_READONLY);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return TRUE;
    case EM_SETLIMITTEXT:
      return 0;  // no limit but memory
    case EM_CANUNDO:
      return can_undo_ && !read_only();
    case WM_UNDO:
    case EM_UNDO:
      if (!read_only()) undo();
      return TRUE;
    case WM_COPY:
      copy();
      return 0;
    case WM_CUT:
      if (read_only()) return 0;
      copy();
      replace_selection({});
      return 0;
    case WM_CLEAR:
      if (!read_only()) replace_selection({});
      return 0;
    case WM_PASTE:
      paste();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_HASSETSEL;
    case WM_KEYDOWN:
      key(wp);
      return 0;
    case WM_CHAR:
      character(static_cast<wchar_t>(wp));
      return 0;
    case WM_IME_STARTCOMPOSITION:
      place_composition();
      break;
    case WM_SETFOCUS:
      CreateCaret(hwnd_, nullptr, 1, line_height_);
      place_caret();
      ShowCaret(hwnd_);
      InvalidateRect(hwnd_, nullptr, FALSE);
      notify(EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      InvalidateRect(hwnd_, nullptr, FALSE);
      notify(EN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd_);
      SetCapture(hwnd_);
      selecting_ = true;
      mouse(GET_X_LPARAM(lp), (wp & MK_SHIFT) != 0);
      SetTimer(hwnd_, kScrollTimer, kScrollEveryMs, nullptr);
      return 0;
    case WM_MOUSEMOVE:
      if (selecting_ && GetCapture() == hwnd_) mouse(GET_X_LPARAM(lp), true);
      return 0;
    case WM_TIMER:
      if (wp == kScrollTimer) scroll_on();
      return 0;
    case WM_LBUTTONUP:
      if (selecting_) ReleaseCapture();
      [[fallthrough]];
    case WM_CAPTURECHANGED:
      selecting_ = false;
      KillTimer(hwnd_, kScrollTimer);
      return 0;
    case WM_LBUTTONDBLCLK:
      // A number is one word: a double-click takes it all.
      view_.select_all();
      moved();
      return 0;
    case WM_CONTEXTMENU:
      context_menu(lp);
      return 0;
    case WM_GETOBJECT:
      // Screen readers (this is a talking calculator) see a text field with its value.
      if (static_cast<LONG>(lp) == OBJID_CLIENT) {
        if (const LRESULT answer = answer_accessibility_request(hwnd_, wp); answer > 0) {
          return answer;
        }
      }
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

HWND LongField::create(HWND parent, RECT bounds, int id, DWORD style,
                       std::function<void()> on_enter) {
  if (!register_window_class(kClassName, &BaseWindow::window_proc, nullptr, nullptr, CS_DBLCLKS,
                             IDC_IBEAM)) {
    return nullptr;
  }
  auto* field = new LongField(std::move(on_enter));
  const HWND hwnd = CreateWindowExW(
      0, kClassName, L"", WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
      bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), field);
  // A window that could not be made never saw its last message: the field goes here.
  if (hwnd == nullptr) delete field;
  return hwnd;
}

}  // namespace

HWND create_long_field(HWND parent, RECT bounds, int id, HFONT font, DWORD style,
                       std::function<void()> on_enter) {
  const HWND field = LongField::create(parent, bounds, id, style, std::move(on_enter));
  if (field != nullptr) SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return field;
}

}  // namespace orvanta::win32
