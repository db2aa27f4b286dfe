#pragma once
// The face off-screen: the whole client area composed from the face pictures, which the skin's
// hue shift recolours from copies kept unrecoloured, with the base strip beside the base
// buttons. The window copies it to the screen; the keys and the LCD draw onto it.
#include <windows.h>

#include "engine/ports/base_strip.h"
#include "face/bgr_image.h"
#include "face/display_scale.h"
#include "win32/window/dib.h"
#include "win32/window/image_key.h"
#include "win32/window/scaled_pictures.h"

namespace orvanta::win32 {

class FaceCanvas : public BaseStrip {
 public:
  // `owner` is where the window's handle will be: what changes is invalidated there.
  explicit FaceCanvas(const HWND* owner) : owner_(owner) {}

  // Loads the pictures of the scale and composes the face, on a canvas of the client area's
  // size at that scale, with an empty LCD and the strip of the base last shown, recoloured by
  // the shift last applied. Called again when the window's scale changes.
  void create(ScaledPictures& pictures);
  const face::DisplayScale& scale() const { return scale_; }
  Dib& dib() { return canvas_; }
  FacePictures pictures() const { return {&normal_, &hover_, &pressed_}; }
  const BgrImage& mask() const { return mask_; }

  // The three pictures recoloured by `shift` (clamped to the slider's range) from their copies;
  // the face around the LCD is composed again once it exists. Returns the shift applied.
  int recolour(int shift);
  // The face around the LCD (whose number and lights stay) and the base strip, from the
  // pictures as recoloured; the keys then paint themselves over it.
  void compose_around_lcd();

  void show_base_strip(NumberBase base) override;

 private:
  const HWND* owner_;
  BgrImage normal_, hover_, pressed_;
  BgrImage normal_original_, hover_original_, pressed_original_;
  BgrImage mask_;
  Dib canvas_;
  NumberBase base_ = NumberBase::Dec;
  int shift_ = 0;
  face::DisplayScale scale_;
};

}  // namespace orvanta::win32
