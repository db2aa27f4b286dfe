#pragma once
// The settings file's code page (GBK) on both builds, whatever the system locale.
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// nullopt when the bytes are not valid GBK.
std::optional<std::string> ini_decode(std::string_view gbk);

// Characters that GBK lacks, and bytes that are not UTF-8, become "?" (Windows writes its
// default character for them too).
std::string ini_encode(std::string_view utf8);

}  // namespace orvanta
