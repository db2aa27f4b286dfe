#include "win32/features/tax/tax_feature.h"

#include "numeric/number_text.h"
#include "tools/exchange/exchange_options.h"
#include "tools/exchange/exchange_output.h"
#include "tools/exchange/exchange_text.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void TaxFeature::attach(FeatureContext& context) {
  context_ = &context;
  form_ = std::make_unique<IncomeTaxForm>(context.calculator());
  page_ = std::make_unique<CumulativeTaxPage>(*form_, context.calculator().message_boxes());
  context.menu(kMenuIncomeTax, [this] { open(); });
  context.holds_keys_while([this] {
    return (classic_ && classic_->visible()) || (cumulative_ && cumulative_->visible());
  });
}

TaxPanel& TaxFeature::classic() {
  if (!classic_) {
    classic_ = std::make_unique<TaxPanel>(context_->panels(), *form_,
                                          [this](TaxTable table) { choose_table(table); });
    classic_->create(context_->window().hwnd());
  }
  return *classic_;
}

CumulativeTaxPanel& TaxFeature::cumulative() {
  if (!cumulative_) {
    cumulative_ = std::make_unique<CumulativeTaxPanel>(
        context_->panels(), *form_, *page_,
        CumulativeTaxPanel::Links{[this](TaxTable table) { choose_table(table); },
                                  [this](const std::string& number) { enter_number(number); },
                                  [this] { send_below(); }});
    cumulative_->create(context_->window().hwnd());
  }
  return *cumulative_;
}

void TaxFeature::choose_table(TaxTable table) {
  form_->table_changed(table);
  show_page(true);
}

void TaxFeature::show_page(bool on_choice) {
  if (form_->table() == TaxTable::Cumulative) {
    if (classic_) classic_->hide();
    cumulative().load_from_form();
    cumulative().open(on_choice);
    return;
  }
  if (cumulative_) cumulative_->hide();
  classic().load_from_form();
  classic().open(on_choice);
}

// The closest public command there is for putting a number on the LCD as the entry: the formula
// panel's, given the figure as its finished number.
void TaxFeature::enter_number(const std::string& number) {
  context_->calculator().enter_number(parse_number(number), number);
}

// The table goes below as a result in figures goes, with the user's choices of typing or pasting,
// the space, the Enter and the copy. Pasted whole it keeps the clipboard's line ends; typed, each
// line ends in the Enter key's character, which editors and spreadsheets take as a new line
// (a line feed after it would make a second one).
void TaxFeature::send_below() {
  ExchangeSender* below = context_->services().find<ExchangeSender>();
  if (below == nullptr) return;
  const ExchangeOptions options = exchange_options(context_->calculator().options());
  // Sent on the user's word, whether or not results go below by themselves; not a calculation,
  // so neither the history tape nor the output form sees it.
  below->deliver(outgoing_text(
      page_->table_text(options.mode == DeliveryMode::Whole ? "\r\n" : "\r"), options));
}

}  // namespace orvanta::win32
