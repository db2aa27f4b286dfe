#pragma once
// Every feature of the calculator beyond its keypad, in the order they are attached.
#include <memory>
#include <vector>

#include "win32/features/feature.h"

namespace orvanta::win32 {

std::vector<std::unique_ptr<Feature>> make_features();

}  // namespace orvanta::win32
