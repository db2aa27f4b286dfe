#pragma once
// The exchange with the window below: finished results typed into it in the output form chosen
// in the LCD menu (the core's ResultOutput), and the grab hand on the LCD, which computes the
// text selected there.
#include <memory>

#include "tools/exchange/exchange_output.h"
#include "win32/features/feature.h"
#include "win32/system/window_exchange.h"

namespace orvanta::win32 {

class ExchangeFeature final : public Feature {
 public:
  void provide(Services& services) override;
  void attach(FeatureContext& context) override;

  void first_shown() override { show_menu_marks(); }
  void option_changed(SettingId id, const Options& now) override;
  void hand_clicked() override;

 private:
  void take_options(const Options& o);
  void set_form(OutputForm form);
  void show_menu_marks();

  FeatureContext* context_ = nullptr;
  HWND owner_ = nullptr;
  std::unique_ptr<WindowExchange> exchange_;
  std::unique_ptr<ExchangeOutput> output_;
};

}  // namespace orvanta::win32
