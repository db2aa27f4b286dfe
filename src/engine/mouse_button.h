#pragma once
// Which mouse button pressed a face key. The keyboard mapping presses keys as Left.

namespace orvanta {

enum class MouseButton { Left, Right, Middle };

}  // namespace orvanta
