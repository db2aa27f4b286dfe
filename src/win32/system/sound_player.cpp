#include "win32/system/sound_player.h"

#include <mmsystem.h>

#include <array>
#include <utility>

namespace orvanta::win32 {

const wchar_t* clip_for_token(std::string_view token) {
  static constexpr std::array<std::pair<std::string_view, const wchar_t*>, 21> kClips = {{
      {"0", L"S0"},   {"1", L"S1"},   {"2", L"S2"},   {"3", L"S3"},   {"4", L"S4"},  {"5", L"S5"},
      {"6", L"S6"},   {"7", L"S7"},   {"8", L"S8"},   {"9", L"S9"},   {".", L"SP"},  {"-", L"SF"},
      {"+", L"SADD"}, {"_", L"SSUB"}, {"*", L"SSUM"}, {"/", L"SDIV"}, {"=", L"SDY"}, {"c", L"SC"},
      {"ce", L"SCE"}, {"se", L"SE"},  {"nz", L"SNZ"},
  }};
  for (const auto& [t, clip] : kClips) {
    if (t == token) return clip;
  }
  return nullptr;
}

void SoundPlayer::play(std::string_view token) {
  if (const wchar_t* clip = clip_for_token(token)) play_resource(clip);
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
