#pragma once
// What both pages of the income-tax panel show alike: the choice of table, the red caption and
// the amount fields in which Enter computes.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tools/tax/income_tax.h"

namespace orvanta::win32 {

inline constexpr COLORREF kTaxRed = RGB(255, 0, 0);
inline constexpr wchar_t kTaxCaption[] = L"个人所得税计算";

// The three tables as radio buttons, the same ids on both pages.
class TableChoice {
 public:
  static constexpr int kFirstId = 420;  // + table - 1
  static constexpr int kCount = 3;

  // One button per place, in the tables' order.
  bool create(HWND parent, const RECT (&places)[kCount], HFONT font);
  // The table's button checked and the group's one tab stop, as a dialog's radio group has.
  void show(TaxTable table);
  HWND checked() const;
  // The table a clicked control id stands for.
  static std::optional<TaxTable> table_of(int id);

 private:
  HWND buttons_[kCount]{};
};

// Enter in `field` calls `compute`, as a dialog's default button would, without a beep.
void compute_on_enter(HWND field, std::function<void()> compute);

// A control's text, UTF-8, from the program.
void set_text(HWND control, const std::string& text);

// The field's text from the program, not the user: `loading` is set meanwhile so that the change
// it makes is not taken for one of the user's.
void set_field_text(HWND field, const std::string& text, bool& loading);

}  // namespace orvanta::win32
