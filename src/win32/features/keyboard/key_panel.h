#pragma once
// Key_panel, "自定义键盘": the functions in two scrolling columns, each with the name of its key
// and the Ctrl, Shift and Alt boxes, over the portable KeyEditor. The list is one window that
// draws only the rows in view, with one key field that moves to the row being edited: a few
// windows instead of one per row, so the panel opens at once.
#include <windows.h>

#include <functional>
#include <optional>

#include "tools/keyboard/key_editor.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class KeyPanel : public Panel {
 public:
  static constexpr int kLeft = 2;
  static constexpr int kTop = 22;
  static constexpr int kWidth = 460;
  static constexpr int kHeight = 466;

  // The parts of a row, for the registered message that tells where one is
  // (list_part_message: wParam row * 4 + part, answered with the part's centre in the list's
  // client coordinates, the row scrolled into view; 0 for no such row).
  enum class Part { Key, Ctrl, Shift, Alt };
  static UINT list_part_message();

  // `closed` runs after "确 定" (true) or "取 消" (false): the window registers the hotkey.
  KeyPanel(PanelHost& host, std::function<void(bool stored)> closed);

  bool create(HWND parent);
  void attach(KeyEditor& editor) { editor_ = &editor; }
  // "自定义键盘": the rows from the table, then shown.
  void open();

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  // The list's and the key field's messages, before their windows see them.
  std::optional<LRESULT> list_message(UINT msg, WPARAM wp, LPARAM lp);
  std::optional<LRESULT> field_message(UINT msg, WPARAM wp, LPARAM lp);

  void draw(HDC dc, const RECT& area) const;
  // A part's rectangle in the list as it is scrolled now.
  RECT part_rect(int row, Part part) const;
  void set_scroll_range();
  // The list's height in view.
  UINT page_height() const;
  void on_rescale() override;
  void click(POINT p);
  // The key field goes over `row`'s key cell, shows its key and takes the focus.
  void edit_row(int row);
  void key_in_field(int code);
  void scroll_to(int position);
  void scroll_into_view(int row);
  void refresh();

  std::function<void(bool)> closed_;
  KeyEditor* editor_ = nullptr;
  HWND list_ = nullptr;   // the scrolling part, drawn by the panel
  HWND field_ = nullptr;  // the one key field, over the row being edited
  int edited_ = -1;       // its row
  int scroll_ = 0;
};

}  // namespace orvanta::win32
