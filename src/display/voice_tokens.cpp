#include "display/voice_tokens.h"

#include <array>
#include <utility>

namespace orvanta {

std::string_view voice_clip_resource(std::string_view token) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 21> kClips{{
      {"0", "S0"},   {"1", "S1"},   {"2", "S2"},   {"3", "S3"},   {"4", "S4"},  {"5", "S5"},
      {"6", "S6"},   {"7", "S7"},   {"8", "S8"},   {"9", "S9"},   {".", "SP"},  {"-", "SF"},
      {"+", "SADD"}, {"_", "SSUB"}, {"*", "SSUM"}, {"/", "SDIV"}, {"=", "SDY"}, {"c", "SC"},
      {"ce", "SCE"}, {"se", "SE"},  {"nz", "SNZ"},
  }};
  for (const auto& [name, resource] : kClips) {
    if (name == token) return resource;
  }
  return {};
}

}  // namespace orvanta
