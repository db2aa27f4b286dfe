#pragma once
// grsds_panel, "个人所得税计算": the salary, the tax-free base and the deductible items in, the
// salary after tax and the tax out, under the monthly tables of 2011 and 2019. Choosing
// cumulative withholding hands over to its own page. Shown in place over the face by the
// pop-up menu; typing goes to its fields while it is open.
#include <windows.h>

#include <functional>

#include "tools/tax/income_tax_form.h"
#include "win32/features/tax/tax_controls.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class TaxPanel : public Panel {
 public:
  static constexpr int kLeft = 25;
  static constexpr int kTop = 168;
  static constexpr int kWidth = 417;
  static constexpr int kHeight = 177;
  // The group box's top-left in the panel; the fields stand relative to it.
  static constexpr POINT kGroup{8, 4};

  // `choose_table` takes a table the user picked; the panel shows what the form holds then.
  TaxPanel(PanelHost& host, IncomeTaxForm& form, std::function<void(TaxTable)> choose_table);

  bool create(HWND parent);
  // N19Click: shown, with the focus in the salary field, or on the table choice when the user
  // just chose it.
  void open(bool on_choice);
  // The fields and the choice take the form's texts, without storing anything.
  void load_from_form();

  HWND salary_field() const { return fields_[0]; }
  HWND base_field() const { return fields_[1]; }
  HWND deductions_field() const { return fields_[2]; }
  HWND after_tax_field() const { return fields_[3]; }
  HWND tax_field() const { return fields_[4]; }

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint_group();
  void field_changed(int index);
  void compute();
  void show_results();

  IncomeTaxForm& form_;
  std::function<void(TaxTable)> choose_table_;
  HWND fields_[5]{};
  TableChoice choice_;
  bool loading_ = false;  // texts set by the program are no user's change
};

}  // namespace orvanta::win32
