#pragma once
// The income-tax panel: its form (fields, table, what each change stores) lives with the
// calculator's options. The monthly tables have one page, cumulative withholding another; the
// stored table picks the page, and each is made when it is first shown.
#include <memory>
#include <string>

#include "tools/tax/cumulative_tax_page.h"
#include "tools/tax/income_tax_form.h"
#include "win32/features/feature.h"
#include "win32/features/tax/cumulative_tax_panel.h"
#include "win32/features/tax/tax_panel.h"

namespace orvanta::win32 {

class TaxFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;

 private:
  // The menu item: the page of the stored table.
  void open() { show_page(false); }
  void choose_table(TaxTable table);
  // The page of the form's table shown, the other one hidden.
  void show_page(bool on_choice);
  TaxPanel& classic();
  CumulativeTaxPanel& cumulative();
  void enter_number(const std::string& number);
  void send_below();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<IncomeTaxForm> form_;
  std::unique_ptr<CumulativeTaxPage> page_;
  std::unique_ptr<TaxPanel> classic_;
  std::unique_ptr<CumulativeTaxPanel> cumulative_;
};

}  // namespace orvanta::win32
