#pragma once
// Key_panel, "自定义键盘": a scrolling list of the 69 functions in two columns, each with the
// name of its key and the Ctrl, Shift and Alt boxes, over the portable KeyEditor.
#include <windows.h>

#include <functional>
#include <vector>

#include "tools/keyboard/key_editor.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class KeyPanel : public Panel {
 public:
  static constexpr int kLeft = 2;
  static constexpr int kTop = 22;
  static constexpr int kWidth = 460;
  static constexpr int kHeight = 466;

  // `closed` runs after "确 定" (true) or "取 消" (false): the window registers the hotkey.
  KeyPanel(PanelHost& host, std::function<void(bool stored)> closed);

  bool create(HWND parent);
  void attach(KeyEditor& editor) { editor_ = &editor; }
  // "自定义键盘": the rows from the table, then shown.
  void open();

 private:
  struct Row {
    HWND field = nullptr;
    HWND boxes[3]{};
  };

  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void refresh();
  void key_in_field(int row, int code);
  void scroll_to(int position);
  // The scrolling list's messages and a key field's, before the control sees them.
  std::optional<LRESULT> list_message(UINT msg, WPARAM wp, LPARAM lp);
  std::optional<LRESULT> field_message(int row, UINT msg, WPARAM wp, LPARAM lp);

  std::function<void(bool)> closed_;
  KeyEditor* editor_ = nullptr;
  HWND list_ = nullptr;  // the scrolling part
  int scroll_ = 0;
  std::vector<Row> rows_;
  bool filling_ = false;
  UniqueFont font_;
  UniqueFont box_font_;
};

}  // namespace orvanta::win32
