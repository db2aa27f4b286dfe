#include "display/voice_tokens.h"

#include "face/face_layout.h"

namespace orvanta {

std::string_view voice_clip_resource(std::string_view token) {
  for (const face::VoiceClip& clip : face::kVoiceClips) {
    if (clip.token == token) return clip.resource;
  }
  return {};
}

}  // namespace orvanta
