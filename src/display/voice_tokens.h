#pragma once
// The voice tokens and the clip resource each one plays (face::kVoiceClips).
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Resource name of the token's clip ("S0" ... "SNZ"), or empty when the token has none
// (for example the "," of a thousands form during a read-out). Exact, case-sensitive match.
std::string_view voice_clip_resource(std::string_view token);

// How long the token's clip speaks, in milliseconds; 0 for a token without one.
int voice_clip_milliseconds(std::string_view token);

// The tokens that read a decimal number out: one per character, so an exponent's "E" says
// "乘十的" and its minus sign "负", and after the exponent's digits "^" says "次方"
// (1E-18 is 一 乘十的 负 一 八 次方).
std::vector<std::string> read_out_tokens(std::string_view number);

}  // namespace orvanta
