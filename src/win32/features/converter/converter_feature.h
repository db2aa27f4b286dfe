#pragma once
// The unit converter: the grid follows the number on the LCD (the core's ConverterRefresh) and
// its window TForm2, made when the converter key first opens it, stands beside the calculator
// and follows its drags.
#include <memory>

#include "tools/units/unit_converter.h"
#include "win32/features/converter/converter_window.h"
#include "win32/features/feature.h"

namespace orvanta::win32 {

class ConverterFeature final : public Feature {
 public:
  void provide(Services& services) override { services.provide<ConverterRefresh>(converter_); }
  void attach(FeatureContext& context) override;

  void first_shown() override { close(); }
  void window_dragged(POINT offset) override;
  void mini_mode_changed(bool on) override;
  void scale_changed(const face::DisplayScale& scale) override;
  void hidden_to_tray() override { close(); }

 private:
  // kdwhs: the button going down sets the columns back; coming up it closes the converter or
  // shows it beside the calculator. The two always come in pairs.
  void converter_key(MouseButton button);
  void close();
  TForm2& window();
  POINT beside_face() const;
  void put_beside_face();

  FeatureContext* context_ = nullptr;
  UnitConverter converter_;
  std::unique_ptr<TForm2> window_;
  // Where the window stands from the calculator's top-left (at 100 %) when it is made or put back
  // beside the face; dragging moves it by the drag itself.
  POINT offset_ = TForm2::kStartOffset;
  bool key_down_ = false;
};

}  // namespace orvanta::win32
