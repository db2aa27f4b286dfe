#include "win32/window/image_key.h"

#include "face/blend_table.h"
#include "win32/window/dib.h"

namespace orvanta::win32 {

void TQELButton_computer::set_pictures(const FacePictures& pictures) {
  pictures_ = pictures;
  KeyPictures has;
  has.normal = pictures.normal != nullptr;
  has.hover = pictures.hover != nullptr;
  has.pressed = pictures.pressed != nullptr;
  fade_.set_pictures(has);
}

void TQELButton_computer::copy_look(KeyLook look, Dib& frame) const {
  const BgrImage* source = nullptr;
  switch (look) {
    case KeyLook::kNormal:
      source = pictures_.normal;
      break;
    case KeyLook::kHover:
      source = pictures_.hover;
      break;
    case KeyLook::kPressed:
      source = pictures_.pressed;
      break;
    default:
      return;
  }
  if (source == nullptr) return;
  frame.copy_from(source->view(), bounds_.left, bounds_.top, bounds_.right - bounds_.left,
                  bounds_.bottom - bounds_.top);
}

void TQELButton_computer::paint(Dib& frame) const {
  copy_look(fade_.paint(), frame);
}

FadeTimer TQELButton_computer::apply(const KeyUpdate& update, Dib& frame) {
  const int w = bounds_.right - bounds_.left;
  const int h = bounds_.bottom - bounds_.top;
  if (update.blend_alpha && pictures_.normal != nullptr && pictures_.hover != nullptr) {
    if (work_.width() != w || work_.height() != h) work_ = BgrImage(w, h);
    const ConstBgrView normal = sub_view(pictures_.normal->view(), bounds_.left, bounds_.top, w, h);
    const ConstBgrView hover = sub_view(pictures_.hover->view(), bounds_.left, bounds_.top, w, h);
    blend(normal, hover, *update.blend_alpha, work_.view());
    frame.copy_from(work_.view(), 0, 0, w, h, bounds_.left, bounds_.top);
  }
  copy_look(update.look, frame);
  return update.timer;
}

}  // namespace orvanta::win32
