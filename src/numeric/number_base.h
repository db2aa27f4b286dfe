#pragma once
// The four bases the calculator computes in.

namespace orvanta {

enum class NumberBase { Hex, Dec, Oct, Bin };

}  // namespace orvanta
