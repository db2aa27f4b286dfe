#include "win32/features/keyboard/key_panel.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaKeyPanel";
constexpr wchar_t kListClass[] = L"OrvantaKeyList";
constexpr int kOkId = 600;
constexpr int kCancelId = 601;
constexpr int kClearId = 602;
constexpr int kClearAllId = 603;
constexpr int kFieldId = 1000;  // + row
constexpr int kBoxId = 2000;    // + row * 3 + box

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

bool KeyPanel::create(HWND parent) {
  font_ = make_song_font(12);
  box_font_ = make_song_font(11);
  if (!create_window(parent)) return false;
  const HFONT font = font_.get();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  register_window_class(kListClass, &DefWindowProcW, GetSysColorBrush(COLOR_BTNFACE));
  create_child(hwnd_, L"BUTTON", L"自定义键盘", BS_GROUPBOX, RECT{4, 2, kWidth - 4, 426}, -1, font);
  for (int column = 0; column < 2; ++column) {
    const int x = kListRect.left + column * kColumnWidth;
    create_child(hwnd_, L"STATIC", L"按键", 0, RECT{x + 4, 24, x + 50, 40}, -1, font);
    create_child(hwnd_, L"STATIC", L"自定义", 0, RECT{x + kFieldX, 24, x + kBoxX[0], 40}, -1, font);
    create_child(hwnd_, L"STATIC", L"组合键", 0, RECT{x + kBoxX[0], 24, x + kColumnWidth, 40}, -1,
                 font);
  }
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, kListClass, L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN, kListRect.left,
                          kListRect.top, kListRect.right - kListRect.left,
                          kListRect.bottom - kListRect.top, hwnd_, nullptr, instance, nullptr);
  if (!check(list_ != nullptr, L"CreateWindowExW (key list)")) return false;
  subclass_control(
      list_, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) { return list_message(msg, wp, lp); });
  rows_.resize(kKeyFunctionCount);
  for (int r = 0; r < kKeyFunctionCount; ++r) {
    const int x = (r / kRowsPerColumn) * kColumnWidth;
    const int y = 2 + (r % kRowsPerColumn) * kRowHeight;
    create_child(list_, L"STATIC", to_wide(kKeyFunctions[r].caption).c_str(), SS_CENTERIMAGE,
                 RECT{x + 4, y, x + kFieldX - 2, y + 20}, -1, font);
    Row& row = rows_[r];
    row.field =
        create_child(list_, L"EDIT", L"", WS_BORDER | ES_READONLY | WS_TABSTOP,
                     RECT{x + kFieldX, y, x + kFieldX + kFieldWidth, y + 20}, kFieldId + r, font);
    if (row.field != nullptr) {
      subclass_control(row.field, [this, r](HWND, UINT msg, WPARAM wp, LPARAM lp) {
        return field_message(r, msg, wp, lp);
      });
    }
    for (int b = 0; b < 3; ++b) {
      row.boxes[b] = create_child(list_, L"BUTTON", kBoxCaptions[b], BS_AUTOCHECKBOX | WS_TABSTOP,
                                  RECT{x + kBoxX[b], y, x + kBoxX[b] + kBoxWidth[b], y + 20},
                                  kBoxId + r * 3 + b, box_font_.get());
    }
  }
  SCROLLINFO info{sizeof info,
                  SIF_RANGE | SIF_PAGE,
                  0,
                  kListHeight - 1,
                  static_cast<UINT>(kListRect.bottom - kListRect.top),
                  0,
                  0};
  SetScrollInfo(list_, SB_VERT, &info, TRUE);
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
                 RECT{b.x, 432, b.x + 80, 457}, b.id, font);
  }
  return true;
}

void KeyPanel::open() {
  if (editor_ == nullptr) return;
  editor_->open();
  scroll_to(0);
  refresh();
  show();
}

void KeyPanel::refresh() {
  filling_ = true;
  for (int r = 0; r < kKeyFunctionCount; ++r) {
    const KeyEditorRow& model = editor_->row(r);
    SetWindowTextW(rows_[r].field, to_wide(model.field).c_str());
    const bool ticks[3] = {model.boxes.ctrl, model.boxes.shift, model.boxes.alt};
    for (int b = 0; b < 3; ++b) {
      SendMessageW(rows_[r].boxes[b], BM_SETCHECK, ticks[b] ? BST_CHECKED : BST_UNCHECKED, 0);
      EnableWindow(rows_[r].boxes[b], model.boxes_enabled);
    }
  }
  filling_ = false;
}

void KeyPanel::key_in_field(int row, int code) {
  if (modifier_key(code) || !editor_->key_pressed(row, code)) return;
  refresh();
  // The focus moves on to the next row's field.
  const int next = row + 1 < kKeyFunctionCount ? row + 1 : 0;
  SetFocus(rows_[next].field);
}

void KeyPanel::scroll_to(int position) {
  const int page = kListRect.bottom - kListRect.top;
  position = std::clamp(position, 0, std::max(0, kListHeight - page));
  if (position == scroll_) return;
  ScrollWindowEx(list_, 0, scroll_ - position, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  scroll_ = position;
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, scroll_, 0};
  SetScrollInfo(list_, SB_VERT, &info, TRUE);
}

std::optional<LRESULT> KeyPanel::list_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_VSCROLL: {
      SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
      GetScrollInfo(list_, SB_VERT, &info);
      int position = scroll_;
      switch (LOWORD(wp)) {
        case SB_LINEUP:
          position -= kRowHeight;
          break;
        case SB_LINEDOWN:
          position += kRowHeight;
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
      scroll_to(scroll_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * kWheelStep);
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (HIWORD(wp) == BN_CLICKED && id >= kBoxId && !filling_) {
        const int r = (id - kBoxId) / 3;
        const int b = (id - kBoxId) % 3;
        const bool ticked =
            SendMessageW(reinterpret_cast<HWND>(lp), BM_GETCHECK, 0, 0) == BST_CHECKED;
        editor_->box_changed(r, static_cast<ModifierBox>(b), ticked);
      }
      return 0;
    }
  }
  return std::nullopt;
}

// The key field takes every key (Tab, Enter, arrows, F10 and Alt combinations included).
std::optional<LRESULT> KeyPanel::field_message(int row, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (editor_ != nullptr) key_in_field(row, static_cast<int>(wp));
      return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return 0;
    case WM_SETFOCUS:
      if (editor_ != nullptr) editor_->focus(row);
      break;
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
