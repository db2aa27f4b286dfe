#pragma once
// The voice tokens and the clip resource each one plays (face::kVoiceClips).
#include <string_view>

namespace orvanta {

// Resource name of the token's clip ("S0" ... "SNZ"), or empty when the token has none
// (for example the "E" of an exponent during a read-out). Exact, case-sensitive match.
std::string_view voice_clip_resource(std::string_view token);

}  // namespace orvanta
