#include "win32/app/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "engine/key_table.h"
#include "face/face_layout.h"
#include "face/key_events.h"
#include "platform/wide.h"
#include "settings/settings_location.h"
#include "win32/chrome/face_tooltips.h"
#include "win32/chrome/menu_ids.h"
#include "win32/chrome/menus.h"
#include "win32/system/controls.h"
#include "win32/system/geometry.h"
#include "win32/system/settings_folder.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Tcomputer_qel";
constexpr wchar_t kCaption[] = L"Orvanta";
constexpr UINT kTipDelayMs = 10000;

constexpr RECT kLcdRect = to_rect(face::kLcdArea);
constexpr RECT kStripRect = to_rect(face::kStrip);
constexpr COLORREF kLcdColour = to_colorref(face::kLcdColour);

}  // namespace

Tcomputer_qel::Tcomputer_qel(HINSTANCE instance)
    : instance_(instance),
      sound_(instance),
      file_system_(make_native_file_system()),
      ports_(*this, &hwnd_, pump_) {}

Tcomputer_qel::~Tcomputer_qel() = default;

bool Tcomputer_qel::create() {
  help_.create(instance_);
  icon_.reset(static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, 32, 32, 0)));
  small_icon_.reset(static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, 16, 16, 0)));
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &BaseWindow::window_proc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = icon_.get();
  wc.hIconSm = small_icon_.get();
  wc.lpszClassName = kClassName;
  if (!check(RegisterClassExW(&wc) != 0, L"RegisterClassExW")) return false;

  // A tool window has no taskbar button; the calculator lives in the notification area.
  const HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, kCaption,
                                    WS_POPUP | WS_CLIPCHILDREN, kLeft, kTop, kClientWidth,
                                    kClientHeight, nullptr, nullptr, instance_, this);
  return check(hwnd != nullptr, L"CreateWindowExW");
}

void Tcomputer_qel::show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  if (!shown_once_) form_show();
}

// ---- start-up ----------------------------------------------------------------------------

void Tcomputer_qel::form_create() {
  // The face pictures and their unrecoloured copies.
  normal_face_ = load_bitmap_resource(instance_, L"Image2");
  hover_face_ = load_bitmap_resource(instance_, L"Image3");
  pressed_face_ = load_bitmap_resource(instance_, L"Image4");
  mask_ = load_bitmap_resource(instance_, L"Image1");
  normal_original_ = normal_face_;
  hover_original_ = hover_face_;
  pressed_original_ = pressed_face_;

  // Tray icon.
  tray_.add(hwnd_, small_icon_ ? small_icon_.get() : icon_.get());

  // The settings file and the calculator core.
  open_settings();
  const SettingsFile::StartUp starting(*settings_);
  calculator_ = std::make_unique<Calculator>(ports_.ports());

  // Child controls: the formula bar, the invisible focus holder and the panels.
  ports_.formula_bar.create(
      hwnd_, face::kFormulaBar,
      {[this] { return calculator_->formula_bar_key(); },
       [this](std::string_view text) { calculator_->formula_bar_changed(text); }});
  // Edit3 holds the focus out of sight, so the keyboard keys reach the key preview.
  edit3_ = check_handle(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, -200, -200, 20, 20,
                                        hwnd_, nullptr, instance_, nullptr),
                        L"CreateWindowExW (focus holder)");
  settings_panel_.create(hwnd_);
  tax_form_ = std::make_unique<IncomeTaxForm>(*calculator_);
  tax_panel_ = std::make_unique<TaxPanel>(panels_, *tax_form_);
  tax_panel_->create(hwnd_);
  constants_grid_.create(hwnd_);
  // TForm2 is created with the main window; the first showing leaves it closed.
  if (converter_window_.create(hwnd_)) mover_.set_converter(converter_window_.hwnd());
  skin_panel_.create(hwnd_);
  tip_panel_.create(hwnd_);
  alarm_panel_.create(hwnd_);
  key_panel_.create(hwnd_);
  formula_panel_.create(hwnd_);
  big_number_panel_.create(hwnd_);
  // A first start shows the tip ten seconds later.
  tip_timer_ = timers_.add([this] {
    timers_.stop(tip_timer_);
    tip_panel_.show();
  });
  if (first_start_) timers_.start(tip_timer_, kTipDelayMs);

  keys_.create({&normal_face_, &hover_face_, &pressed_face_});
  tooltip_ = create_face_tooltips(hwnd_);
  register_commands();

  // The stored options: the core takes them, then the window and the settings panel.
  const Options& options = calculator_->start({first_start_, settings_dir_ok_});
  for (const SettingInfo& info : kStartupSettings) {
    if (info.owner == OptionOwner::Window) apply_window_option(info.id, true);
  }
  settings_panel_.apply(options, false);
  tax_panel_->load_from_form();
  exchange_options_changed();
  build_menus();

  // The alarms, the key table and its hotkey.
  create_alarms();

  // The outline.
  shape();

  // Compose the face.
  canvas_ = Dib(kClientWidth, kClientHeight);
  canvas_.fill(kLcdColour);
  canvas_.copy_from(normal_face_.view(), 0, 0, normal_face_.width(), normal_face_.height());
  // The base selector at the decimal position.
  show_base_strip(NumberBase::Dec);
  lcd_.create(instance_);
}

void Tcomputer_qel::open_settings() {
  const std::string dir = find_settings_dir(hwnd_);
  settings_dir_ok_ = prepare_settings_dir(*file_system_, ports_.boxes, dir);
  settings_ = std::make_unique<SettingsFile>(*file_system_, ports_.boxes, settings_file(dir));
  settings_->set_warn_on_write_failure(true);
  first_start_ = !settings_->exists();
  ports_.settings = settings_.get();
}

// The window's own options take effect, at start-up and whenever one changes.
void Tcomputer_qel::apply_window_option(SettingId id, bool starting) {
  const Options& o = calculator_->options();
  switch (id) {
    case SettingId::DeviceWindowsTop:
      set_top_most(o.stay_on_top);
      if (!starting) shape();
      break;
    case SettingId::DeviceInputShow:
      ports_.formula_bar.show(o.formula_bar_shown);
      break;
    case SettingId::ColorSkin:
      // The slider takes the stored shift; a shift other than 0 recolours the face before it
      // is first shown.
      if (!starting) break;  // the slider changed it and has recoloured the face already
      skin_panel_.set_shift(o.skin_shift);
      if (o.skin_shift != 0) recolour_face(o.skin_shift);
      break;
    default:
      break;  // "关闭提示" is read when closing
  }
}

void Tcomputer_qel::set_top_most(bool on) {
  check(SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE,
        L"SetWindowPos");
}

// A control of the settings panel changed: the core stores it and acts on its own options,
// the window on its own.
void Tcomputer_qel::setting_changed(SettingId id, const Options& now) {
  calculator_->change_option(id, option_value(now, id));
  apply_window_option(id, false);
  exchange_options_changed();
}

void Tcomputer_qel::form_show() {
  shown_once_ = true;
  close_converter();
  calculator_->first_show();
  panels_.set_key_preview(true);
  SetFocus(edit3_);
}

// ---- hide, restore, close --------------------------------------------------------------

void Tcomputer_qel::hide_to_tray() {
  close_converter();
  ShowWindow(hwnd_, SW_HIDE);
  window_hidden_ = true;
}

void Tcomputer_qel::restore_from_tray() {
  window_hidden_ = false;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (calculator_->options().stay_on_top) {
    check(SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW) !=
              FALSE,
          L"SetWindowPos");
  }
}

void Tcomputer_qel::close_request() {
  if (calculator_->options().close_prompt) {
    if (!ports_.boxes.ask_yes_no("提示", "确认关闭语音计算器吗？")) return;
  }
  DestroyWindow(hwnd_);
}

void Tcomputer_qel::form_destroy() {
  if (hotkey_id_ != 0 && !UnregisterHotKey(hwnd_, hotkey_id_)) MessageBeep(MB_OK);
  if (!tray_.remove()) MessageBeep(MB_OK);
  timers_.stop_all();
  sound_.stop();
}

// ---- drawing -----------------------------------------------------------------------------

void Tcomputer_qel::invalidate(const RECT& r) {
  InvalidateRect(hwnd_, &r, FALSE);
}

void Tcomputer_qel::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  const RECT& r = ps.rcPaint;
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas_.dc(), r.left, r.top,
         SRCCOPY);
  EndPaint(hwnd_, &ps);
}

void Tcomputer_qel::draw_lcd(const LcdFrame& frame) {
  if (!lcd_.ready()) return;
  // A new display takes the focus back from the formula bar, so the keyboard keys work again;
  // not while a panel with text fields is open, whose typing must stay there.
  if (panels_.key_preview() && IsWindowVisible(hwnd_) && GetFocus() != edit3_) SetFocus(edit3_);
  lcd_.draw(frame);
  invalidate(kLcdRect);
}

void Tcomputer_qel::show_base_strip(NumberBase base) {
  const int index = static_cast<int>(base == NumberBase::Hex   ? face::StripBase::kHex
                                     : base == NumberBase::Dec ? face::StripBase::kDec
                                     : base == NumberBase::Oct ? face::StripBase::kOct
                                                               : face::StripBase::kBin);
  canvas_.copy_from(hover_face_.view(), face::kStripLookX[index], face::kStripLookY,
                    face::kStrip.width, face::kStrip.height, face::kStrip.left, face::kStrip.top);
  invalidate(kStripRect);
}

// ---- keys and mouse ----------------------------------------------------------------------

void Tcomputer_qel::on_mouse_move(POINT p) {
  if (mover_.move(hwnd_, p)) return;
  if (!tracking_leave_) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
    tracking_leave_ = TrackMouseEvent(&tme) != FALSE;
  }
  keys_.mouse_move(p);
}

void Tcomputer_qel::on_mouse_leave() {
  tracking_leave_ = false;
  keys_.mouse_leave();
}

void Tcomputer_qel::start_drag(POINT client_point) {
  // The LCD and the face pictures drag alike but dock with their own constants.
  const bool on_lcd = PtInRect(&kLcdRect, client_point) != FALSE;
  mover_.press(client_point, on_lcd ? DragSource::kLcd : DragSource::kFace,
               on_lcd ? POINT{kLcdRect.left, kLcdRect.top} : POINT{0, 0});
  SetCapture(hwnd_);
}

void Tcomputer_qel::run_key(const std::string& name, MouseButton button) {
  if (const KeyHandler handler = find_key_handler(name)) {
    (calculator_.get()->*handler)(button);
    return;
  }
  commands_.run_key(name, button);
}

void Tcomputer_qel::on_button_down(POINT p, MouseButton button, bool double_click) {
  if (keys_.button_down(p, button)) return;
  // A press on the face or the LCD closes the settings panel and takes the focus away from
  // any text field.
  settings_panel_.hide();
  SetFocus(edit3_);
  if (PtInRect(&kStripRect, p)) {
    if (button == MouseButton::Left) calculator_->Image5(button, p.y - kStripRect.top);
    return;
  }
  const RECT hand = grab_hand_rect();
  if (button == MouseButton::Left && PtInRect(&hand, p)) {
    if (!double_click) grab_from_below();  // a quick second click neither grabs nor shrinks
    return;
  }
  if (PtInRect(&kLcdRect, p)) {
    if (double_click && button == MouseButton::Left) {
      toggle_mini_mode();
      return;
    }
    if (button == MouseButton::Right) {
      POINT screen = p;
      ClientToScreen(hwnd_, &screen);
      menus_.popup_lcd(hwnd_, screen, mover_.mini_mode());
      return;
    }
  }
  if (button == MouseButton::Left) start_drag(p);
}

void Tcomputer_qel::on_button_up(POINT p, MouseButton button) {
  if (button == MouseButton::Left && mover_.release()) {
    ReleaseCapture();
    return;
  }
  keys_.button_up(p, button);
}

// ---- tooltips, menus, tray ----------------------------------------------------------------

void Tcomputer_qel::build_menus() {
  menus_.create(instance_, [this](UINT id) { return commands_.has_menu(id); });
  menus_.show_auto_output(calculator_->calc_state().auto_output);
  set_output_form(OutputForm::Figures);
}

void Tcomputer_qel::toggle_auto_output() {
  const bool on = !calculator_->calc_state().auto_output;
  calculator_->auto_output_changed(on);
  menus_.show_auto_output(on);
}

void Tcomputer_qel::set_output_form(OutputForm form) {
  menus_.show_output_form(form, calculator_->calc_state().auto_output);
  calculator_->set_output_form(form);
}

void Tcomputer_qel::show_about() {
  ports_.boxes.show("软件信息",
                    "Orvanta\n\r\n\r版本：V3.11\n\r作者：Brenic\n\r主页：orvanta.example\n\r"
                    "邮箱：support@orvanta.example",
                    BoxIcon::Information, BoxButtons::Ok);
}

void Tcomputer_qel::show_from_tray_menu() {
  window_hidden_ = false;
  ShowWindow(hwnd_, SW_SHOW);
  BringWindowToTop(hwnd_);
}

void Tcomputer_qel::on_tray(LPARAM lp) {
  if (lp == WM_LBUTTONDOWN) {
    restore_from_tray();
  } else if (lp == WM_RBUTTONDOWN) {
    SetForegroundWindow(hwnd_);
    pump_.wait(0);
    POINT cursor;
    GetCursorPos(&cursor);
    menus_.popup_tray(hwnd_, cursor);
  }
}

// ---- messages ----------------------------------------------------------------------------

LRESULT Tcomputer_qel::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT result = 0; ports_.formula_bar.parent_message(msg, wp, lp, result)) return result;
  const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_CREATE:
      form_create();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the frame covers everything: no flicker
    case WM_PAINT:
      paint();
      return 0;
    case WM_MOUSEMOVE:
      on_mouse_move(p);
      return 0;
    case WM_MOUSELEAVE:
      on_mouse_leave();
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
      if (LOWORD(lp) == HTCLIENT) {
        POINT c;
        GetCursorPos(&c);
        ScreenToClient(hwnd_, &c);
        SetCursor(LoadCursorW(nullptr, keys_.key_at(c) >= 0 ? IDC_HAND : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_TIMER:
      if (timers_.run(wp)) return 0;
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->code == TTN_GETDISPINFOW && hdr->idFrom == kLcdToolId) {
        reinterpret_cast<NMTTDISPINFOW*>(lp)->lpszText = lcd_.tooltip();
        return 0;
      }
      break;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == 0 && lp == 0) {
        commands_.run_menu(LOWORD(wp));
        return 0;
      }
      break;
    case TrayIcon::kCallbackMessage:
      on_tray(lp);
      return 0;
    case WM_CLOSE:
      close_request();
      return 0;
    case WM_HOTKEY:
      on_hotkey();
      return 0;
    case kQuitNowMessage:
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      form_destroy();
      PostQuitMessage(0);
      return 0;
  }
  if (msg != 0 && msg == test_clock_message()) {
    // The test goes on at once: what becomes due may open a box of its own.
    ReplyMessage(0);
    timers_.advance(wp);
    return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
