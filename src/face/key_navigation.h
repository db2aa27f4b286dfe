#pragma once
// Moving a keyboard focus across the face keys: Tab walks them in the order they stand, the
// arrows go to the nearest key that way. Keys are indices into kFaceKeys.
#include <vector>

namespace orvanta::face {

// Rows top to bottom (keys whose tops lie within a third of a key's height of the row's first
// form one row), each left to right.
const std::vector<int>& keys_in_reading_order();

enum class KeyStep { Next, Previous, Left, Right, Up, Down };

// Where `step` leads from key `from`: Next and Previous go round the reading order (from -1 to
// its first or last key); an arrow goes to the nearest key whose centre lies that way, and stays
// when there is none.
int step_key_focus(int from, KeyStep step);

}  // namespace orvanta::face
