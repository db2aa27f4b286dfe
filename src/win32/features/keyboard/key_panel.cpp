#include "win32/features/keyboard/key_panel.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/wide.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaKeyPanel";
constexpr wchar_t kListClass[] = L"OrvantaKeyList";
constexpr int kOkId = 600;
constexpr int kCancelId = 601;
constexpr int kClearId = 602;
constexpr int kClearAllId = 603;
constexpr int kFieldId = 1000;

constexpr RECT kListRect{10, 44, 450, 420};
constexpr int kRowHeight = 24;
// Two columns and the scroll bar fit the list's 440 pixels; each row reads caption, key field,
// then the three boxes, whose captions take a smaller font so "Shift" is not cut.
constexpr int kColumnWidth = 206;
constexpr int kRowsPerColumn = (kKeyFunctionCount + 1) / 2;
constexpr int kListHeight = kRowsPerColumn * kRowHeight + 4;
constexpr int kWheelStep = kRowHeight * 3;

constexpr const wchar_t* kBoxCaptions[3] = {L"Ctrl", L"Shift", L"Alt"};
constexpr int kFieldX = 50;
constexpr int kFieldWidth = 46;
constexpr int kBoxX[3] = {98, 133, 173};
constexpr int kBoxWidth[3] = {35, 40, 31};

// Modifier keys alone are not bound: Ctrl+F2 typed into a field gives F2, and the boxes set Ctrl.
bool modifier_key(int code) {
  return code == VK_SHIFT || code == VK_CONTROL || code == VK_MENU ||
         (code >= VK_LSHIFT && code <= VK_RMENU);
}

}  // namespace

KeyPanel::KeyPanel(PanelHost& host, std::function<void(bool)> closed)
    : Panel(host, {kClassName, L"自定义键盘", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   GetSysColor(COLOR_BTNFACE), WS_CLIPCHILDREN, false}),
      closed_(std::move(closed)) {}

UINT KeyPanel::list_part_message() {
  static const UINT message = RegisterWindowMessageW(L"OrvantaKeyListPart");
  return message;
}

bool KeyPanel::create(HWND parent) {
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  register_window_class(kListClass, &DefWindowProcW, GetSysColorBrush(COLOR_BTNFACE));
  create_child(hwnd_, L"BUTTON", L"自定义键盘", BS_GROUPBOX, at(RECT{4, 2, kWidth - 4, 426}), -1,
               font);
  for (int column = 0; column < 2; ++column) {
    const int x = kListRect.left + column * kColumnWidth;
    create_child(hwnd_, L"STATIC", L"按键", 0, at(RECT{x + 4, 24, x + 50, 40}), -1, font);
    create_child(hwnd_, L"STATIC", L"自定义", 0, at(RECT{x + kFieldX, 24, x + kBoxX[0], 40}), -1,
                 font);
    create_child(hwnd_, L"STATIC", L"组合键", 0, at(RECT{x + kBoxX[0], 24, x + kColumnWidth, 40}),
                 -1, font);
  }
  const RECT list = at(kListRect);
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, kListClass, L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN | WS_TABSTOP,
                          list.left, list.top, list.right - list.left, list.bottom - list.top,
                          hwnd_, nullptr, instance, nullptr);
  if (!check(list_ != nullptr, L"CreateWindowExW (key list)")) return false;
  subclass_control(
      list_, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) { return list_message(msg, wp, lp); });
  field_ = create_child(list_, L"EDIT", L"", WS_BORDER | ES_READONLY | WS_TABSTOP,
                        at(RECT{0, 0, kFieldWidth, 20}), kFieldId, font);
  if (field_ == nullptr) return false;
  ShowWindow(field_, SW_HIDE);
  subclass_control(
      field_, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) { return field_message(msg, wp, lp); });
  set_scroll_range();
  const struct {
    const wchar_t* caption;
    int id;
    int x;
  } buttons[] = {{L"确 定", kOkId, 40},
                 {L"取 消", kCancelId, 140},
                 {L"清 除", kClearId, 240},
                 {L"全部清除", kClearAllId, 340}};
  for (const auto& b : buttons) {
    create_child(hwnd_, L"BUTTON", b.caption, BS_PUSHBUTTON | WS_TABSTOP,
                 at(RECT{b.x, 432, b.x + 80, 457}), b.id, font);
  }
  return true;
}

void KeyPanel::open() {
  if (editor_ == nullptr) return;
  editor_->open();
  edited_ = -1;
  ShowWindow(field_, SW_HIDE);
  scroll_ = -1;
  scroll_to(0);
  show();
}

// The list is laid out at 100 % and scaled as a whole; it scrolls by pixels at its scale.
RECT KeyPanel::part_rect(int row, Part part) const {
  const int x = (row / kRowsPerColumn) * kColumnWidth;
  const int y = 2 + (row % kRowsPerColumn) * kRowHeight;
  RECT r{};
  switch (part) {
    case Part::Key:
      r = at(RECT{x + kFieldX, y, x + kFieldX + kFieldWidth, y + 20});
      break;
    default: {
      const int b = static_cast<int>(part) - 1;
      r = at(RECT{x + kBoxX[b], y, x + kBoxX[b] + kBoxWidth[b], y + 20});
      break;
    }
  }
  OffsetRect(&r, 0, -scroll_);
  return r;
}

void KeyPanel::set_scroll_range() {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, at(kListHeight) - 1, page_height(), 0, 0};
  SetScrollInfo(list_, SB_VERT, &info, TRUE);
}

UINT KeyPanel::page_height() const {
  return static_cast<UINT>(at(kListRect.bottom - kListRect.top));
}

void KeyPanel::on_rescale() {
  SendMessageW(field_, WM_SETFONT, reinterpret_cast<WPARAM>(font(12)), FALSE);
  set_scroll_range();
  const int row = edited_;
  scroll_ = -1;
  scroll_to(0);
  if (row >= 0) edit_row(row);
}

void KeyPanel::draw(HDC dc, const RECT& area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (editor_ == nullptr) return;
  SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ old_font = SelectObject(dc, font(12));
  for (int r = 0; r < kKeyFunctionCount; ++r) {
    const RECT key = part_rect(r, Part::Key);
    RECT whole{key.left - at(kFieldX), key.top, key.left - at(kFieldX) + at(kColumnWidth),
               key.bottom};
    RECT visible{};
    if (!IntersectRect(&visible, &whole, &area)) continue;
    const KeyEditorRow& model = editor_->row(r);
    SelectObject(dc, font(12));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT caption{whole.left + at(4), whole.top, key.left - at(2), whole.bottom};
    const std::wstring name = to_wide(kKeyFunctions[static_cast<size_t>(r)].caption);
    DrawTextW(dc, name.c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    // The key cell looks like the field that edits it.
    RECT cell = key;
    FillRect(dc, &cell, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, &cell, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&cell, -at(2), 0);
    const std::wstring field = to_wide(model.field);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, field.c_str(), -1, &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, font(11));
    const bool ticks[3] = {model.boxes.ctrl, model.boxes.shift, model.boxes.alt};
    for (int b = 0; b < 3; ++b) {
      const RECT box = part_rect(r, static_cast<Part>(b + 1));
      RECT mark{box.left, box.top + at(4), box.left + at(12), box.top + at(16)};
      DrawFrameControl(dc, &mark, DFC_BUTTON,
                       DFCS_BUTTONCHECK | (ticks[b] ? DFCS_CHECKED : 0) |
                           (model.boxes_enabled ? 0 : DFCS_INACTIVE));
      RECT text{box.left + at(14), box.top, box.right, box.bottom};
      SetTextColor(dc, GetSysColor(model.boxes_enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      DrawTextW(dc, kBoxCaptions[b], -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
  }
  SelectObject(dc, old_font);
}

void KeyPanel::click(POINT p) {
  for (int r = 0; r < kKeyFunctionCount; ++r) {
    const RECT key = part_rect(r, Part::Key);
    if (PtInRect(&key, p)) {
      edit_row(r);
      return;
    }
    for (int b = 0; b < 3; ++b) {
      const RECT box = part_rect(r, static_cast<Part>(b + 1));
      if (!PtInRect(&box, p)) continue;
      const KeyEditorRow& model = editor_->row(r);
      if (!model.boxes_enabled) return;
      const bool ticks[3] = {model.boxes.ctrl, model.boxes.shift, model.boxes.alt};
      editor_->box_changed(r, static_cast<ModifierBox>(b), !ticks[b]);
      refresh();
      return;
    }
  }
}

void KeyPanel::edit_row(int row) {
  edited_ = row;
  scroll_into_view(row);
  const RECT cell = part_rect(row, Part::Key);
  SetWindowPos(field_, HWND_TOP, cell.left, cell.top, cell.right - cell.left,
               cell.bottom - cell.top, SWP_SHOWWINDOW);
  SetWindowTextW(field_, to_wide(editor_->row(row).field).c_str());
  SetFocus(field_);
  editor_->focus(row);
}

void KeyPanel::key_in_field(int code) {
  if (edited_ < 0 || modifier_key(code) || !editor_->key_pressed(edited_, code)) return;
  refresh();
  // The field moves on to the next row.
  edit_row(edited_ + 1 < kKeyFunctionCount ? edited_ + 1 : 0);
}

void KeyPanel::refresh() {
  if (edited_ >= 0) SetWindowTextW(field_, to_wide(editor_->row(edited_).field).c_str());
  InvalidateRect(list_, nullptr, FALSE);
}

void KeyPanel::scroll_to(int position) {
  const int page = static_cast<int>(page_height());
  position = std::clamp(position, 0, std::max(0, at(kListHeight) - page));
  if (position == scroll_) return;
  scroll_ = position;
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, scroll_, 0};
  SetScrollInfo(list_, SB_VERT, &info, TRUE);
  if (edited_ >= 0) {
    const RECT cell = part_rect(edited_, Part::Key);
    SetWindowPos(field_, nullptr, cell.left, cell.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(list_, nullptr, FALSE);
}

void KeyPanel::scroll_into_view(int row) {
  const int page = static_cast<int>(page_height());
  const int top = at(2 + (row % kRowsPerColumn) * kRowHeight);
  const int bottom = at(2 + (row % kRowsPerColumn + 1) * kRowHeight);
  if (top < scroll_) {
    scroll_to(top - at(2));
  } else if (bottom > scroll_ + page) {
    scroll_to(bottom - page + at(2));
  }
}

std::optional<LRESULT> KeyPanel::list_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint_off_screen(list_, [this](HDC dc, const RECT& area) { draw(dc, area); });
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      if (editor_ != nullptr) click({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
      GetScrollInfo(list_, SB_VERT, &info);
      int position = scroll_;
      switch (LOWORD(wp)) {
        case SB_LINEUP:
          position -= at(kRowHeight);
          break;
        case SB_LINEDOWN:
          position += at(kRowHeight);
          break;
        case SB_PAGEUP:
          position -= static_cast<int>(info.nPage);
          break;
        case SB_PAGEDOWN:
          position += static_cast<int>(info.nPage);
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          position = info.nTrackPos;
          break;
        default:
          break;
      }
      scroll_to(position);
      return 0;
    }
    case WM_MOUSEWHEEL:
      scroll_to(scroll_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * at(kWheelStep));
      return 0;
  }
  if (msg == list_part_message()) {
    const int row = static_cast<int>(wp) / 4;
    if (row < 0 || row >= kKeyFunctionCount) return 0;
    scroll_into_view(row);
    UpdateWindow(list_);
    const RECT r = part_rect(row, static_cast<Part>(wp % 4));
    return MAKELRESULT((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  return std::nullopt;
}

// The key field takes every key (Tab, Enter, arrows, F10 and Alt combinations included).
std::optional<LRESULT> KeyPanel::field_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (editor_ != nullptr) key_in_field(static_cast<int>(wp));
      return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return 0;
    case WM_MOUSEWHEEL:
      return SendMessageW(list_, msg, wp, lp);
  }
  return std::nullopt;
}

LRESULT KeyPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_MOUSEWHEEL) return SendMessageW(list_, msg, wp, lp);
  if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED || editor_ == nullptr) {
    return default_proc(msg, wp, lp);
  }
  switch (LOWORD(wp)) {
    case kOkId:
      hide();
      editor_->ok();
      closed_(true);
      break;
    case kCancelId:
      hide();
      editor_->cancel();
      closed_(false);
      break;
    case kClearId:
      editor_->clear_row();
      refresh();
      break;
    case kClearAllId:
      editor_->clear_all();
      refresh();
      break;
  }
  return 0;
}

}  // namespace orvanta::win32
