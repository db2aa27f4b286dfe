#pragma once
// Port: plays the recorded clip of one voice token, asynchronously, cutting off any clip still
// playing. A token without a clip plays nothing (see voice_tokens.h).
#include <string_view>

namespace orvanta {

class VoicePlayer {
 public:
  virtual ~VoicePlayer() = default;
  virtual void play(std::string_view token) = 0;
};

}  // namespace orvanta
