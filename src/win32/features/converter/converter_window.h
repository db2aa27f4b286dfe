#pragma once
// TForm2: the unit converter's window. A borderless top-level window with a 3-pixel frame that
// draws the converter's grid off-screen, repaints only the cells that changed, scrolls
// sideways over the wide grid with its own flat scroll bar (dragged or by the wheel) and
// passes clicks on a cell to the converter. It holds no numbers of its own.
#include <windows.h>

#include "face/display_scale.h"
#include "platform/handles_win32.h"
#include "tools/units/unit_converter.h"
#include "win32/system/base_window.h"
#include "win32/system/grid_layout.h"

namespace orvanta::win32 {

// Its lengths are given at 100 % and drawn at the calculator's scale.
class TForm2 : public BaseWindow<TForm2> {
 public:
  static constexpr int kClientWidth = 394;
  static constexpr int kClientHeight = 452;
  static constexpr POINT kGridOrigin{13, 23};
  static constexpr int kColumnWidth = 150;
  static constexpr int kRowHeight = 20;
  static constexpr int kScrollBarHeight = 18;
  // Where the converter key puts it: beside the calculator.
  static constexpr int kBesideMainWindow = 462;
  static constexpr POINT kStartOffset{20, 30};

  explicit TForm2(UnitConverter& converter);
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;
  ~TForm2();

  // Created hidden, owned by the main window, with its top-left at `at` on the screen, laid out
  // at `scale`.
  bool create(HWND main_window, POINT at, const face::DisplayScale& scale);
  // Laid out again at a new scale, its top-left kept; dragged column widths keep their share.
  void rescale(const face::DisplayScale& scale);
  bool showing() const;
  // kdwhsMouseUp when it is closed: at `left` (its top stays), shown.
  void show_at(int left);
  void close();
  // kdwhsMouseDown: every column back to 150 pixels (at 100 %).
  void reset_column_widths();

  int scroll_x() const { return scroll_x_; }
  const GridLayout& layout() const { return layout_; }
  // A cell's rectangle in the client area as it is scrolled now.
  RECT cell_rect(int column, int row) const;

  // The test-only text query: a message with wParam column, lParam row answers with a global
  // atom holding that cell's text (0 for an empty cell); the asker deletes the atom.
  static UINT cell_text_message();

 private:
  friend class BaseWindow<TForm2>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  void paint();
  void draw(HDC dc, const RECT& area) const;
  void draw_cell(HDC dc, int column, int row) const;
  void draw_scroll_bar(HDC dc) const;
  int content_width() const;
  int max_scroll() const;
  RECT scroll_bar_rect() const;
  RECT thumb_rect() const;
  void scroll_to(int x);
  void cell_changed(int column, int row);
  void changes_done();

  void on_button_down(POINT p);
  void on_mouse_move(POINT p, bool left_down);
  void on_button_up();
  bool on_set_cursor();
  LRESULT answer_cell_text(WPARAM wp, LPARAM lp) const;
  int at(int length) const { return scale_(length); }
  int client_width() const { return at(kClientWidth); }
  int client_height() const { return at(kClientHeight); }
  POINT grid_origin() const { return {at(kGridOrigin.x), at(kGridOrigin.y)}; }
  void set_client_size();

  UnitConverter& converter_;
  face::DisplayScale scale_;
  GridLayout layout_;
  int scroll_x_ = 0;
  UniqueFont title_font_;
  UniqueFont font_;
  UniqueBrush background_;
  HWND tooltip_ = nullptr;
  // The changed cells of the refresh under way, invalidated together when it ends: one
  // invalidation per key press rather than one per cell.
  UniqueRegion pending_;

  enum class Drag { None, Thumb, Column };
  Drag drag_ = Drag::None;
  int drag_column_ = -1;
  int drag_start_x_ = 0;      // mouse x when the drag began
  int drag_start_value_ = 0;  // the scroll position or column width then
};

}  // namespace orvanta::win32
