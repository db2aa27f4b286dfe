#pragma once
// The base of every panel shown in place over the face: its window class and look, its place,
// show / hide / visible, its display scale and fonts, and the one host told whenever a panel
// appears or goes away.
#include <windows.h>

#include <vector>

#include "face/display_scale.h"
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

  // The scale panels are laid out at: the face's. A new one (the window went to a monitor of
  // another scale) lays out every panel made so far again.
  const face::DisplayScale& scale() const { return scale_; }
  void set_scale(const face::DisplayScale& scale);

 private:
  friend class Panel;
  face::DisplayScale scale_;
  std::vector<Panel*> made_;  // every panel that exists, for a new scale
  bool preview_on_ = false;
  int typing_panels_ = 0;        // visible panels that take typing
  HWND typing_panel_ = nullptr;  // the one of them shown last
};

// Where a panel stands and how it looks.
struct PanelPlace {
  const wchar_t* class_name;
  const wchar_t* caption;
  RECT bounds;  // in the face's client coordinates at 100 %
  COLORREF colour;
  DWORD extra_style = 0;  // WS_CLIPCHILDREN where the panel paints nothing under its controls
  bool takes_typing = false;
};

class Panel : public BaseWindow<Panel> {
 public:
  Panel(PanelHost& host, const PanelPlace& place);
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
  // Its place on the face, in pixels at its scale.
  RECT bounds() const;

  // The panel's layout is written at 100 % (96 dpi); these give its lengths, the places of its
  // controls and its fonts at the scale the panel is shown at. A place is scaled edge by edge on
  // the face, as the panel's own edges are, so a control that reaches the panel's edge at 100 %
  // reaches it at every scale and neighbours stay neighbours.
  const face::DisplayScale& scale() const { return scale_; }
  int at(int length) const { return scale_(length); }
  RECT at(const RECT& r) const;
  // "宋体" `pixel_height` high at 100 % (12 is 9 points), at the panel's scale. The panel owns
  // it and makes it again at a new scale: ask for it where it is used rather than keep it.
  HFONT font(int pixel_height, int weight = FW_NORMAL) const;

  // Lays the panel out at `scale`: its place, every control (moved edge by edge from the old
  // scale, with its font made again at the new one), then what the panel draws itself.
  void rescale(const face::DisplayScale& scale);

 protected:
  // Registers the class and creates the panel, hidden, as a child of `parent`; the derived
  // panel then adds its controls.
  bool create_window(HWND parent);
  // The panel's own messages; what it does not take goes to default_proc.
  virtual LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) { return default_proc(msg, wp, lp); }
  // Called before the panel goes away.
  virtual void on_hide() {}
  // After a new scale moved the controls: what the panel places or measures itself.
  virtual void on_rescale() {}

 private:
  friend class BaseWindow<Panel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  struct MadeFont {
    int pixel_height;
    int weight;
    UniqueFont font;
  };

  PanelHost& host_;
  PanelPlace place_;
  PanelLook look_;
  face::DisplayScale scale_;
  mutable std::vector<MadeFont> fonts_;
};

}  // namespace orvanta::win32
