#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

const char* const kChineseTexts[] = {"欢迎使用Orvanta 作者:Brenic",
                                     "人民币壹仟肆佰叁拾伍圆柒角伍分", "「开始」菜单", "",
                                     "plain ASCII 0-9"};

TEST(TextEncoding, Utf8AndUtf16RoundTrip) {
  for (const char* text : kChineseTexts) {
    EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(text)), text);
  }
}

TEST(TextEncoding, Utf16UsesSurrogatePairsAboveTheBasicPlane) {
  EXPECT_EQ(utf8_to_utf16("A€😀"), (std::u16string{u'A', 0x20AC, 0xD83D, 0xDE00}));
  EXPECT_EQ(utf16_to_utf8(u"「开始」菜单"), "「开始」菜单");
}

TEST(TextEncoding, GbkHasTheWindowsCodePage936Bytes) {
  EXPECT_EQ(utf8_to_gbk("「开始」菜单"), "\xA1\xB8\xBF\xAA\xCA\xBC\xA1\xB9\xB2\xCB\xB5\xA5");
  EXPECT_EQ(utf8_to_gbk("欢迎使用Orvanta 作者:Brenic"),
            "\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3Orvanta \xD7\xF7\xD5\xDF:Brenic");
  EXPECT_EQ(utf8_to_gbk("€"), "\x80");
}

TEST(TextEncoding, GbkRoundTrip) {
  for (const char* text : kChineseTexts) {
    EXPECT_EQ(gbk_to_utf8(utf8_to_gbk(text)), text);
  }
  // Each Chinese character takes two bytes.
  EXPECT_EQ(utf8_to_gbk("人民币壹仟肆佰叁拾伍圆柒角伍分").size(), 30u);
}

TEST(TextEncoding, RejectsInvalidUtf8) {
  for (const char* text : {"\xFF", "ab\xC3", "\xE5\xBC", "\x80", "\xC0\xAF", "\xED\xA0\x80",
                           "\xF4\x90\x80\x80", "\xE5x\xBC"}) {
    EXPECT_THROW(utf8_to_utf16(text), EncodingError) << text;
    EXPECT_THROW(utf8_to_gbk(text), EncodingError) << text;
  }
}

TEST(TextEncoding, RejectsUnpairedSurrogates) {
  for (const std::u16string& text :
       {std::u16string{0xD83D}, std::u16string{u'a', 0xDE00}, std::u16string{0xD83D, u'a'}}) {
    EXPECT_THROW(utf16_to_utf8(text), EncodingError);
  }
}

TEST(TextEncoding, RejectsGbkWithATruncatedOrBrokenPair) {
  for (const char* text : {"\xBF", "\xBF\xAA\xCA", "\x81 ", "\xB0\x7F", "\xFF\xA1"}) {
    EXPECT_THROW(gbk_to_utf8(text), EncodingError) << text;
  }
}

TEST(TextEncoding, RejectsCharactersGbkCannotHold) {
  for (const char* text : {"😀", "开始😀", "\xE2\x80\x8B" /* zero-width space */}) {
    EXPECT_THROW(utf8_to_gbk(text), EncodingError) << text;
  }
}

}  // namespace
}  // namespace orvanta
