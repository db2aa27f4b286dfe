#include "win32/window/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "face/face_layout.h"
#include "face/window_outline.h"
#include "win32/chrome/face_tooltips.h"
#include "win32/system/controls.h"
#include "win32/system/dpi.h"
#include "win32/system/geometry.h"
#include "win32/system/win_check.h"
#include "win32/window/window_shape.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tcomputer_qel";
constexpr wchar_t kCaption[] = L"Orvanta";

AccessibleFace* from_face(HWND face) {
  return Tcomputer_qel::from_hwnd(face);
}

}  // namespace

Tcomputer_qel::Tcomputer_qel(HINSTANCE instance, WindowHost& host, ProgramClock& clock)
    : instance_(instance),
      host_(host),
      timers_(&hwnd_, clock),
      keys_(&hwnd_, canvas_.dib(), timers_,
            [this](const std::string& name, MouseButton b) { host_.run_key(name, b); }) {}

bool Tcomputer_qel::create(HICON icon, HICON small_icon) {
  if (!register_window_class(kClassName, &BaseWindow::window_proc, nullptr, icon, CS_DBLCLKS,
                             IDC_ARROW, small_icon)) {
    return false;
  }
  // A tool window has no taskbar button; the calculator lives in the notification area. Made at
  // the system's scale; WM_CREATE corrects it to the scale of the monitor it lands on.
  const face::DisplayScale at(window_dpi(nullptr));
  const HWND hwnd = CreateWindowExW(
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, kCaption, WS_POPUP | WS_CLIPCHILDREN, at(kLeft),
      at(kTop), at.client_width(), at.client_height(), nullptr, nullptr, instance_, this);
  return check(hwnd != nullptr, L"CreateWindowExW");
}

void Tcomputer_qel::on_create() {
  apply_scale(window_dpi(hwnd_));
  if (const face::DisplayScale& s = scale(); s.dpi() != window_dpi(nullptr)) {
    check(SetWindowPos(hwnd_, nullptr, 0, 0, s.client_width(), s.client_height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
          L"SetWindowPos (scale)");
  }
  // Out of sight, it holds the focus so that the keyboard keys reach the key preview.
  focus_home_ = check_handle(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, -200, -200, 20,
                                             20, hwnd_, nullptr, instance_, nullptr),
                             L"CreateWindowExW (focus holder)");
}

void Tcomputer_qel::apply_scale(int dpi) {
  ScaledPictures pictures(instance_, face::DisplayScale(dpi));
  canvas_.create(pictures);
  lcd_.create(pictures);
  keys_.create(canvas_.pictures(), scale());
  keys_.paint_all();
  focus_.set_scale(scale());
  mover_.set_dpi(dpi);
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  tooltip_ = create_face_tooltips(hwnd_, scale());
}

void Tcomputer_qel::on_dpi_changed(int dpi, const RECT& suggested) {
  if (dpi == scale().dpi()) return;
  apply_scale(dpi);
  // The suggested place keeps the window under the mouse; the size is the face's own.
  check(SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, scale().client_width(),
                     scale().client_height(), SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
        L"SetWindowPos (new scale)");
  host_.scale_changed(scale());
  shape();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Tcomputer_qel::shape() {
  const std::vector<Rect> runs = mover_.mini_mode() ? std::vector<Rect>{mini_outline(scale().dpi())}
                                                    : mask_runs(canvas_.mask().view());
  set_outline(hwnd_, region_from_rects(runs), false);
  host_.outline_changed();
}

void Tcomputer_qel::toggle_mini_mode() {
  if (!mover_.mini_mode()) {
    mover_.enter_mini();
    set_outline(hwnd_, region_from_rects({mini_outline(scale().dpi())}), true);
    host_.mini_mode_changed(true);
    return;
  }
  mover_.leave_mini(hwnd_);
  shape();
  // Hidden and shown again: the whole face appears at once in its restored outline.
  ShowWindow(hwnd_, SW_HIDE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  host_.mini_mode_changed(false);
}

void Tcomputer_qel::press(int key) {
  keys_.show_click(face::kFaceKeys[static_cast<size_t>(key)].name);
}

int Tcomputer_qel::recolour(int shift) {
  const int applied = canvas_.recolour(shift);
  canvas_.compose_around_lcd();
  keys_.paint_all();
  InvalidateRect(hwnd_, nullptr, FALSE);
  return applied;
}

void Tcomputer_qel::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  const RECT& r = ps.rcPaint;
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas_.dib().dc(), r.left, r.top,
         SRCCOPY);
  focus_.draw(dc);
  EndPaint(hwnd_, &ps);
}

void Tcomputer_qel::on_mouse_move(POINT p) {
  if (const std::optional<POINT> offset = mover_.move(hwnd_, p)) {
    if (offset->x != 0 || offset->y != 0) host_.dragged(*offset);
    return;
  }
  if (!tracking_leave_) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
    tracking_leave_ = TrackMouseEvent(&tme) != FALSE;
  }
  keys_.mouse_move(p);
}

void Tcomputer_qel::on_button_down(POINT p, MouseButton button, bool double_click) {
  focus_.hide();  // the mouse took over from the keyboard
  if (keys_.button_down(p, button)) return;
  // A press on the face or the LCD takes the focus away from any text field.
  host_.face_pressed();
  SetFocus(focus_home_);
  const RECT strip = to_rect(scale().strip());
  if (PtInRect(&strip, p)) {
    // The strip's bands are kept at 100 %.
    if (button == MouseButton::Left) {
      host_.strip_pressed((p.y - strip.top) * face::kBaseDpi / scale().dpi());
    }
    return;
  }
  const RECT hand = indicator_rect("input_hand", scale());
  if (button == MouseButton::Left && PtInRect(&hand, p)) {
    if (!double_click) host_.hand_clicked();  // a quick second click neither grabs nor shrinks
    return;
  }
  const RECT lcd = to_rect(scale().lcd_area());
  const bool on_lcd = PtInRect(&lcd, p) != FALSE;
  if (on_lcd && double_click && button == MouseButton::Left) {
    toggle_mini_mode();
    return;
  }
  if (on_lcd && button == MouseButton::Right) {
    POINT screen = p;
    ClientToScreen(hwnd_, &screen);
    host_.lcd_menu(screen);
    return;
  }
  if (button != MouseButton::Left) return;
  // The LCD and the face pictures drag alike but dock with their own constants.
  mover_.press(p, on_lcd ? DragSource::kLcd : DragSource::kFace,
               on_lcd ? POINT{lcd.left, lcd.top} : POINT{0, 0});
  SetCapture(hwnd_);
}

void Tcomputer_qel::on_button_up(POINT p, MouseButton button) {
  if (button == MouseButton::Left && mover_.release()) {
    ReleaseCapture();
    return;
  }
  keys_.button_up(p, button);
}

LRESULT Tcomputer_qel::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_CREATE:
      on_create();
      return 0;
    case WM_DPICHANGED:
      on_dpi_changed(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the canvas covers everything: no flicker
    case WM_PAINT:
      paint();
      return 0;
    case WM_MOUSEMOVE:
      on_mouse_move(p);
      return 0;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      keys_.mouse_leave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      on_button_down(p, MouseButton::Left, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      on_button_down(p, MouseButton::Right, false);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      on_button_down(p, MouseButton::Middle, false);
      return 0;
    case WM_LBUTTONUP:
      on_button_up(p, MouseButton::Left);
      return 0;
    case WM_RBUTTONUP:
      on_button_up(p, MouseButton::Right);
      return 0;
    case WM_MBUTTONUP:
      on_button_up(p, MouseButton::Middle);
      return 0;
    case WM_CAPTURECHANGED:
      mover_.release();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) != HTCLIENT) break;
      {
        POINT c;
        GetCursorPos(&c);
        ScreenToClient(hwnd_, &c);
        SetCursor(LoadCursorW(nullptr, keys_.key_at(c) >= 0 ? IDC_HAND : IDC_ARROW));
      }
      return TRUE;
    case WM_TIMER:
      if (timers_.run(wp)) return 0;
      break;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lp) == OBJID_CLIENT) {
        if (const LRESULT answer = answer_face_accessibility(hwnd_, wp, &from_face)) return answer;
      }
      break;
    case WM_NOTIFY:
      if (auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lp);
          tip->hdr.code == TTN_GETDISPINFOW && tip->hdr.idFrom == kLcdToolId) {
        tip->lpszText = lcd_.tooltip();
        return 0;
      }
      break;
  }
  if (LRESULT result = 0; host_.message(msg, wp, lp, result)) return result;
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
