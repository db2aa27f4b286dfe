#include "display/voice_tokens.h"

#include "face/face_layout.h"

namespace orvanta {

namespace {

const face::VoiceClip* find_clip(std::string_view token) {
  for (const face::VoiceClip& clip : face::kVoiceClips) {
    if (clip.token == token) return &clip;
  }
  return nullptr;
}

// "E", an optional "-" and at least one digit, up to the end.
bool ends_with_exponent(std::string_view number) {
  const std::size_t e = number.find('E');
  if (e == std::string_view::npos) return false;
  std::string_view exponent = number.substr(e + 1);
  if (exponent.starts_with('-')) exponent.remove_prefix(1);
  return !exponent.empty() && exponent.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string_view voice_clip_resource(std::string_view token) {
  const face::VoiceClip* clip = find_clip(token);
  return clip != nullptr ? clip->resource : std::string_view();
}

int voice_clip_milliseconds(std::string_view token) {
  const face::VoiceClip* clip = find_clip(token);
  return clip != nullptr ? clip->milliseconds : 0;
}

std::vector<std::string> read_out_tokens(std::string_view number) {
  std::vector<std::string> tokens;
  for (const char ch : number) tokens.emplace_back(1, ch);
  if (ends_with_exponent(number)) tokens.emplace_back("^");
  return tokens;
}

}  // namespace orvanta
