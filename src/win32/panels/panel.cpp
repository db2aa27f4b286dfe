#include "win32/panels/panel.h"

#include <algorithm>
#include <cstdlib>

#include "win32/system/controls.h"
#include "win32/system/geometry.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

// A length at `from` back at 100 %: exact for every length scaled up from 100 %, since scaling
// up never maps two lengths to one.
int unscale(int length, int from_dpi) {
  const int magnitude = (std::abs(length) * face::kBaseDpi + from_dpi / 2) / from_dpi;
  return length < 0 ? -magnitude : magnitude;
}

RECT unscaled(const RECT& r, int from_dpi) {
  return {unscale(r.left, from_dpi), unscale(r.top, from_dpi), unscale(r.right, from_dpi),
          unscale(r.bottom, from_dpi)};
}

}  // namespace

void PanelHost::set_scale(const face::DisplayScale& scale) {
  if (scale == scale_) return;
  scale_ = scale;
  for (Panel* panel : made_) panel->rescale(scale);
}

void PanelHost::panel_shown(const Panel& panel) {
  if (!panel.takes_typing()) return;
  ++typing_panels_;
  typing_panel_ = panel.hwnd();
}

void PanelHost::panel_hidden(const Panel& panel) {
  if (panel.takes_typing() && typing_panels_ > 0) --typing_panels_;
  if (panel.hwnd() == typing_panel_) typing_panel_ = nullptr;
}

Panel::Panel(PanelHost& host, const PanelPlace& place)
    : host_(host), place_(place), look_(place.colour), scale_(host.scale()) {
  host_.made_.push_back(this);
}

Panel::~Panel() {
  std::erase(host_.made_, this);
  if (hwnd_ == nullptr) return;
  // The derived panel is gone already: its handler must not see the last messages.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

bool Panel::create_window(HWND parent) {
  if (!register_window_class(place_.class_name, &BaseWindow::window_proc)) return false;
  const RECT r = bounds();
  const HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, place_.class_name, place_.caption,
                                    WS_CHILD | WS_CLIPSIBLINGS | place_.extra_style, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, parent, nullptr,
                                    GetModuleHandleW(nullptr), this);
  return check(hwnd != nullptr, L"CreateWindowExW (panel)");
}

void Panel::show() {
  const bool was_visible = visible();
  const RECT r = bounds();
  check(SetWindowPos(hwnd_, HWND_TOP, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW) != FALSE,
        L"SetWindowPos (panel)");
  if (!was_visible && visible()) host_.panel_shown(*this);
}

void Panel::hide() {
  if (!visible()) return;
  on_hide();
  // A hidden control keeping the focus would swallow the keyboard (its button even answers
  // Space): the calculator takes the focus back, so its keys work again at once.
  const HWND focus = GetFocus();
  if (focus == hwnd_ || IsChild(hwnd_, focus)) SetFocus(GetParent(hwnd_));
  ShowWindow(hwnd_, SW_HIDE);
  host_.panel_hidden(*this);
}

void Panel::set_colour(COLORREF colour) {
  place_.colour = colour;
  look_ = PanelLook(colour);
  if (hwnd_ != nullptr) {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

RECT Panel::bounds() const {
  return scaled(scale_, place_.bounds);
}

RECT Panel::at(const RECT& r) const {
  const int x = place_.bounds.left;
  const int y = place_.bounds.top;
  return {at(x + r.left) - at(x), at(y + r.top) - at(y), at(x + r.right) - at(x),
          at(y + r.bottom) - at(y)};
}

HFONT Panel::font(int pixel_height, int weight) const {
  for (const MadeFont& f : fonts_) {
    if (f.pixel_height == pixel_height && f.weight == weight) return f.font.get();
  }
  fonts_.push_back({pixel_height, weight, make_song_font(at(pixel_height), weight)});
  return fonts_.back().font.get();
}

void Panel::rescale(const face::DisplayScale& scale) {
  if (scale == scale_) return;
  const int from = scale_.dpi();
  // Where the panel's place is on the face at the old scale (it may have been dragged away).
  const RECT old_place = bounds();
  scale_ = scale;
  // The old fonts stay until every control has its new one.
  std::vector<MadeFont> old = std::move(fonts_);
  fonts_.clear();
  if (hwnd_ != nullptr) {
    const RECT r = bounds();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      RECT c;
      GetWindowRect(child, &c);
      // A drop-down list's height is its box with the list open.
      wchar_t kind[16] = {};
      GetClassNameW(child, kind, 16);
      if (lstrcmpiW(kind, L"ComboBox") == 0) {
        RECT open{};
        SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&open));
        c.bottom = c.top + (open.bottom - open.top);
      }
      // In face coordinates with the panel at its place, where the layout is scaled, and back.
      MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&c), 2);
      OffsetRect(&c, old_place.left, old_place.top);
      c = unscaled(c, from);
      OffsetRect(&c, -place_.bounds.left, -place_.bounds.top);
      c = at(c);
      SetWindowPos(child, nullptr, c.left, c.top, c.right - c.left, c.bottom - c.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      const auto shown = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
      for (const MadeFont& f : old) {
        if (f.font.get() == shown) {
          SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(f.pixel_height, f.weight)),
                       TRUE);
        }
      }
    }
  }
  on_rescale();
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Panel::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT result = 0; look_.handle(hwnd_, msg, wp, result)) return result;
  return on_message(msg, wp, lp);
}

bool PanelHost::tab(HWND face, const MSG& msg) const {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  const bool back = GetKeyState(VK_SHIFT) < 0;
  HWND panel = msg.hwnd;
  while (panel != nullptr && GetParent(panel) != face) panel = GetParent(panel);
  HWND from = msg.hwnd == panel ? nullptr : msg.hwnd;
  HWND next =
      panel != nullptr && IsWindowVisible(panel) ? GetNextDlgTabItem(panel, from, back) : nullptr;
  if (next == nullptr && typing_panel_ != nullptr && IsWindowVisible(typing_panel_)) {
    from = nullptr;
    next = GetNextDlgTabItem(typing_panel_, nullptr, back);
  }
  if (next == nullptr) return false;
  if (next == from) return true;
  SetFocus(next);
  if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
  return true;
}

}  // namespace orvanta::win32
