#pragma once
// Plays the voice clips held in the program's resources (type "WAV").
#include <windows.h>

#include <string_view>

namespace orvanta::win32 {

class SoundPlayer {
 public:
  explicit SoundPlayer(HINSTANCE instance) : instance_(instance) {}
  // Plays the clip of a voice token asynchronously, cutting short any clip still playing.
  // An unknown token or a missing clip plays nothing.
  void play(std::string_view token);
  // Plays a clip by its resource name ("S1", "SNZ").
  void play_resource(const wchar_t* name);
  void stop();

 private:
  HINSTANCE instance_;
};

}  // namespace orvanta::win32
