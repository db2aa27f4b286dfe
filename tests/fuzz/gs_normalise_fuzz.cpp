// Normalisation of any UTF-8 (or broken) text: the result is ASCII, and the bracket message is
// shown exactly when nothing comes back.
#include "formula/normalise.h"
#include "fuzz/fuzz_support.h"
#include "unit/recording_formula_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RecordingFormulaHost host;
  const std::optional<std::string> normalised = gs_normalise(text, host);

  fuzz::check(normalised.has_value() == host.boxes.shown.empty(),
              "the bracket message does not match the refusal", text);
  if (!normalised) return 0;
  for (const char ch : *normalised) {
    fuzz::check(static_cast<unsigned char>(ch) < 0x80, "a byte beyond ASCII in the result",
                *normalised);
  }
  return 0;
}
