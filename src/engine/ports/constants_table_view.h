#pragma once
// Port: the constants table `gird_cs`, shown by the right button of the pi key and hidden by its
// left.

namespace orvanta {

class ConstantsTableView {
 public:
  virtual ~ConstantsTableView() = default;
  virtual void show_constants_table() = 0;
  virtual void hide_constants_table() = 0;
};

}  // namespace orvanta
