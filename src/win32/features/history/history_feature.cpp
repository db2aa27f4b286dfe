#include "win32/features/history/history_feature.h"

#include "tools/keyboard/key_bindings.h"
#include "win32/chrome/menu_ids.h"
#include "win32/panels/formula_links.h"

namespace orvanta::win32 {

void HistoryFeature::provide(Services& services) {
  services.add<ResultOutput>(recorder_);
}

void HistoryFeature::attach(FeatureContext& context) {
  context_ = &context;
  fs_ = make_native_file_system();
  // Nothing is read yet: the file is read when the first line comes or the panel opens.
  tape_ = HistoryTape(*fs_, tape_file_beside(context.settings().path()));
  context.menu(kMenuHistory, [this] { open(); });
  context.key(kHistoryButton, [this](MouseButton) { open(); });
  context.holds_keys_while([this] { return panel_ && panel_->visible(); });
}

void HistoryFeature::option_changed(SettingId id, const Options& now) {
  if (id == SettingId::ColorSkin && panel_) panel_->set_skin_shift(now.skin_shift);
}

std::string HistoryFeature::now() const {
  if (context_ == nullptr) return tape_timestamp(2000, 1, 1, 0, 0, 0);
  const SYSTEMTIME t = context_->clock().local_time();
  return tape_timestamp(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

void HistoryFeature::open() {
  if (!panel_) {
    Calculator& calculator = context_->calculator();
    const FormulaLinks* links = context_->services().find<FormulaLinks>();
    HistoryPanel::Actions actions;
    actions.enter = [this, &calculator](const TapeEntry& entry) {
      if (const std::optional<Extended> value = tape_value(entry)) {
        calculator.enter_number(*value, entry.value);
      } else {
        MessageBeep(MB_ICONWARNING);  // beyond what the LCD holds
      }
    };
    if (links != nullptr && links->open_with) {
      actions.formula = [open_with = links->open_with](const TapeEntry& entry) {
        open_with(entry.calculation);
      };
    }
    panel_ = std::make_unique<HistoryPanel>(context_->panels(), tape_, context_->boxes(), *fs_,
                                            std::move(actions), calculator.options().skin_shift);
    panel_->create(context_->window().hwnd());
    tape_.listen([this](const TapeChange& change) { panel_->changed(change); });
  }
  panel_->open();
}

}  // namespace orvanta::win32
