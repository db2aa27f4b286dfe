// Number parsing and the writers. Parsing any text: parse_number and try_parse_number agree on
// success and value. For any finite Extended (read from text, or ten raw bytes forced into a
// valid x87 pattern, subnormals and the range's ends included): the plain text from 1E18 up
// reads back as the same value, the general text reads back as round15 and is a fixed point of
// itself, the masked texts read back close to the value, and every writer refuses infinities and
// NaNs.
#include <cmath>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "numeric/number_text.h"

namespace {

using namespace orvanta;

std::string bits_of(Extended value) {
  unsigned char bytes[10];
  std::memcpy(bytes, &value, sizeof bytes);
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

Extended read_back(const std::string& text, std::string_view writer) {
  Extended value = 0;
  fuzz::check(try_parse_number(text, value), "a written text that does not read back",
              std::string(writer) + " wrote " + text);
  return value;
}

std::string without_commas(std::string text) {
  std::erase(text, ',');
  return text;
}

void check_writers(Extended value) {
  const std::string bits = bits_of(value);
  if (!std::isfinite(value)) {
    for (auto* writer : {&fix_text, &fix_text_15, &plain_text, &general_text, &thousands_text,
                         &tooltip_text, &money_text}) {
      bool refused = false;
      try {
        (void)writer(value);
      } catch (const NumberFormatError&) {
        refused = true;
      }
      fuzz::check(refused, "a writer accepted a value that is not finite", bits);
    }
    return;
  }
  // The plain text is the masked one below 1E18, and from there on reads back exactly.
  const std::string plain = plain_text(value);
  const bool masked = plain == fix_text(value);
  fuzz::check(masked || read_back(plain, "plain_text") == value,
              "plain_text does not read back exactly", plain + " from " + bits);
  fuzz::check(masked || std::fabs(value) >= 9.99e17L,
              "plain_text is not the masked text below 1E18", plain + " from " + bits);

  const std::string general = general_text(value);
  const Extended rounded = read_back(general, "general_text");
  fuzz::check(rounded == round15(value), "general_text does not read back as round15",
              general + " from " + bits);
  fuzz::check(general_text(rounded) == general, "general_text is not a fixed point", general);

  // Masked forms: 15 decimals and 18 significant digits below 1E18, the general form above.
  const long double magnitude = std::fabs(value);
  const long double tolerance =
      magnitude < 1e18L ? std::max(5e-16L, magnitude * 5e-18L) * 1.01L + magnitude * 1e-19L
                        : magnitude * 6e-15L;
  const std::string fixed = fix_text(value);
  fuzz::check(std::fabs(read_back(fixed, "fix_text") - value) <= tolerance,
              "fix_text strays from the value", fixed + " from " + bits);
  const std::string fixed15 = fix_text_15(value);
  const long double tolerance15 =
      magnitude < 1e18L ? std::max(5e-16L, magnitude * 5e-15L) * 1.01L : magnitude * 6e-15L;
  fuzz::check(std::fabs(read_back(fixed15, "fix_text_15") - value) <= tolerance15,
              "fix_text_15 strays from the value", fixed15 + " from " + bits);
  const std::string grouped = thousands_text(value);
  fuzz::check(std::fabs(read_back(without_commas(grouped), "thousands_text") - value) <= tolerance,
              "thousands_text strays from the value", grouped + " from " + bits);
  (void)read_back(without_commas(tooltip_text(value)), "tooltip_text");

  const std::string money = money_text(value);
  const std::size_t point = money.find('.');
  fuzz::check(point != std::string::npos && point + 3 == money.size(),
              "money_text without exactly two decimals", money);
  fuzz::check(std::fabs(read_back(money, "money_text") - value) <= 0.0050001L + magnitude * 1e-18L,
              "money_text strays from the value", money + " from " + bits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::uint8_t mode = input.byte();
  if (mode & 1) {
    // Ten bytes of an x87 value; the explicit integer bit is set exactly for normal numbers,
    // as every arithmetic result has it.
    unsigned char bytes[sizeof(Extended)] = {};
    for (std::size_t i = 0; i < 10; ++i) bytes[i] = input.byte();
    const bool normal = (bytes[8] | (bytes[9] & 0x7f)) != 0;
    bytes[7] = static_cast<unsigned char>(normal ? bytes[7] | 0x80 : bytes[7] & 0x7f);
    Extended value;
    std::memcpy(&value, bytes, sizeof value);
    check_writers(value);
    return 0;
  }

  const std::string_view text = input.rest();
  Extended tried = 0;
  const bool read = try_parse_number(text, tried);
  bool parsed = true;
  Extended value = 0;
  try {
    value = parse_number(text);
  } catch (const NumberFormatError&) {
    parsed = false;
  }
  fuzz::check(read == parsed, "parse_number and try_parse_number disagree", text);
  if (!parsed) return 0;
  fuzz::check(bits_of(value) == bits_of(tried), "the two parsers give different values", text);
  check_writers(value);
  return 0;
}
