#include "win32/chrome/tray_icon.h"

#include <shellapi.h>

#include <cwchar>

#include "win32/system/win_check.h"

namespace orvanta::win32 {

NOTIFYICONDATAW TrayIcon::data() const {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = owner_;
  nid.uID = kId;
  nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = icon_;
  std::wcsncpy(nid.szTip, L"Orvanta", sizeof nid.szTip / sizeof nid.szTip[0] - 1);
  return nid;
}

bool TrayIcon::add(HWND owner, HICON icon) {
  owner_ = owner;
  icon_ = icon;
  NOTIFYICONDATAW nid = data();
  added_ = check(Shell_NotifyIconW(NIM_ADD, &nid) != FALSE, L"Shell_NotifyIconW(NIM_ADD)");
  return added_;
}

bool TrayIcon::readd() {
  if (owner_ == nullptr) return false;
  NOTIFYICONDATAW nid = data();
  // An icon still registered is renewed in place: deleting and adding it again costs the shell
  // a round trip (seconds under Wine) and would let the icon jump to another slot.
  if (added_ && Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE) return true;
  Shell_NotifyIconW(NIM_DELETE, &nid);
  added_ = check(Shell_NotifyIconW(NIM_ADD, &nid) != FALSE, L"Shell_NotifyIconW(NIM_ADD)");
  return added_;
}

bool TrayIcon::remove() {
  if (!added_) return true;
  NOTIFYICONDATAW nid = data();
  added_ = false;
  return check(Shell_NotifyIconW(NIM_DELETE, &nid) != FALSE, L"Shell_NotifyIconW(NIM_DELETE)");
}

}  // namespace orvanta::win32
