#pragma once
// The calculator's notification-area icon (identifier 1, tip "Orvanta").
#include <windows.h>
// after windows.h
#include <shellapi.h>

namespace orvanta::win32 {

class TrayIcon {
 public:
  static constexpr UINT kCallbackMessage = WM_USER + 168;
  static constexpr UINT kId = 1;

  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { remove(); }

  bool add(HWND owner, HICON icon);
  // Registers the icon again (after the window's outline or stay-on-top changed); an icon still
  // registered is renewed in place.
  bool readd();
  bool remove();
  bool added() const { return added_; }

 private:
  NOTIFYICONDATAW data() const;
  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
  bool added_ = false;
};

}  // namespace orvanta::win32
