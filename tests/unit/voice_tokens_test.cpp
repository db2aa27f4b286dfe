#include "display/voice_tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta {
namespace {

using Strings = std::vector<std::string>;

TEST(VoiceTokens, AnExponentIsSpokenWithItsWordsAroundItsDigits) {
  const struct {
    const char* number;
    Strings tokens;
  } cases[] = {
      {"12.5", {"1", "2", ".", "5"}},
      {"-3", {"-", "3"}},
      {"1E18", {"1", "E", "1", "8", "^"}},
      {"-1.5E-20", {"-", "1", ".", "5", "E", "-", "2", "0", "^"}},
      // No exponent without its digits; separators stay tokens without a clip.
      {"1,234", {"1", ",", "2", "3", "4"}},
      {"......", {".", ".", ".", ".", ".", "."}},
  };
  for (const auto& c : cases) EXPECT_EQ(read_out_tokens(c.number), c.tokens) << c.number;
}

TEST(VoiceTokens, EveryTokenOfANumberHasItsClip) {
  const struct {
    const char* token;
    const char* resource;
    int milliseconds;
  } cases[] = {{"0", "S0", 290},   {"7", "S7", 300},  {".", "SP", 250},  {"-", "SF", 300},
               {"E", "SEXP", 700}, {"^", "SCF", 500}, {"=", "SDY", 500}, {"nz", "SNZ", 1250},
               {",", "", 0},       {"e", "", 0},      {"", "", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(voice_clip_resource(c.token), c.resource) << c.token;
    EXPECT_EQ(voice_clip_milliseconds(c.token), c.milliseconds) << c.token;
  }
}

}  // namespace
}  // namespace orvanta
