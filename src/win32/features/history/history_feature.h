#pragma once
// The history tape: every finished calculation (the core's ResultOutput), kept from start-up in
// a file beside the settings file, whether or not its panel was ever opened. The panel ("历史
// 记录" in the LCD menu, or a key bound to it) is made when first opened.
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "tools/history/history_recorder.h"
#include "tools/history/history_tape.h"
#include "win32/features/feature.h"
#include "win32/features/history/history_panel.h"

namespace orvanta::win32 {

class HistoryFeature final : public Feature {
 public:
  void provide(Services& services) override;
  void attach(FeatureContext& context) override;
  void option_changed(SettingId id, const Options& now) override;

 private:
  void open();
  std::string now() const;

  FeatureContext* context_ = nullptr;
  std::unique_ptr<FileSystem> fs_;
  HistoryTape tape_;
  HistoryRecorder recorder_{tape_, [this] { return now(); }};
  std::unique_ptr<HistoryPanel> panel_;
};

}  // namespace orvanta::win32
