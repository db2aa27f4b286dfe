#pragma once
// The income-tax panel under cumulative withholding: the monthly pay, insurance and basic
// deduction, the special additional deductions as ticks and counts, the twelve months' table
// with the year's total, and the year-end bonus taxed on its own against added to the year.
// It covers the face below the formula bar, so the LCD stays in view for a picked figure.
#include <windows.h>

#include <functional>
#include <string>

#include "tools/tax/cumulative_tax_page.h"
#include "win32/features/tax/tax_controls.h"
#include "win32/features/tax/tax_schedule_grid.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class CumulativeTaxPanel : public Panel {
 public:
  static constexpr int kLeft = 14;
  static constexpr int kTop = 124;
  static constexpr int kWidth = 436;
  static constexpr int kHeight = 374;

  struct Links {
    std::function<void(TaxTable)> choose_table;
    // A picked figure as the calculator's entry.
    std::function<void(const std::string&)> enter_number;
    // The table to the window below.
    std::function<void()> send_below;
  };

  CumulativeTaxPanel(PanelHost& host, IncomeTaxForm& form, CumulativeTaxPage& page, Links links);

  bool create(HWND parent);
  // Shown with the focus in the pay field, or on the table choice when the user just chose it.
  void open(bool on_choice);
  // The fields, the ticks and the results as the form and the page hold them.
  void load_from_form();

 private:
  enum Control {
    Salary = 440,
    Insurance,
    Base,
    Compute,
    Children,
    Infants,
    Continuing,
    Certificate,
    HousingList,
    ParentsList,
    Share,
    Summary,
    Schedule,
    Copy,
    Send,
    Close,
    Bonus,
    BonusAlone,
    BonusAdded,
    Verdict,
    Cliff,
  };

  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_rescale() override;
  void command(int id, int code);
  void paint_caption();
  void draw_cliff(const DRAWITEMSTRUCT& item) const;
  HWND item(Control id) const { return GetDlgItem(hwnd_, id); }
  HWND add(Control id, const wchar_t* window_class, DWORD style, RECT at,
           const wchar_t* caption = L"");
  void label(const wchar_t* text, RECT at);
  HWND list(Control id, std::initializer_list<const wchar_t*> entries, RECT at);
  void choices_changed();
  void show_results();
  void compute();
  void copy();

  IncomeTaxForm& form_;
  CumulativeTaxPage& page_;
  Links links_;
  TableChoice choice_;
  TaxScheduleGrid* grid_ = nullptr;  // owned by its window
  bool loading_ = false;             // texts set by the program are no user's change
};

}  // namespace orvanta::win32
