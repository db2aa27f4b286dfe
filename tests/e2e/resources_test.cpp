// Every picture and clip that orvanta.exe carries: present, of the right size and format, and
// the outline mask in agreement with the faces.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "face/face_layout.h"

namespace {

using orvanta::face::kFaceHeight;
using orvanta::face::kFaceWidth;

std::wstring widen(std::string_view text) {
  return std::wstring(text.begin(), text.end());  // resource names are ASCII
}

class ProgramResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    ASSERT_GT(n, 0u);
    std::wstring dir(path, n);
    dir.resize(dir.find_last_of(L"\\/") + 1);
    module_ = LoadLibraryExW((dir + L"orvanta.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }
  static void TearDownTestSuite() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "orvanta.exe not found beside the test"; }

  // The bytes of one resource, empty when it is missing.
  static std::vector<std::uint8_t> bytes(const wchar_t* name, const wchar_t* type) {
    HRSRC found = FindResourceW(module_, name, type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return {};
    const auto* p = static_cast<const std::uint8_t*>(data);
    return std::vector<std::uint8_t>(p, p + SizeofResource(module_, found));
  }

  static HMODULE module_;
};

HMODULE ProgramResources::module_ = nullptr;

// A bitmap resource decoded to 24-bit rows, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  int bits = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3, red first

  const std::uint8_t* at(int x, int y) const { return &rgb[(y * width + x) * 3]; }
  bool is_white(int x, int y) const {
    const std::uint8_t* p = at(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  }
};

Picture decode(const std::vector<std::uint8_t>& dib) {
  Picture pic;
  if (dib.size() < sizeof(BITMAPINFOHEADER)) return pic;
  BITMAPINFOHEADER info;
  std::memcpy(&info, dib.data(), sizeof info);
  pic.width = info.biWidth;
  pic.height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
  pic.bits = info.biBitCount;
  if (info.biCompression != BI_RGB || (pic.bits != 1 && pic.bits != 24)) return pic;
  const std::size_t colours = pic.bits == 1 ? (info.biClrUsed ? info.biClrUsed : 2) : 0;
  const std::uint8_t* palette = dib.data() + info.biSize;
  const std::uint8_t* bits = palette + colours * 4;
  const std::size_t stride = ((pic.width * pic.bits + 31) / 32) * 4;
  if (dib.size() < info.biSize + colours * 4 + stride * pic.height) {
    pic.bits = 0;
    return pic;
  }
  pic.rgb.resize(static_cast<std::size_t>(pic.width) * pic.height * 3);
  for (int y = 0; y < pic.height; ++y) {
    const int src_row = info.biHeight > 0 ? pic.height - 1 - y : y;
    const std::uint8_t* row = bits + stride * src_row;
    for (int x = 0; x < pic.width; ++x) {
      const std::uint8_t* bgr;
      if (pic.bits == 24) {
        bgr = row + x * 3;
      } else {
        bgr = palette + ((row[x / 8] >> (7 - x % 8)) & 1) * 4;
      }
      std::uint8_t* out = &pic.rgb[(y * pic.width + x) * 3];
      out[0] = bgr[2];
      out[1] = bgr[1];
      out[2] = bgr[0];
    }
  }
  return pic;
}

struct BitmapCase {
  const char* name;
  int width;
  int height;
  int bits;
};

TEST_F(ProgramResources, EveryBitmapIsPresentWithItsSizeAndDepth) {
  std::vector<BitmapCase> cases = {
      {"Image1", orvanta::face::kMaskWidth, orvanta::face::kMaskHeight, 1},
      {"Image2", kFaceWidth, kFaceHeight, 24},
      {"Image3", kFaceWidth, kFaceHeight, 24},
      {"Image4", kFaceWidth, kFaceHeight, 24},
      {"MENU_ON", 16, 16, 24},
      {"MENU_OFF", 16, 16, 24},
      {"MENU_MARK", 16, 16, 24},
  };
  for (const char* glyph : {"D0", "D1", "D2", "D3", "D4", "D5",  "D6", "D7", "D8",  "D9",
                            "DA", "DB", "DC", "DD", "DE", "DFF", "DP", "DF", "DQW", "DMH"}) {
    cases.push_back({glyph, 21, 48, 24});
  }
  for (const auto& indicator : orvanta::face::kIndicators) {
    cases.push_back({indicator.name.data(), indicator.rect.width, indicator.rect.height, 24});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring name = widen(c.name);
    const Picture pic = decode(bytes(name.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */));
    EXPECT_EQ(pic.width, c.width);
    EXPECT_EQ(pic.height, c.height);
    EXPECT_EQ(pic.bits, c.bits);
  }
}

TEST_F(ProgramResources, GlyphsAndIndicatorsSitOnTheLcdColour) {
  const auto& lcd = orvanta::face::kLcdColour;
  for (const char* name : {"D0", "DP", "DMH", "sound_on", "KX_MODE", "add_on"}) {
    SCOPED_TRACE(name);
    const std::wstring wide = widen(name);
    const Picture pic = decode(bytes(wide.c_str(), MAKEINTRESOURCEW(2)));
    ASSERT_FALSE(pic.rgb.empty());
    const std::uint8_t* corner = pic.at(0, 0);
    EXPECT_EQ(corner[0], lcd.red);
    EXPECT_EQ(corner[1], lcd.green);
    EXPECT_EQ(corner[2], lcd.blue);
    int dark = 0;
    for (int y = 0; y < pic.height; ++y) {
      for (int x = 0; x < pic.width; ++x) dark += pic.at(x, y)[1] < 128;
    }
    EXPECT_GT(dark, 0) << "nothing drawn";
  }
}

TEST_F(ProgramResources, MaskOutlineMatchesEveryFace) {
  const Picture mask = decode(bytes(L"Image1", MAKEINTRESOURCEW(2)));
  ASSERT_EQ(mask.bits, 1);
  // Row 0 holds exactly the crest; the body ends at row 509.
  std::vector<int> top;
  for (int x = 0; x < mask.width; ++x) {
    if (!mask.is_white(x, 0)) top.push_back(x);
  }
  ASSERT_EQ(top.size(), 48u);
  EXPECT_EQ(top.front(), 214);
  EXPECT_EQ(top.back(), 261);
  for (int y = 510; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) ASSERT_TRUE(mask.is_white(x, y)) << x << "," << y;
  }
  for (const wchar_t* name : {L"Image2", L"Image3", L"Image4"}) {
    const Picture face = decode(bytes(name, MAKEINTRESOURCEW(2)));
    ASSERT_EQ(face.bits, 24);
    int painted_outside = 0;
    int unpainted_inside = 0;
    for (int y = 0; y < face.height; ++y) {
      for (int x = 0; x < face.width; ++x) {
        const bool outside = mask.is_white(x, y);
        painted_outside += outside && !face.is_white(x, y);
        unpainted_inside += !outside && face.is_white(x, y);
      }
    }
    EXPECT_EQ(painted_outside, 0) << "face pixels outside the outline";
    EXPECT_EQ(unpainted_inside, 0) << "background showing inside the outline";
  }
}

// The keys cut their looks from the three faces, so the faces may differ only inside key
// rectangles (and, in the hover face, where the base switch's looks are kept).
TEST_F(ProgramResources, FacesDifferOnlyWhereKeysCutTheirLooks) {
  const Picture normal = decode(bytes(L"Image2", MAKEINTRESOURCEW(2)));
  ASSERT_EQ(normal.bits, 24);
  std::vector<bool> cut(static_cast<std::size_t>(kFaceWidth) * kFaceHeight, false);
  auto mark = [&](int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) cut[y * kFaceWidth + x] = true;
    }
  };
  for (const auto& key : orvanta::face::kFaceKeys) {
    mark(key.rect.left, key.rect.top, key.rect.width, key.rect.height);
  }
  const auto& strip = orvanta::face::kStrip;
  for (int x : orvanta::face::kStripLookX) {
    mark(x, orvanta::face::kStripLookY, strip.width, strip.height);
  }
  for (const wchar_t* name : {L"Image3", L"Image4"}) {
    const Picture other = decode(bytes(name, MAKEINTRESOURCEW(2)));
    ASSERT_EQ(other.bits, 24);
    int stray = 0;
    int inside_keys = 0;
    for (int i = 0; i < kFaceWidth * kFaceHeight; ++i) {
      const bool same = std::memcmp(&normal.rgb[i * 3], &other.rgb[i * 3], 3) == 0;
      if (cut[i]) {
        inside_keys += !same;
      } else {
        stray += !same;
      }
    }
    EXPECT_EQ(stray, 0);
    EXPECT_GT(inside_keys, 10000) << "keys look the same in every face";
  }
}

struct ClipCase {
  const char* name;
  double seconds;
};

TEST_F(ProgramResources, EveryClipIsMono8BitPcmOfItsLength) {
  const ClipCase cases[] = {
      {"S0", 0.29},   {"S1", 0.29},   {"S2", 0.29},   {"S3", 0.29},   {"S4", 0.29},  {"S5", 0.29},
      {"S6", 0.29},   {"S7", 0.30},   {"S8", 0.29},   {"S9", 0.29},   {"SP", 0.25},  {"SF", 0.30},
      {"SADD", 0.29}, {"SSUB", 0.33}, {"SSUM", 0.53}, {"SDIV", 0.50}, {"SDY", 0.50}, {"SC", 0.45},
      {"SCE", 0.58},  {"SE", 0.45},   {"SEXP", 0.70}, {"SCF", 0.50},  {"SNZ", 1.25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring name = widen(c.name);
    const std::vector<std::uint8_t> wav = bytes(name.c_str(), L"WAV");
    ASSERT_GE(wav.size(), 44u);
    ASSERT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    ASSERT_EQ(std::memcmp(wav.data() + 8, "WAVE", 4), 0);
    const std::uint8_t* fmt = nullptr;
    const std::uint8_t* data = nullptr;
    std::uint32_t data_size = 0;
    for (std::size_t at = 12; at + 8 <= wav.size();) {
      std::uint32_t size;
      std::memcpy(&size, wav.data() + at + 4, 4);
      if (std::memcmp(wav.data() + at, "fmt ", 4) == 0) fmt = wav.data() + at + 8;
      if (std::memcmp(wav.data() + at, "data", 4) == 0) {
        data = wav.data() + at + 8;
        data_size = size;
      }
      at += 8 + size + (size & 1);
    }
    ASSERT_NE(fmt, nullptr);
    ASSERT_NE(data, nullptr);
    ASSERT_LE(data + data_size, wav.data() + wav.size());
    // fmt: format tag, channels, samples per second, bytes per second, block, bits.
    std::uint16_t tag, channels, bits;
    std::uint32_t rate;
    std::memcpy(&tag, fmt, 2);
    std::memcpy(&channels, fmt + 2, 2);
    std::memcpy(&rate, fmt + 4, 4);
    std::memcpy(&bits, fmt + 14, 2);
    EXPECT_EQ(tag, 1) << "not PCM";
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(rate, 22050u);
    EXPECT_EQ(bits, 8);
    EXPECT_NEAR(data_size / 22050.0, c.seconds, 0.1);
    // The sound starts at once and is normalised close to full scale.
    int lead = 0;
    int peak = 0;
    for (std::uint32_t i = 0; i < data_size; ++i) {
      const int level = data[i] > 128 ? data[i] - 128 : 128 - data[i];
      if (i < 220) lead = level > lead ? level : lead;
      peak = level > peak ? level : peak;
    }
    EXPECT_GE(lead, 3) << "silence in the first 10 ms";
    EXPECT_GE(peak, 100);
  }
}

// The small and large icon of 100, 125, 150 and 200 %, and the shell's large view.
TEST_F(ProgramResources, IconHasTheShellSizesAtEveryScale) {
  const std::wstring name = widen(orvanta::face::kIconResource);
  const std::vector<std::uint8_t> group = bytes(name.c_str(), MAKEINTRESOURCEW(14));
  ASSERT_GE(group.size(), 6u);
  std::uint16_t count;
  std::memcpy(&count, group.data() + 4, 2);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const int width = group[6 + 14 * i];
    sizes.push_back(width == 0 ? 256 : width);
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST_F(ProgramResources, ManifestAndVersionArePresent) {
  const std::vector<std::uint8_t> manifest = bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  const std::string text(manifest.begin(), manifest.end());
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_NE(text.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_FALSE(bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)).empty());
}

}  // namespace
