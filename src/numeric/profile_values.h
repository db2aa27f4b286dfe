#pragma once
// How stored texts read as numbers and flags.
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// A whole stored value as a 32-bit integer: decimal with an optional sign, or hexadecimal after
// a leading "0x" (up to eight digits, wrapping as a 32-bit pattern). Anything else, including
// an empty text or trailing characters, is not a number.
std::optional<int> parse_profile_int(std::string_view text);

// Integers and booleans read through parse_profile_int; a non-number gives the default, and a
// boolean is true for any non-zero number ("2" and "0x1" are true, "abc" is the default).
int profile_int(const std::optional<std::string>& stored, int default_value);
bool profile_bool(const std::optional<std::string>& stored, bool default_value);

// How they are written: decimal, and "1" or "0".
std::string profile_text(int value);
std::string profile_text(bool value);

}  // namespace orvanta
