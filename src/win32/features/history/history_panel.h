#pragma once
// The history tape's panel: the finished calculations, newest at the bottom, each as
// "formula=result" with its time. A click puts a line's result on the LCD, a double-click its
// formula into the formula panel; Ctrl+C copies the selected lines; the context menu copies,
// deletes, clears (after a question) and saves the tape as a text file. One list box, drawn
// by the panel, line by line as they come into view.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "tools/history/history_tape.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class HistoryPanel : public Panel {
 public:
  static constexpr int kLeft = 8;
  static constexpr int kTop = 153;
  static constexpr int kWidth = 449;
  static constexpr int kHeight = 300;
  // The panel's colour before the skin's shift.
  static constexpr COLORREF kColour = RGB(206, 222, 238);

  struct Actions {
    std::function<void(const TapeEntry&)> enter;    // a click: its result onto the LCD
    std::function<void(const TapeEntry&)> formula;  // a double-click: into the formula panel
  };

  HistoryPanel(PanelHost& host, HistoryTape& tape, MessageBoxes& boxes, FileSystem& fs,
               Actions actions, int skin_shift);

  bool create(HWND parent);
  // Shown with the last line in view and the keyboard in the list.
  void open();
  // The tape changed (HistoryTape's listener).
  void changed(const TapeChange& change);
  void set_skin_shift(int shift);

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_rescale() override;
  std::optional<LRESULT> list_message(HWND list, UINT msg, WPARAM wp, LPARAM lp);
  void fill();
  void show_last();
  void show_note();
  void draw_line(const DRAWITEMSTRUCT& item);
  std::vector<std::size_t> selected_rows() const;
  void enter_line();
  void copy_selected();
  void remove_selected();
  void ask_clear();
  void save_as();
  void context_menu(POINT screen);

  HistoryTape& tape_;
  MessageBoxes& boxes_;
  FileSystem& fs_;
  Actions actions_;
  COLORREF selection_ = 0;
  HWND list_ = nullptr;
  HWND note_ = nullptr;
};

}  // namespace orvanta::win32
