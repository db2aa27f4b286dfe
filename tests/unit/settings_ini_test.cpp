#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/text_encoding.h"
#include "settings/ini_document.h"

namespace orvanta {
namespace {

struct GetCase {
  const char* file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

class IniGet : public ::testing::TestWithParam<GetCase> {};

TEST_P(IniGet, ReadsAsThePrivateProfileFunctionsDo) {
  const GetCase& c = GetParam();
  EXPECT_EQ(IniDocument::from_bytes(c.file).get(c.section, c.key), c.expected) << c.file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniGet,
    ::testing::Values(
        GetCase{"[Setup]\r\nDevice_1000=1\r\n", "Setup", "Device_1000", "1"},
        GetCase{"[setup]\r\ndevice_1000=1\r\n", "SETUP", "Device_1000", "1"},
        GetCase{"  [ Setup ]  \r\n  Device_1000   =   1  \r\n", "Setup", "Device_1000", "1"},
        GetCase{"[Setup]\tignored\r\nTab=\t a b \t\r\n", "Setup", "Tab", "a b"},
        GetCase{"[Setup]\r\nA=\"quoted value\"\r\n", "Setup", "A", "quoted value"},
        GetCase{"[Setup]\r\nA='single'\r\n", "Setup", "A", "single"},
        GetCase{"[Setup]\r\nA=\"unbalanced\r\n", "Setup", "A", "\"unbalanced"},
        GetCase{"[Setup]\r\nA=\"mixed'\r\n", "Setup", "A", "\"mixed'"},
        GetCase{"[Setup]\r\nA=\"\r\n", "Setup", "A", "\""},
        GetCase{"[Setup]\r\nA=\"\"\r\n", "Setup", "A", ""},
        GetCase{"[Setup]\r\nA=x=y\r\n", "Setup", "A", "x=y"},
        GetCase{"[Setup]\r\nA=\r\n", "Setup", "A", ""},
        GetCase{"[Setup]\r\nA\r\n", "Setup", "A", std::nullopt},
        GetCase{"[Setup]\r\n;A=1\r\n", "Setup", "A", std::nullopt},
        GetCase{"[Setup]\r\nA=1\r\nA=2\r\n", "Setup", "A", "1"},
        // Only the first section of a name is looked at.
        GetCase{"[Setup]\r\nA=1\r\n[Setup]\r\nA=2\r\nB=3\r\n", "Setup", "A", "1"},
        GetCase{"[Setup]\r\nA=1\r\n[Setup]\r\nB=3\r\n", "Setup", "B", std::nullopt},
        GetCase{"A=1\r\n[Setup]\r\n", "Setup", "A", std::nullopt},
        GetCase{"[Other]\r\nA=1\r\n[Setup]\r\n", "Setup", "A", std::nullopt},
        GetCase{"[Setup]\nA=1\nB=2", "Setup", "B", "2"}, GetCase{"", "Setup", "A", std::nullopt},
        // GBK bytes of the Chinese text come back as UTF-8.
        GetCase{"[KeyBord]\r\nKey27=\xB5\xE7\xD4\xB4\r\n", "KeyBord", "Key27", "电源"},
        // The GBK character B0 5D ends in the byte of "]" and must not end the name early.
        GetCase{"[\xB0\x5D]\r\nA=1\r\n", "癩", "A", "1"}));

struct SetCase {
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

class IniSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(IniSet, ChangesOnlyTheOneLine) {
  const SetCase& c = GetParam();
  IniDocument document = IniDocument::from_bytes(c.before);
  document.set(c.section, c.key, c.value);
  EXPECT_EQ(document.to_bytes(), c.after) << c.before;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniSet,
    ::testing::Values(
        SetCase{"", "Setup", "A", "1", "[Setup]\r\nA=1\r\n"},
        SetCase{"[Setup]\r\nA=1\r\nB=2\r\n", "setup", "a", "0", "[Setup]\r\nA=0\r\nB=2\r\n"},
        SetCase{"[Setup]\r\n  A = 1  \r\n", "Setup", "A", "5", "[Setup]\r\nA=5\r\n"},
        SetCase{"[Setup]\r\nA=1\r\n\r\n[Other]\r\nX=1\r\n", "Setup", "B", "2",
                "[Setup]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nX=1\r\n"},
        SetCase{"[Setup]\r\n; note\r\n[Other]\r\n", "Setup", "B", "2",
                "[Setup]\r\nB=2\r\n; note\r\n[Other]\r\n"},
        SetCase{"; head\r\n[Other]\r\nX = keep  spacing \r\n", "Setup", "A", "1",
                "; head\r\n[Other]\r\nX = keep  spacing \r\n[Setup]\r\nA=1\r\n"},
        SetCase{"[Other]\r\nX=1", "Setup", "A", "1", "[Other]\r\nX=1\r\n[Setup]\r\nA=1\r\n"},
        SetCase{"[Setup]\r\nA=1", "Setup", "B", "2", "[Setup]\r\nA=1\r\nB=2\r\n"},
        SetCase{"[Setup]\r\nA=1", "Setup", "A", "2", "[Setup]\r\nA=2"},
        SetCase{"[Setup]\nA=1\n", "Setup", "B", "2", "[Setup]\nA=1\nB=2\n"},
        SetCase{"[Setup]\r\nA=1\r\n[Setup]\r\nB=1\r\n", "Setup", "B", "2",
                "[Setup]\r\nA=1\r\nB=2\r\n[Setup]\r\nB=1\r\n"},
        SetCase{"[Setup]\r\n", "Setup", "A", "line\r\nInjected=1",
                "[Setup]\r\nA=line  Injected=1\r\n"},
        // Untouched lines that are not valid GBK come back byte for byte.
        SetCase{"[Setup]\r\nBad=\x81\r\n", "Setup", "A", "1", "[Setup]\r\nA=1\r\nBad=\x81\r\n"},
        // A broken UTF-8 sequence at the end of a value becomes "?" and keeps its line break.
        SetCase{"[Setup]\r\nB=1\r\n", "Setup", "A", "x\xF9", "[Setup]\r\nB=1\r\nA=x?\r\n"},
        SetCase{"[Welcome]\r\n", "Welcome", "Text", "欢迎",
                "[Welcome]\r\nText=\xBB\xB6\xD3\xAD\r\n"}));

TEST(IniDocument, CharactersGbkLacksAreWrittenAsQuestionMarks) {
  IniDocument document;
  document.set("Welcome", "Text", "aกb");  // a Thai letter
  EXPECT_EQ(document.to_bytes(), "[Welcome]\r\nText=a?b\r\n");
}

// A file saved by an editor with a byte-order mark is read in its own encoding and keeps that
// encoding, mark included, when changed; characters GBK lacks survive there.
struct MarkedCase {
  const char* name;
  std::string (*encode)(std::u16string_view);
};

std::string utf8_with_mark(std::u16string_view text) {
  return "\xEF\xBB\xBF" + utf16_to_utf8(text);
}
std::string utf16_with_mark(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

class IniMarked : public ::testing::TestWithParam<MarkedCase> {};

TEST_P(IniMarked, ReadsAndWritesInTheFilesOwnEncoding) {
  const MarkedCase& c = GetParam();
  const std::string before = c.encode(u"[Setup]\r\nDevice_point=2\r\n[KeyBord]\r\nKey27=电源");
  IniDocument document = IniDocument::from_bytes(before);
  EXPECT_EQ(document.to_bytes(), before);
  EXPECT_EQ(document.get("Setup", "Device_point"), "2");
  EXPECT_EQ(document.get("KeyBord", "Key27"), "电源");

  document.set("Setup", "Device_point", "5");
  document.set("Welcome", "Text", "欢迎 €😀");
  EXPECT_EQ(document.to_bytes(),
            c.encode(u"[Setup]\r\nDevice_point=5\r\n[KeyBord]\r\nKey27=电源\r\n"
                     u"[Welcome]\r\nText=欢迎 €😀\r\n"));
  EXPECT_EQ(IniDocument::from_bytes(document.to_bytes()).get("Welcome", "Text"), "欢迎 €😀");
}

INSTANTIATE_TEST_SUITE_P(
    Marks, IniMarked,
    ::testing::Values(
        MarkedCase{"Utf8", utf8_with_mark},
        MarkedCase{"Utf16Le", [](std::u16string_view t) { return utf16_with_mark(t, false); }},
        MarkedCase{"Utf16Be", [](std::u16string_view t) { return utf16_with_mark(t, true); }}),
    [](const ::testing::TestParamInfo<MarkedCase>& info) { return std::string(info.param.name); });

TEST(IniDocument, AFileWithoutAMarkStaysGbkEvenWhenItsBytesAreUtf8) {
  // "电源" in UTF-8 is no valid GBK: the line is kept as it is and a new value goes in as GBK.
  IniDocument document = IniDocument::from_bytes("[Setup]\r\nA=\xE7\x94\xB5\xE6\xBA\x90\r\n");
  EXPECT_EQ(document.encoding(), IniEncoding::Gbk);
  document.set("Setup", "B", "电源");
  EXPECT_EQ(document.to_bytes(), "[Setup]\r\nA=\xE7\x94\xB5\xE6\xBA\x90\r\nB=\xB5\xE7\xD4\xB4\r\n");
}

TEST(IniDocument, BrokenUtf16LinesAreKeptAsTheyAre) {
  // A lone surrogate on one line and an odd byte at the end: both kept, the rest still read.
  const std::string bytes = utf16_with_mark(u"[Setup]\r\nA=1\r\n", false) +
                            std::string("B\0=\0\x00\xD8\r\0\n\0", 10) + "\x41";
  IniDocument document = IniDocument::from_bytes(bytes);
  EXPECT_EQ(document.to_bytes(), bytes);
  EXPECT_EQ(document.get("Setup", "A"), "1");
  EXPECT_EQ(document.get("Setup", "B"), std::nullopt);
}

}  // namespace
}  // namespace orvanta
