#pragma once
// The program's pictures at the face's display scale. 100 % comes from the BITMAP resources as
// always; the other prepared scales are PNGs ("<name>_<dpi>" RCDATA), decoded by WIC only when
// a window shows at that scale; a scale without its own is resampled from the next larger.
#include <windows.h>

#include <optional>
#include <string_view>

#include "face/bgr_image.h"
#include "face/display_scale.h"
#include "win32/system/shell_link.h"

struct IWICImagingFactory;

namespace orvanta::win32 {

class ScaledPictures {
 public:
  ScaledPictures(HINSTANCE instance, const face::DisplayScale& scale);
  ScaledPictures(const ScaledPictures&) = delete;
  ScaledPictures& operator=(const ScaledPictures&) = delete;
  ~ScaledPictures();

  const face::DisplayScale& scale() const { return scale_; }
  // The dpi of the pictures drawn from (the scale's own, or the next larger).
  int source_dpi() const { return scale_.pictures_dpi(); }

  // The named picture as prepared for source_dpi(), not yet fitted.
  BgrImage source(std::string_view name);
  // A source picture brought to the scale's own size (itself where the scale has its pictures).
  BgrImage fit(BgrImage picture) const;
  // Both at once.
  BgrImage load(std::string_view name) { return fit(source(name)); }

 private:
  HINSTANCE instance_;
  face::DisplayScale scale_;
  std::optional<ComApartment> com_;  // only where PNGs are decoded
  ComPtr<IWICImagingFactory> factory_;

  BgrImage decode_png(std::string_view name);
};

}  // namespace orvanta::win32
