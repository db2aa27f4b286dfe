#pragma once
// Plays the voice clips held in the program's resources (type "WAV"): the core's VoicePlayer.
#include <windows.h>

#include <string_view>

#include "engine/ports/voice_player.h"

namespace orvanta::win32 {

class SoundPlayer : public VoicePlayer {
 public:
  explicit SoundPlayer(HINSTANCE instance) : instance_(instance) {}
  // Plays the clip of a voice token asynchronously, cutting short any clip still playing.
  // An unknown token or a missing clip plays nothing.
  void play(std::string_view token) override;
  // Plays a clip by its resource name ("S1", "SNZ").
  void play_resource(const wchar_t* name);
  void stop();

 private:
  HINSTANCE instance_;
};

}  // namespace orvanta::win32
