#pragma once
// TForm1: the help window, a top-level window with the help document in a read-only edit.
#include <windows.h>

#include <string>

#include "platform/handles_win32.h"
#include "win32/system/base_window.h"

namespace orvanta::win32 {

class HelpWindow : public BaseWindow<HelpWindow> {
 public:
  static constexpr int kWidth = 696;
  static constexpr int kHeight = 568;
  static constexpr int kFontHeight = 16;

  HelpWindow() = default;
  HelpWindow(const HelpWindow&) = delete;
  HelpWindow& operator=(const HelpWindow&) = delete;
  ~HelpWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }

  // Creates the window, hidden; the help text of `text_module` is put in on the first show
  // (orvanta.exe itself: GetModuleHandleW(nullptr)). Closing it only hides it; it lives as long as
  // the application.
  bool create(HMODULE text_module, HWND owner = nullptr);
  // Stay-on-top, maximised and shown. On the first show the edit gets the beginning of the
  // document, enough to fill the window, and the rest once that is on the screen (a message
  // posted to the window): the edit lays out all it is given before anything shows.
  void show_help();
  HWND edit() const { return edit_; }

 private:
  friend class BaseWindow<HelpWindow>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  void put_first_part(const std::wstring& text);
  void put_rest();

  HWND edit_ = nullptr;
  std::wstring rest_;  // the document after the part shown first, until it is put in
  HMODULE text_module_ = nullptr;
  bool text_loaded_ = false;
  UniqueFont font_;
};

}  // namespace orvanta::win32
