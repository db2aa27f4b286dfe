#include "win32/system/window_exchange.h"

#include <cwchar>
#include <vector>

#include "tools/exchange/grab_filter.h"
#include "win32/system/answering_wait.h"
#include "win32/system/clipboard_text.h"
#include "win32/system/win_check.h"
#include "win32/system/window_below.h"

namespace orvanta::win32 {
namespace {

// A window below that does not answer a character within this time is taken as hung: the
// calculator stops typing instead of freezing with it.
constexpr UINT kCharacterTimeoutMs = 2000;
// How long the window below may take to put its selection on the clipboard after Ctrl+C.
constexpr int kCopyWaitMs = 1000;
constexpr int kCopyPollMs = 20;

// The code-page-936 double-byte form is only right for ANSI windows of that code page; other
// ANSI windows get the Unicode message, which the system converts for them.
TargetCharset charset_of(HWND recipient) {
  return IsWindowUnicode(recipient) || GetACP() != 936 ? TargetCharset::Unicode
                                                       : TargetCharset::Gbk;
}

bool send_character(HWND recipient, TargetCharset charset, unsigned unit) {
  DWORD_PTR answer = 0;
  const LRESULT sent = charset == TargetCharset::Gbk
                           ? SendMessageTimeoutA(recipient, WM_IME_CHAR, unit, 1, SMTO_ABORTIFHUNG,
                                                 kCharacterTimeoutMs, &answer)
                           : SendMessageTimeoutW(recipient, WM_IME_CHAR, unit, 1, SMTO_ABORTIFHUNG,
                                                 kCharacterTimeoutMs, &answer);
  return check(sent != 0, L"SendMessageTimeout(WM_IME_CHAR)");
}

// A key-down message with a repeat count of 1 and the key's scan code, so that the target's
// TranslateMessage makes its character from it.
void post_key(HWND recipient, unsigned key) {
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  check(PostMessageW(recipient, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16))) != FALSE,
        L"PostMessage(WM_KEYDOWN)");
}

INPUT key_input(unsigned key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(key);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// A run of key steps (Ctrl down, C down, C up, Ctrl up) goes in one SendInput call: the system
// queues it whole, so no other input and no key-state read can come between Ctrl and C.
void synthesise_keys(const std::vector<INPUT>& inputs) {
  check(SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()),
                  sizeof(INPUT)) == inputs.size(),
        L"SendInput");
}

}  // namespace

void WindowExchange::calculator_to_foreground() {
  const HWND calculator = *calculator_;
  SetForegroundWindow(calculator);
  if (stay_on_top_) {
    SetWindowPos(calculator, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  }
}

bool WindowExchange::run(const std::vector<DeliveryStep>& steps, HWND recipient,
                         const std::string& text) {
  using Kind = DeliveryStep::Kind;
  const TargetCharset charset = charset_of(recipient);
  const HWND recipient_window = GetAncestor(recipient, GA_ROOT);
  std::vector<INPUT> keys;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const DeliveryStep& step = steps[i];
    switch (step.kind) {
      case Kind::Character:
        if (!send_character(recipient, charset, step.value)) {
          calculator_to_foreground();
          return false;
        }
        break;
      case Kind::PostKey:
        post_key(recipient, step.value);
        break;
      case Kind::KeyDown:
      case Kind::KeyUp:
        keys.push_back(key_input(step.value, step.kind == Kind::KeyUp));
        if (i + 1 == steps.size() ||
            (steps[i + 1].kind != Kind::KeyDown && steps[i + 1].kind != Kind::KeyUp)) {
          synthesise_keys(keys);
          keys.clear();
        }
        break;
      case Kind::Wait:
        wait_answering(step.value);
        break;
      case Kind::LetMessagesRun:
        pump_.wait(0);
        break;
      case Kind::CopyToClipboard:
        if (!put_clipboard_text(*calculator_, text)) {
          calculator_to_foreground();
          return false;
        }
        break;
      case Kind::RecipientToForeground:
        // Synthesised keys go to whichever window is in front: when the window below did not
        // come forward, no Ctrl+V or Ctrl+C may land somewhere else.
        SetForegroundWindow(recipient_window);
        if (GetForegroundWindow() != recipient_window) {
          calculator_to_foreground();
          return false;
        }
        break;
      case Kind::CalculatorToForeground:
        calculator_to_foreground();
        break;
    }
  }
  return true;
}

void WindowExchange::deliver(const Outgoing& outgoing) {
  if (outgoing.copy_to_clipboard) put_clipboard_text(*calculator_, outgoing.text);
  const HWND target = find_window_below(skip_topmost_);
  if (target == nullptr) return;
  const HWND recipient = control_with_caret(target);
  run(delivery_steps(outgoing, charset_of(recipient)), recipient, outgoing.text);
}

namespace {

// Edit and rich-edit controls (Notepad's, WordPad's, most text fields) copy their selection on
// WM_COPY, with no synthesised keys that another window or a lagging focus change could take.
bool copies_on_message(HWND control) {
  wchar_t name[64]{};
  if (GetClassNameW(control, name, 64) == 0) return false;
  CharLowerW(name);
  return std::wcsstr(name, L"edit") != nullptr;
}

// Waits, letting messages run, until the clipboard changes from `before`; false after `limit_ms`.
// Where the system keeps no sequence number (0), the clipboard is taken as changed.
bool clipboard_changed(DWORD before, int limit_ms) {
  for (int waited = 0; before != 0 && GetClipboardSequenceNumber() == before;
       waited += kCopyPollMs) {
    if (waited >= limit_ms) return false;
    wait_answering(kCopyPollMs);
  }
  return true;
}

}  // namespace

std::optional<std::string> WindowExchange::copy_selection_below() {
  const HWND target = find_window_below(skip_topmost_);
  if (target == nullptr) return std::nullopt;
  // The control with the selection, once the window below has put the focus on it.
  const HWND recipient = control_with_caret(target);
  const DWORD before = GetClipboardSequenceNumber();
  DWORD_PTR answer = 0;
  if (before != 0 && copies_on_message(recipient) &&
      SendMessageTimeoutW(recipient, WM_COPY, 0, 0, SMTO_ABORTIFHUNG, kCharacterTimeoutMs,
                          &answer) != 0 &&
      clipboard_changed(before, kCopyPollMs * 5)) {
    // Looking up the focused control attached the two threads' input for a moment: the
    // calculator asserts its place in front again, as after Ctrl+C.
    calculator_to_foreground();
    return read_clipboard_text(*calculator_, kGrabTextLimit);
  }
  // Any other window: Ctrl+C, as a user would press it.
  if (!run(selection_copy_steps(), recipient, {})) return std::nullopt;
  if (!clipboard_changed(before, kCopyWaitMs)) return std::nullopt;
  return read_clipboard_text(*calculator_, kGrabTextLimit);
}

}  // namespace orvanta::win32
