#pragma once
// An accessible object over the standard one Windows makes for a window's client area: counted
// references, and the standard object answering the type information and whatever the wrapper
// leaves to it. The face and the long fields build theirs on it.
#include <windows.h>
// after windows.h
#include <oleacc.h>

namespace orvanta::win32 {

class WrappedAccessible : public IAccessible {
 public:
  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: as the standard object.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(riid, names, count, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* arg_error) override {
    return standard_->Invoke(id, riid, lcid, flags, params, result, exception, arg_error);
  }

 protected:
  // Takes the standard object's reference.
  explicit WrappedAccessible(IAccessible* standard) : standard_(standard) {}
  virtual ~WrappedAccessible() { standard_->Release(); }

  IAccessible* const standard_;

 private:
  LONG refs_ = 1;
};

// The answer to WM_GETOBJECT for `window`'s client object: `wrap` makes the wrapper of the
// standard object; 0 when Windows cannot make that, and DefWindowProc answers instead.
template <class Wrap>
LRESULT answer_wrapped_accessible(HWND window, WPARAM wp, Wrap wrap) {
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  WrappedAccessible* accessible = wrap(standard);
  const LRESULT result = LresultFromObject(IID_IAccessible, wp, accessible);
  accessible->Release();
  return result;
}

}  // namespace orvanta::win32
