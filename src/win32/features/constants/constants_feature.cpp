#include "win32/features/constants/constants_feature.h"

#include "tools/constants_table.h"

namespace orvanta::win32 {

void ConstantsFeature::show_constants_table() {
  if (!grid_) {
    grid_ = std::make_unique<ConstantsGrid>(
        context_->panels(), [this](int row) { pick_constant(context_->calculator(), row); });
    grid_->create(context_->window().hwnd());
  }
  grid_->show();
}

void ConstantsFeature::hide_constants_table() {
  if (grid_) grid_->hide();
}

}  // namespace orvanta::win32
