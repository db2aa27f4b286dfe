// The features, one line each: a new feature is its folder under features/ and a line here.
#include "win32/app/feature_list.h"

#include "win32/features/alarms/alarms_feature.h"
#include "win32/features/big_numbers/big_numbers_feature.h"
#include "win32/features/constants/constants_feature.h"
#include "win32/features/converter/converter_feature.h"
#include "win32/features/exchange/exchange_feature.h"
#include "win32/features/formula/formula_feature.h"
#include "win32/features/history/history_feature.h"
#include "win32/features/keyboard/keyboard_feature.h"
#include "win32/features/settings/settings_feature.h"
#include "win32/features/shortcuts/shortcuts_feature.h"
#include "win32/features/skin/skin_feature.h"
#include "win32/features/tax/tax_feature.h"
#include "win32/features/tip/tip_feature.h"

namespace orvanta::win32 {

std::vector<std::unique_ptr<Feature>> make_features() {
  std::vector<std::unique_ptr<Feature>> features;
  features.push_back(std::make_unique<ConverterFeature>());
  features.push_back(std::make_unique<ConstantsFeature>());
  features.push_back(std::make_unique<TaxFeature>());
  features.push_back(std::make_unique<AlarmsFeature>());
  features.push_back(std::make_unique<KeyboardFeature>());
  features.push_back(std::make_unique<ExchangeFeature>());
  features.push_back(std::make_unique<ShortcutsFeature>());
  features.push_back(std::make_unique<FormulaFeature>());
  features.push_back(std::make_unique<BigNumbersFeature>());
  features.push_back(std::make_unique<SettingsFeature>());
  features.push_back(std::make_unique<SkinFeature>());
  features.push_back(std::make_unique<TipFeature>());
  features.push_back(std::make_unique<HistoryFeature>());
  return features;
}

}  // namespace orvanta::win32
