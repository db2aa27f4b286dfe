#pragma once
// TQELButton_computer: a windowless face key. It has no pictures of its own; it cuts its looks
// from the three face pictures at its own rectangle and draws them on the window's frame.
#include <windows.h>

#include <string>

#include "face/bgr_image.h"
#include "face/key_fade.h"

namespace orvanta::win32 {

class Dib;

// The three full-face pictures every key cuts its looks from (recolouring them recolours
// every key at once).
struct FacePictures {
  const BgrImage* normal = nullptr;   // Image2
  const BgrImage* hover = nullptr;    // Image3
  const BgrImage* pressed = nullptr;  // Image4
};

class TQELButton_computer {
 public:
  TQELButton_computer(std::string name, RECT bounds) : name_(std::move(name)), bounds_(bounds) {}

  const std::string& name() const { return name_; }
  const RECT& bounds() const { return bounds_; }
  void set_bounds(const RECT& bounds) { bounds_ = bounds; }
  bool contains(POINT p) const { return PtInRect(&bounds_, p) != FALSE; }

  void set_pictures(const FacePictures& pictures);
  void set_ani(bool ani) { fade_.set_ani(ani); }

  // Each returns whether the key's fade timer must run afterwards (start) or stop.
  FadeTimer mouse_enter(Dib& frame) { return apply(fade_.mouse_enter(), frame); }
  FadeTimer mouse_leave(Dib& frame) { return apply(fade_.mouse_leave(), frame); }
  FadeTimer mouse_down(bool left, Dib& frame) { return apply(fade_.mouse_down(left), frame); }
  FadeTimer mouse_up(bool left, Dib& frame) { return apply(fade_.mouse_up(left), frame); }
  FadeTimer tick(Dib& frame) { return apply(fade_.tick(), frame); }
  void paint(Dib& frame) const;

  int alpha() const { return fade_.alpha(); }

 private:
  FadeTimer apply(const KeyUpdate& update, Dib& frame);
  void copy_look(KeyLook look, Dib& frame) const;

  std::string name_;
  RECT bounds_;
  FacePictures pictures_;
  KeyFade fade_;
  BgrImage work_;  // blend target, the key's own size
};

}  // namespace orvanta::win32
