#include "win32/system/sound_player.h"

#include <mmsystem.h>

#include "display/voice_tokens.h"
#include "platform/wide.h"

namespace orvanta::win32 {

void SoundPlayer::play(std::string_view token) {
  const std::string_view clip = voice_clip_resource(token);
  if (!clip.empty()) play_resource(to_wide(clip).c_str());
}

void SoundPlayer::play_resource(const wchar_t* name) {
  const HRSRC found = FindResourceW(instance_, name, L"WAV");
  if (found == nullptr) return;
  const HGLOBAL loaded = LoadResource(instance_, found);
  if (loaded == nullptr) return;
  // Resource memory lives as long as the module, so the asynchronous play may keep using it.
  const void* image = LockResource(loaded);
  if (image == nullptr) return;
  PlaySoundW(static_cast<LPCWSTR>(image), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void SoundPlayer::stop() {
  PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace orvanta::win32
