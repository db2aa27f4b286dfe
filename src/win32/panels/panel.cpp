#include "win32/panels/panel.h"

#include "win32/system/win_check.h"

namespace orvanta::win32 {

void PanelHost::panel_shown(const Panel& panel) {
  if (!panel.takes_typing()) return;
  ++typing_panels_;
  typing_panel_ = panel.hwnd();
}

void PanelHost::panel_hidden(const Panel& panel) {
  if (panel.takes_typing() && typing_panels_ > 0) --typing_panels_;
  if (panel.hwnd() == typing_panel_) typing_panel_ = nullptr;
}

Panel::~Panel() {
  if (hwnd_ == nullptr) return;
  // The derived panel is gone already: its handler must not see the last messages.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

bool Panel::create_window(HWND parent) {
  if (!register_window_class(place_.class_name, &BaseWindow::window_proc)) return false;
  const RECT& r = place_.bounds;
  const HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, place_.class_name, place_.caption,
                                    WS_CHILD | WS_CLIPSIBLINGS | place_.extra_style, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, parent, nullptr,
                                    GetModuleHandleW(nullptr), this);
  return check(hwnd != nullptr, L"CreateWindowExW (panel)");
}

void Panel::show() {
  const bool was_visible = visible();
  check(SetWindowPos(hwnd_, HWND_TOP, left(), top(), 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW) != FALSE,
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
