#include "win32/features/exchange/exchange_feature.h"

#include "tools/exchange/exchange_options.h"
#include "tools/exchange/grab_into_calculator.h"
#include "win32/chrome/menu_ids.h"
#include "win32/chrome/menus.h"

namespace orvanta::win32 {

void ExchangeFeature::provide(Services& services) {
  owner_ = services.find<FaceWindow>()->hwnd();
  exchange_ = std::make_unique<WindowExchange>(&owner_, *services.find<MessagePump>());
  output_ = std::make_unique<ExchangeOutput>(*exchange_);
  services.add<ResultOutput>(*output_);
  // Panels that send a text of their own below on the user's word (the tax table).
  services.provide<ExchangeSender>(*exchange_);
}

void ExchangeFeature::attach(FeatureContext& context) {
  context_ = &context;
  take_options(context.calculator().options());
  context.menu(kMenuAutoOutput, [this] {
    const bool on = !context_->calculator().options().auto_output;
    context_->change_option(SettingId::DeviceAutoCopyTo, on);
  });
  for (UINT id = kMenuFormFigures; id <= kMenuFormRmbFigures; ++id) {
    context.menu(id, [this, id] { set_form(static_cast<OutputForm>(id - kMenuFormFigures)); });
  }
}

void ExchangeFeature::option_changed(SettingId id, const Options& now) {
  take_options(now);
  if (id == SettingId::DeviceAutoCopyTo) show_menu_marks();
}

void ExchangeFeature::take_options(const Options& o) {
  output_->options() = exchange_options(o);
  exchange_->set_skip_topmost(o.ignore_topmost);
  exchange_->set_stay_on_top(o.stay_on_top);
}

void ExchangeFeature::set_form(OutputForm form) {
  output_->set_form(form);
  show_menu_marks();
}

void ExchangeFeature::show_menu_marks() {
  const bool on = context_->calculator().options().auto_output;
  context_->menus().show_auto_output(on);
  context_->menus().show_output_form(output_->form(), on);
}

void ExchangeFeature::hand_clicked() {
  Calculator& calculator = context_->calculator();
  // While the window below copies, a display refresh leaves the formula bar alone.
  calculator.keep_formula_bar(true);
  const std::optional<std::string> selection = exchange_->copy_selection_below();
  calculator.keep_formula_bar(false);
  grab_into_calculator(calculator, selection, output_->options().capture_operator);
}

}  // namespace orvanta::win32
