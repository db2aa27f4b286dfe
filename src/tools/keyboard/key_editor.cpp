#include "tools/keyboard/key_editor.h"

namespace orvanta {

KeyEditor::KeyEditor(KeyTable& table, SettingsStore& settings, MessageBoxes& boxes)
    : table_(table), settings_(settings), boxes_(boxes) {}

void KeyEditor::open() {
  focused_row_ = -1;
  for (int r = 0; r < kKeyFunctionCount; ++r) {
    clear_shown(r);
    const int code = table_.code_of(kKeyFunctions[r].caption);
    if (code < 0) continue;
    rows_[r].field = shown_key_name(code);
    rows_[r].boxes_enabled = true;
    rows_[r].boxes = table_.entry(code).modifiers;
  }
  visible_ = true;
}

void KeyEditor::clear_shown(int r) {
  rows_.at(r) = KeyEditorRow{};
}

bool KeyEditor::key_pressed(int r, int code) {
  if (code < 0 || code >= kKeyCodeCount) return false;
  const std::string name = shown_key_name(code);
  // Rows are compared by the shown name: "-键", ".键" and "/键" each stand for two keys, so
  // the other row's display is cleared while its binding of the other key stays.
  for (int other = 0; other < kKeyFunctionCount; ++other) {
    if (other != r && rows_[other].field == name) clear_shown(other);
  }
  const std::string_view function = kKeyFunctions.at(r).caption;
  for (int c = 0; c < kKeyCodeCount; ++c) {
    if (table_.entry(c).function == function) table_.entry(c).function.clear();
  }
  KeyBinding& entry = table_.entry(code);
  entry.function = function;
  rows_[r].field = name;
  rows_[r].boxes_enabled = true;
  // The key keeps the modifiers it had; the boxes show them.
  rows_[r].boxes = entry.modifiers;
  return true;
}

void KeyEditor::box_changed(int r, ModifierBox box, bool ticked) {
  KeyEditorRow& row = rows_.at(r);
  switch (box) {
    case ModifierBox::Ctrl:
      row.boxes.ctrl = ticked;
      break;
    case ModifierBox::Shift:
      row.boxes.shift = ticked;
      break;
    case ModifierBox::Alt:
      row.boxes.alt = ticked;
      break;
  }
  if (row.field.empty()) return;
  const int code = table_.code_of(kKeyFunctions[r].caption);
  if (code >= 0) table_.entry(code).modifiers = row.boxes;
}

void KeyEditor::clear_row() {
  if (focused_row_ < 0) return;
  clear_shown(focused_row_);
  const int code = table_.code_of(kKeyFunctions[focused_row_].caption);
  if (code >= 0) table_.entry(code).function.clear();
}

void KeyEditor::clear_all() {
  if (!boxes_.ask_yes_no(kClearAllCaption, kClearAllQuestion)) return;
  for (int r = 0; r < kKeyFunctionCount; ++r) clear_shown(r);
  table_.LoadKeyTable(false, settings_);
}

bool KeyEditor::ok() {
  visible_ = false;
  return table_.save(settings_);
}

void KeyEditor::cancel() {
  visible_ = false;
  table_.LoadKeyTable(true, settings_);
}

}  // namespace orvanta
