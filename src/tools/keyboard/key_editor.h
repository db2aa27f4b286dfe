#pragma once
// The key-binding editor's rows over the key table: each row a function caption, the name of
// its key and the Ctrl, Shift and Alt boxes. "确 定" stores the table, "取 消" reloads it.
#include <array>
#include <string>

#include "platform/message_boxes.h"
#include "settings/settings_store.h"
#include "tools/keyboard/key_bindings.h"

namespace orvanta {

struct KeyEditorRow {
  std::string field;  // the bound key's name, empty for none
  bool boxes_enabled = false;
  KeyModifiers boxes;
  bool operator==(const KeyEditorRow&) const = default;
};

enum class ModifierBox { Ctrl, Shift, Alt };

inline constexpr std::string_view kClearAllQuestion = "确定要清除所有键盘设置吗?";
inline constexpr std::string_view kClearAllCaption = "警告";

class KeyEditor {
 public:
  KeyEditor(KeyTable& table, SettingsStore& settings, MessageBoxes& boxes);

  // Fills every row from the table and forgets which row had the focus.
  void open();
  bool visible() const { return visible_; }
  const KeyEditorRow& row(int r) const { return rows_.at(r); }

  // A row's key field received the focus.
  void focus(int r) { focused_row_ = r; }
  // A key pressed in a row's field binds it to the row's function; another row showing the same
  // name is cleared. Codes of 256 and more are ignored (false).
  bool key_pressed(int r, int code);
  // A box of a row changed: the flag of the row's key follows it.
  void box_changed(int r, ModifierBox box, bool ticked);
  // "清 除": the row that last had the focus loses its key.
  void clear_row();
  // "全部清除": after the question, every binding goes (nothing stored yet).
  void clear_all();
  // "确 定": hides the editor and stores the table; false when the write failed (reported).
  bool ok();
  // "取 消": hides the editor and reloads the table from the settings file.
  void cancel();

 private:
  void clear_shown(int r);

  KeyTable& table_;
  SettingsStore& settings_;
  MessageBoxes& boxes_;
  std::array<KeyEditorRow, kKeyFunctionCount> rows_;
  int focused_row_ = -1;
  bool visible_ = false;
};

}  // namespace orvanta
