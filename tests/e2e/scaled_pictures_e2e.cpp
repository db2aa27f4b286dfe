// The pictures of every display scale as the program loads them from orvanta.exe: each at its
// own size (a scale without pictures of its own gets the next larger ones scaled down), and the
// hover face filled in from the normal one outside the keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "face/display_scale.h"
#include "harness.h"
#include "win32/window/scaled_pictures.h"

namespace orvanta::e2e {
namespace {

struct Size {
  const char* picture;
  int width, height;  // at 100 %
};

constexpr Size kSizes[] = {
    {"Image1", face::kMaskWidth, face::kMaskHeight},
    {"Image2", face::kFaceWidth, face::kFaceHeight},
    {"D8", face::kGlyphWidth, face::kGlyphHeight},
    {"PT_MODE", 20, 11},
    {"add_on", 9, 9},
    {"MENU_ON", 16, 16},
};

class ScaledPicturesE2e : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW((program_folder() + L"\\orvanta.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_P(ScaledPicturesE2e, EveryPictureHasItsSizeAtTheScale) {
  const face::DisplayScale scale(GetParam());
  win32::ScaledPictures pictures(module_, scale);
  for (const Size& s : kSizes) {
    const BgrImage image = pictures.load(s.picture);
    EXPECT_EQ(image.width(), scale(s.width)) << s.picture << " at " << scale.dpi();
    EXPECT_EQ(image.height(), scale(s.height)) << s.picture << " at " << scale.dpi();
  }
}

INSTANTIATE_TEST_SUITE_P(Dpis, ScaledPicturesE2e, ::testing::Values(96, 120, 144, 168, 192));

}  // namespace
}  // namespace orvanta::e2e
