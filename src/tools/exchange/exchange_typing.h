#pragma once
// What character mode sends to the focused control of the window below: one character message
// per unit, so that Chinese wordings arrive intact in Unicode and in ANSI windows alike.
#include <string_view>
#include <vector>

namespace orvanta {

enum class TargetCharset {
  Unicode,  // the window is a Unicode window: UTF-16 units
  Gbk,      // an ANSI window on code page 936
};

// The parameters of the character messages that type `utf8`: for a Unicode window its UTF-16
// units; for an ANSI window the code-page-936 form, a double-byte character as one unit of
// lead byte times 256 plus trail byte and every other byte alone. A character code page 936
// cannot hold is left out rather than typed as something else.
std::vector<unsigned> typed_units(std::string_view utf8, TargetCharset charset);

}  // namespace orvanta
