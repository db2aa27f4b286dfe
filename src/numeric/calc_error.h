#pragma once
// An arithmetic or conversion fault inside a key handler (overflow, division by zero, a
// logarithm of zero, a text that is no number). The handler turns it into the error display.
#include <stdexcept>

namespace orvanta {

struct CalcError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace orvanta
