#include "win32/features/history/history_panel.h"

#include <commdlg.h>
#include <windowsx.h>

#include "face/skin_colour.h"
#include "platform/wide.h"
#include "settings/atomic_write.h"
#include "win32/system/clipboard_text.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaHistoryPanel";
constexpr wchar_t kCaption[] = L"历史记录";
constexpr std::string_view kBoxCaption = "历史记录";
constexpr int kListId = 600;
constexpr int kCloseId = 601;
constexpr int kLineHeight = 18;
constexpr int kTimeWidth = 84;  // "05-01 08:30" and a gap
constexpr int kButtonHeight = 25;
// The paper of the tape stays paper whatever the skin.
constexpr COLORREF kPaper = RGB(253, 253, 244);
constexpr COLORREF kTimeColour = RGB(128, 128, 128);
constexpr COLORREF kSelectionColour = RGB(120, 160, 210);

enum MenuCommand : UINT { kCopy = 1, kDelete, kClear, kSave };

COLORREF shifted(COLORREF colour, int shift) {
  const Rgb rgb = ColourShift(shift)({GetRValue(colour), GetGValue(colour), GetBValue(colour)});
  return RGB(rgb.r, rgb.g, rgb.b);
}

}  // namespace

HistoryPanel::HistoryPanel(PanelHost& host, HistoryTape& tape, MessageBoxes& boxes, FileSystem& fs,
                           Actions actions, int skin_shift)
    : Panel(host, {kClassName, kCaption, RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   shifted(kColour, skin_shift), WS_CLIPCHILDREN, true}),
      tape_(tape),
      boxes_(boxes),
      fs_(fs),
      actions_(std::move(actions)),
      selection_(shifted(kSelectionColour, skin_shift)) {}

bool HistoryPanel::create(HWND parent) {
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  create_child(hwnd_, L"STATIC", L"历史记录（最近 1000 次计算，单击取结果，双击取公式）",
               SS_LEFT | SS_NOPREFIX, at(RECT{10, 8, kWidth - 10, 22}), -1, font);
  // The list keeps the lines' texts (for copying and for screen readers); the panel draws the
  // lines in view.
  list_ = create_child(hwnd_, L"LISTBOX", L"",
                       WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                           LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL | LBS_NOTIFY,
                       at(RECT{8, 26, kWidth - 8, 252}), kListId, font);
  note_ = create_child(hwnd_, L"STATIC", L"", SS_LEFT | SS_NOPREFIX,
                       at(RECT{10, 258, kWidth - 100, kHeight - 6}), -1, font);
  create_child(hwnd_, L"BUTTON", L"关 闭", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{kWidth - 86, 262, kWidth - 8, 262 + kButtonHeight}), kCloseId, font);
  if (list_ == nullptr || note_ == nullptr) return false;
  subclass_control(list_, [this](HWND list, UINT msg, WPARAM wp, LPARAM lp) {
    return list_message(list, msg, wp, lp);
  });
  fill();
  return true;
}

void HistoryPanel::open() {
  show();
  show_last();
  SetFocus(list_);
}

void HistoryPanel::fill() {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  const std::deque<TapeEntry>& entries = tape_.entries();
  SendMessageW(list_, LB_INITSTORAGE, entries.size(), entries.size() * 64);
  for (const TapeEntry& entry : entries) {
    SendMessageW(list_, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(to_wide(tape_line(entry)).c_str()));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
  show_note();
}

void HistoryPanel::show_last() {
  const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
  if (count > 0) SendMessageW(list_, LB_SETTOPINDEX, count - 1, 0);
}

void HistoryPanel::show_note() {
  check(SetWindowTextW(note_, to_wide(tape_.note()).c_str()) != FALSE, L"SetWindowTextW (note)");
}

void HistoryPanel::changed(const TapeChange& change) {
  if (list_ == nullptr) return;
  switch (change.kind) {
    case TapeChange::Kind::Added: {
      const std::deque<TapeEntry>& entries = tape_.entries();
      if (change.index < entries.size()) {
        SendMessageW(list_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(to_wide(tape_line(entries[change.index])).c_str()));
        show_last();
      }
      break;
    }
    case TapeChange::Kind::Removed:
      SendMessageW(list_, LB_DELETESTRING, change.index, 0);
      break;
    case TapeChange::Kind::Cleared:
      SendMessageW(list_, LB_RESETCONTENT, 0, 0);
      break;
    case TapeChange::Kind::Note:
      show_note();
      break;
  }
}

void HistoryPanel::set_skin_shift(int shift) {
  selection_ = shifted(kSelectionColour, shift);
  set_colour(shifted(kColour, shift));
}

void HistoryPanel::on_rescale() {
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, at(kLineHeight));
}

void HistoryPanel::draw_line(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const std::deque<TapeEntry>& entries = tape_.entries();
  UniqueBrush back(CreateSolidBrush(selected ? selection_ : kPaper));
  FillRect(dc, &r, back.get());
  if (item.itemID < entries.size()) {
    const TapeEntry& entry = entries[item.itemID];
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old_font = SelectObject(dc, font(12));
    RECT time{r.left + at(4), r.top, r.left + at(kTimeWidth), r.bottom};
    SetTextColor(dc, selected ? RGB(255, 255, 255) : kTimeColour);
    const std::wstring when = to_wide(tape_time(entry));
    DrawTextW(dc, when.c_str(), static_cast<int>(when.size()), &time,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    RECT line{r.left + at(kTimeWidth), r.top, r.right - at(4), r.bottom};
    SetTextColor(dc, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    const std::wstring text = to_wide(tape_line(entry));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old_font);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

std::vector<std::size_t> HistoryPanel::selected_rows() const {
  const LRESULT count = SendMessageW(list_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> rows(static_cast<std::size_t>(count));
  const LRESULT got =
      SendMessageW(list_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
  std::vector<std::size_t> out;
  for (LRESULT i = 0; i < got; ++i) out.push_back(static_cast<std::size_t>(rows[i]));
  return out;
}

void HistoryPanel::enter_line() {
  const LRESULT caret = SendMessageW(list_, LB_GETCARETINDEX, 0, 0);
  const std::deque<TapeEntry>& entries = tape_.entries();
  if (caret < 0 || static_cast<std::size_t>(caret) >= entries.size()) return;
  if (SendMessageW(list_, LB_GETSEL, caret, 0) <= 0) return;
  if (actions_.enter) actions_.enter(entries[caret]);
}

void HistoryPanel::copy_selected() {
  const std::deque<TapeEntry>& entries = tape_.entries();
  std::string text;
  for (const std::size_t row : selected_rows()) {
    if (row < entries.size()) text += tape_copy_text(entries[row]) + "\r\n";
  }
  if (!text.empty()) put_clipboard_text(hwnd_, std::string_view(text));
}

void HistoryPanel::remove_selected() {
  const std::vector<std::size_t> rows = selected_rows();
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) tape_.remove(*it);
}

void HistoryPanel::ask_clear() {
  if (tape_.entries().empty()) return;
  if (boxes_.ask_yes_no(kBoxCaption, "清除全部历史记录吗？清除后无法恢复。")) tape_.clear();
}

void HistoryPanel::save_as() {
  wchar_t path[MAX_PATH] = L"历史记录.txt";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetAncestor(hwnd_, GA_ROOT);
  dialog.lpstrFilter = L"文本文件 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = L"txt";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&dialog)) return;
  // With a byte-order mark: Notepad of older Windows reads UTF-8 only so.
  std::string text = "\xEF\xBB\xBF";
  for (const TapeEntry& entry : tape_.entries()) text += tape_copy_text(entry) + "\r\n";
  const FsResult written = replace_file_atomically(fs_, from_wide(path), text);
  if (!written.ok) boxes_.show(kBoxCaption, written.error, BoxIcon::Error, BoxButtons::Ok);
}

void HistoryPanel::context_menu(POINT screen) {
  const bool any = SendMessageW(list_, LB_GETSELCOUNT, 0, 0) > 0;
  const bool lines = !tape_.entries().empty();
  UniqueMenu menu(check_handle(CreatePopupMenu(), L"CreatePopupMenu"));
  if (!menu) return;
  const auto item = [&](UINT id, const wchar_t* text, bool enabled) {
    check(AppendMenuW(menu.get(), MF_STRING | (enabled ? 0 : MF_GRAYED), id, text) != FALSE,
          L"AppendMenuW");
  };
  item(kCopy, L"复制\tCtrl+C", any);
  item(kDelete, L"删除此行\tDel", any);
  item(kClear, L"全部清除...", lines);
  check(AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr) != FALSE, L"AppendMenuW");
  item(kSave, L"另存为文本文件...", lines);
  if (screen.x == -1 && screen.y == -1) {  // from the keyboard: at the list's corner
    screen = {0, 0};
    ClientToScreen(list_, &screen);
  }
  switch (TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_,
                         nullptr)) {
    case kCopy:
      copy_selected();
      break;
    case kDelete:
      remove_selected();
      break;
    case kClear:
      ask_clear();
      break;
    case kSave:
      save_as();
      break;
  }
}

std::optional<LRESULT> HistoryPanel::list_message(HWND list, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wp == 'C' && GetKeyState(VK_CONTROL) < 0) {
        copy_selected();
        return 0;
      }
      if (wp == VK_DELETE) {
        remove_selected();
        return 0;
      }
      if (wp == VK_RETURN) {
        enter_line();
        return 0;
      }
      if (wp == VK_ESCAPE) {
        hide();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == L'\r' || wp == 0x1B || wp == 0x03) return 0;  // no beep
      break;
    case WM_RBUTTONDOWN: {
      // The line under the mouse is what the menu acts on, unless it is selected already.
      const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lp);
      const int row = LOWORD(hit);
      if (HIWORD(hit) == 0 && SendMessageW(list, LB_GETSEL, row, 0) <= 0) {
        SendMessageW(list, LB_SETSEL, FALSE, -1);
        SendMessageW(list, LB_SETSEL, TRUE, row);
        SendMessageW(list, LB_SETCARETINDEX, row, FALSE);
      }
      SetFocus(list);
      return 0;
    }
  }
  return std::nullopt;
}

LRESULT HistoryPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = static_cast<UINT>(at(kLineHeight));
      return TRUE;
    case WM_DRAWITEM:
      if (wp == kListId) draw_line(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_CTLCOLORLISTBOX: {
      static const UniqueBrush paper(CreateSolidBrush(kPaper));
      return reinterpret_cast<LRESULT>(paper.get());
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wp) == list_) {
        context_menu({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
      }
      break;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (id == kListId && code == LBN_SELCHANGE) enter_line();
      if (id == kListId && code == LBN_DBLCLK) {
        const LRESULT caret = SendMessageW(list_, LB_GETCARETINDEX, 0, 0);
        const std::deque<TapeEntry>& entries = tape_.entries();
        if (caret >= 0 && static_cast<std::size_t>(caret) < entries.size() && actions_.formula) {
          actions_.formula(entries[caret]);
        }
      }
      if (id == kCloseId && code == BN_CLICKED) hide();
      return 0;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
