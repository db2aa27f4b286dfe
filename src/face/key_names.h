#pragma once
// What a screen reader says for each face key: its name as a person would say it in Chinese
// ("七", "加", "等于", "正弦", "存储加", "十六进制"), one entry per key of the face layout.
#include <string_view>

namespace orvanta::face {

// The spoken name of the face key `key` (its handler name), empty for no such key.
std::string_view key_spoken_name(std::string_view key);

}  // namespace orvanta::face
