#include "win32/panels/long_field_accessible.h"

#include <string>

#include "win32/system/wrapped_accessible.h"

namespace orvanta::win32 {
namespace {

bool is_self(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard client object with the role, value and read-only state of a text field.
class FieldAccessible final : public WrappedAccessible {
 public:
  FieldAccessible(HWND field, IAccessible* standard) : WrappedAccessible(standard), field_(field) {}

  // IAccessible: what a text field answers differently from a plain window.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!is_self(child)) return standard_->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_TEXT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!is_self(child)) return standard_->get_accValue(child, value);
    const auto length = static_cast<UINT>(SendMessageW(field_, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(field_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *value == nullptr ? E_OUTOFMEMORY : S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    if (!is_self(child)) return standard_->put_accValue(child, value);
    if (read_only()) return E_ACCESSDENIED;
    SendMessageW(field_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value == nullptr ? L"" : value));
    return S_OK;
  }
  // The label on the line above (created just before the field), as for an edit; the window
  // text would be the value a second time.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!is_self(child)) return standard_->get_accName(child, name);
    *name = nullptr;
    const HWND label = GetWindow(field_, GW_HWNDPREV);
    wchar_t kind[16] = {};
    if (label == nullptr || GetClassNameW(label, kind, 16) == 0 ||
        lstrcmpiW(kind, L"Static") != 0) {
      return S_FALSE;
    }
    wchar_t text[64] = {};
    const int length = GetWindowTextW(label, text, 64);
    *name = SysAllocStringLen(text, static_cast<UINT>(length));
    return *name == nullptr ? E_OUTOFMEMORY : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT hr = standard_->get_accState(child, state);
    if (SUCCEEDED(hr) && is_self(child) && state->vt == VT_I4 && read_only()) {
      state->lVal |= STATE_SYSTEM_READONLY;
    }
    return hr;
  }

  // IAccessible: the rest as for any window.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }

 private:
  bool read_only() const { return (GetWindowLongW(field_, GWL_STYLE) & ES_READONLY) != 0; }

  HWND field_;
};

}  // namespace

LRESULT answer_accessibility_request(HWND field, WPARAM wp) {
  return answer_wrapped_accessible(
      field, wp, [&](IAccessible* standard) { return new FieldAccessible(field, standard); });
}

}  // namespace orvanta::win32
