#pragma once
// The base of every panel shown in place over the face: its window class and look, its place,
// show / hide / visible, and the one host told whenever a panel appears or goes away.
#include <windows.h>

#include "platform/handles_win32.h"
#include "win32/system/base_window.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {

class Panel;

// The main window's side of its panels. Key preview (the calculator's keyboard keys, seen
// before the focused control) is on once the window is shown, and off while a panel that takes
// typing is visible, so that its text fields get the keys.
class PanelHost {
 public:
  virtual ~PanelHost() = default;
  bool key_preview() const { return preview_on_ && typing_panels_ == 0; }
  void set_key_preview(bool on) { preview_on_ = on; }

  virtual void panel_shown(const Panel& panel);
  virtual void panel_hidden(const Panel& panel);

  // Tab and Shift+Tab move the focus through the tab stops of the visible panel that holds it,
  // in the order the controls were made, as in a dialog (panels are not dialogs, so nothing else
  // does it); from outside every panel (the face, the formula bar) they go into the panel that
  // takes typing, shown last. A field reached so has all its text selected. `face` is the window
  // the panels stand on. True when `msg` was such a key and was taken.
  bool tab(HWND face, const MSG& msg) const;

 private:
  bool preview_on_ = false;
  int typing_panels_ = 0;        // visible panels that take typing
  HWND typing_panel_ = nullptr;  // the one of them shown last
};

// Where a panel stands and how it looks.
struct PanelPlace {
  const wchar_t* class_name;
  const wchar_t* caption;
  RECT bounds;  // in the face's client coordinates
  COLORREF colour;
  DWORD extra_style = 0;  // WS_CLIPCHILDREN where the panel paints nothing under its controls
  bool takes_typing = false;
};

class Panel : public BaseWindow<Panel> {
 public:
  Panel(PanelHost& host, const PanelPlace& place)
      : host_(host), place_(place), look_(place.colour) {}
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;
  virtual ~Panel();

  // Shows the panel at its place on top of its siblings (also after it was dragged away).
  void show();
  void hide();
  // Shown by its own style, whether or not the face is on the screen just now.
  bool visible() const {
    return hwnd_ != nullptr && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  bool takes_typing() const { return place_.takes_typing; }
  COLORREF colour() const { return place_.colour; }
  // A new background colour (the skin changed), painted at once.
  void set_colour(COLORREF colour);
  int left() const { return place_.bounds.left; }
  int top() const { return place_.bounds.top; }
  int width() const { return place_.bounds.right - place_.bounds.left; }
  int height() const { return place_.bounds.bottom - place_.bounds.top; }

 protected:
  // Registers the class and creates the panel, hidden, as a child of `parent`; the derived
  // panel then adds its controls.
  bool create_window(HWND parent);
  // The panel's own messages; what it does not take goes to default_proc.
  virtual LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) { return default_proc(msg, wp, lp); }
  // Called before the panel goes away.
  virtual void on_hide() {}

 private:
  friend class BaseWindow<Panel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  PanelHost& host_;
  PanelPlace place_;
  PanelLook look_;
};

}  // namespace orvanta::win32
