// Every character of the unit and constants tables draws in the panels' font and the formula
// bar's bold one ("宋体" at 12 pixels, through the system's font substitutes and links): none is
// left empty or drawn as a missing glyph's box.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wide.h"
#include "tools/constants_table.h"
#include "tools/units/unit_table.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {
namespace {

// The characters beyond ASCII and the common CJK ideographs in the tables' texts.
std::set<wchar_t> table_symbols() {
  std::set<wchar_t> symbols;
  const auto add = [&](std::string_view text) {
    for (const wchar_t ch : to_wide(text)) {
      if (ch > 0x7F && !(ch >= 0x4E00 && ch <= 0x9FFF)) symbols.insert(ch);
    }
  };
  for (const UnitCategory& category : unit_categories()) {
    add(category.header);
    for (const UnitRow& row : category.units) add(row.text);
  }
  for (const ConstantRow& row : constants_table()) {
    add(row.name);
    add(row.value);
    add(row.unit);
  }
  return symbols;
}

// The pixels of `text` drawn black on white in a 32 by 32 bitmap, as a control draws it.
class Glyphs {
 public:
  explicit Glyphs(int weight) : font_(make_song_font(12, weight)) {
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    ReleaseDC(nullptr, screen);
    old_bitmap_ = SelectObject(dc_, bitmap_);
    old_font_ = SelectObject(dc_, font_.get());
  }
  ~Glyphs() {
    SelectObject(dc_, old_font_);
    SelectObject(dc_, old_bitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Glyphs(const Glyphs&) = delete;
  Glyphs& operator=(const Glyphs&) = delete;

  std::vector<DWORD> draw(std::wstring_view text) {
    const RECT all{0, 0, kSide, kSide};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkMode(dc_, TRANSPARENT);
    RECT at = all;
    DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &at, DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits_);
    return {pixels, pixels + kSide * kSide};
  }

 private:
  static constexpr int kSide = 32;
  UniqueFont font_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  void* bits_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  HGDIOBJ old_font_ = nullptr;
};

TEST(TableSymbols, EachDrawsAsItsGlyph) {
  const std::set<wchar_t> symbols = table_symbols();
  ASSERT_TRUE(symbols.contains(L'℃'));
  for (const int weight : {FW_NORMAL, FW_BOLD}) {
    Glyphs glyphs(weight);
    const std::vector<DWORD> blank = glyphs.draw(L" ");
    // A private-use character no font here has: the missing glyph's picture.
    const std::vector<DWORD> missing = glyphs.draw(L"\xE000");
    for (const wchar_t symbol : symbols) {
      const std::vector<DWORD> drawn = glyphs.draw(std::wstring_view(&symbol, 1));
      EXPECT_TRUE(drawn != blank && drawn != missing)
          << "U+" << std::hex << static_cast<int>(symbol) << " in weight " << std::dec << weight
          << (drawn == blank ? " draws nothing" : " draws as a missing glyph");
    }
  }
}

}  // namespace
}  // namespace orvanta::win32
