#include "win32/window/face_accessible.h"

#include <string>
#include <string_view>

#include "display/lcd_description.h"
#include "engine/key_handlers.h"
#include "face/face_layout.h"
#include "face/key_names.h"
#include "platform/wide.h"
#include "win32/system/geometry.h"
#include "win32/system/wrapped_accessible.h"

namespace orvanta::win32 {
namespace {

constexpr LONG kKeyCount = static_cast<LONG>(face::kFaceKeys.size());

BSTR bstr(std::string_view utf8) {
  const std::wstring wide = to_wide(utf8);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT give(BSTR* out, std::string_view utf8) {
  *out = bstr(utf8);
  return *out == nullptr ? E_OUTOFMEMORY : S_OK;
}

// A child id of the face: 1 .. kKeyCount the keys, then the LCD; 0 (CHILDID_SELF) the face.
LONG child_of(const VARIANT& v) {
  return v.vt == VT_I4 ? v.lVal : -1;
}

bool is_key(LONG child) {
  return child >= 1 && child <= kKeyCount;
}

const face::FaceKey& key_of(LONG child) {
  return face::kFaceKeys[static_cast<size_t>(child - 1)];
}

class FaceAccessible final : public WrappedAccessible {
 public:
  FaceAccessible(HWND face, IAccessible* standard, AccessibleFace* (*source)(HWND))
      : WrappedAccessible(standard), face_(face), source_(source) {}

  // The face itself and its place among windows: the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    *count = kKeyCount + 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    *out = nullptr;
    const LONG c = child_of(child);
    if (c == CHILDID_SELF) return standard_->get_accChild(child, out);
    return c >= 1 && c <= kKeyCount + 1 ? S_FALSE : E_INVALIDARG;  // simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const LONG c = child_of(child);
    if (c == CHILDID_SELF) return give(name, "Orvanta 计算器");
    if (is_key(c)) return give(name, face::key_spoken_name(key_of(c).name));
    if (c == lcd_child_id()) return give(name, "液晶屏");
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    *value = nullptr;
    const LONG c = child_of(child);
    if (c != lcd_child_id()) return c >= 0 && c <= kKeyCount ? S_FALSE : E_INVALIDARG;
    AccessibleFace* facts = source_(face_);
    if (facts == nullptr) return RPC_E_DISCONNECTED;
    return give(value, lcd_value(facts->shown_frame()));
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    *text = nullptr;
    const LONG c = child_of(child);
    if (is_key(c)) {
      std::string hint(key_of(c).hint);
      for (char& ch : hint) {
        if (ch == '\r') ch = ' ';
      }
      return hint.empty() ? S_FALSE : give(text, hint);
    }
    if (c != lcd_child_id()) return c == CHILDID_SELF ? S_FALSE : E_INVALIDARG;
    AccessibleFace* facts = source_(face_);
    if (facts == nullptr) return RPC_E_DISCONNECTED;
    return give(text, lcd_description(facts->shown_frame().lights, facts->shown_base()));
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const LONG c = child_of(child);
    role->vt = VT_I4;
    if (c == CHILDID_SELF) {
      role->lVal = ROLE_SYSTEM_CLIENT;
    } else if (is_key(c)) {
      role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    } else if (c == lcd_child_id()) {
      role->lVal = ROLE_SYSTEM_STATICTEXT;
    } else {
      role->vt = VT_EMPTY;
      return E_INVALIDARG;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const LONG c = child_of(child);
    if (c == CHILDID_SELF) return standard_->get_accState(child, state);
    AccessibleFace* facts = source_(face_);
    if (facts == nullptr) return RPC_E_DISCONNECTED;
    state->vt = VT_I4;
    if (is_key(c)) {
      LONG s = STATE_SYSTEM_FOCUSABLE;
      if (!key_acts_in_base(key_of(c).name, facts->shown_base())) s |= STATE_SYSTEM_UNAVAILABLE;
      if (facts->focused_key() == c - 1) s |= STATE_SYSTEM_FOCUSED;
      state->lVal = s;
      return S_OK;
    }
    if (c == lcd_child_id()) {
      // The error mark, or cells that cannot show the whole number, ask for attention.
      const LcdFrame& frame = facts->shown_frame();
      const bool error = lcd_value(frame) == "......" || frame.lights.error_on;
      state->lVal = STATE_SYSTEM_READONLY | (error ? STATE_SYSTEM_ALERT_HIGH : 0);
      return S_OK;
    }
    state->vt = VT_EMPTY;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    *keys = nullptr;
    return child_of(child) == CHILDID_SELF ? standard_->get_accKeyboardShortcut(child, keys)
                                           : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    AccessibleFace* facts = source_(face_);
    if (facts == nullptr) return RPC_E_DISCONNECTED;
    if (facts->focused_key() < 0) return standard_->get_accFocus(child);
    child->vt = VT_I4;
    child->lVal = facts->focused_key() + 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    children->vt = VT_EMPTY;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    *action = nullptr;
    return is_key(child_of(child)) ? give(action, "按下") : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    const LONG c = child_of(child);
    if (c == CHILDID_SELF) return standard_->accLocation(left, top, width, height, child);
    RECT r{};
    if (is_key(c)) {
      r = to_rect(scale().rect(key_of(c).rect));
    } else if (c == lcd_child_id()) {
      r = to_rect(scale().lcd_area());
    } else {
      return E_INVALIDARG;
    }
    MapWindowPoints(face_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    const LONG c = child_of(start);
    end->vt = VT_EMPTY;
    LONG to = 0;
    switch (direction) {
      case NAVDIR_FIRSTCHILD:
        if (c != CHILDID_SELF) return E_INVALIDARG;
        to = 1;
        break;
      case NAVDIR_LASTCHILD:
        if (c != CHILDID_SELF) return E_INVALIDARG;
        to = lcd_child_id();
        break;
      case NAVDIR_NEXT:
        if (c == CHILDID_SELF) return standard_->accNavigate(direction, start, end);
        to = c + 1;
        break;
      case NAVDIR_PREVIOUS:
        if (c == CHILDID_SELF) return standard_->accNavigate(direction, start, end);
        to = c - 1;
        break;
      default:
        return c == CHILDID_SELF ? standard_->accNavigate(direction, start, end) : S_FALSE;
    }
    if (to < 1 || to > lcd_child_id()) return S_FALSE;
    end->vt = VT_I4;
    end->lVal = to;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    POINT p{x, y};
    ScreenToClient(face_, &p);
    for (LONG c = 1; c <= kKeyCount; ++c) {
      const RECT r = to_rect(scale().rect(key_of(c).rect));
      if (PtInRect(&r, p)) {
        child->vt = VT_I4;
        child->lVal = c;
        return S_OK;
      }
    }
    const RECT lcd = to_rect(scale().lcd_area());
    if (PtInRect(&lcd, p)) {
      child->vt = VT_I4;
      child->lVal = lcd_child_id();
      return S_OK;
    }
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const LONG c = child_of(child);
    if (!is_key(c)) return c == CHILDID_SELF ? standard_->accDoDefaultAction(child) : S_FALSE;
    AccessibleFace* facts = source_(face_);
    if (facts == nullptr) return RPC_E_DISCONNECTED;
    facts->press(c - 1);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // The face's scale while it lives; 100 % once it is gone.
  face::DisplayScale scale() const {
    const AccessibleFace* facts = source_(face_);
    return facts == nullptr ? face::DisplayScale() : facts->shown_scale();
  }

  HWND face_;
  AccessibleFace* (*source_)(HWND);
};

}  // namespace

LONG lcd_child_id() {
  return kKeyCount + 1;
}

LRESULT answer_face_accessibility(HWND face, WPARAM wp, AccessibleFace* (*source)(HWND)) {
  return answer_wrapped_accessible(
      face, wp, [&](IAccessible* standard) { return new FaceAccessible(face, standard, source); });
}

}  // namespace orvanta::win32
