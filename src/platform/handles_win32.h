#pragma once
// Non-copyable owners for the Win32 handles the front end creates.
#include <windows.h>

#include <utility>

namespace orvanta::win32 {

template <typename T, typename Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, T{})) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, T{}));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  T get() const { return h_; }
  explicit operator bool() const { return h_ != T{}; }
  T release() { return std::exchange(h_, T{}); }
  void reset(T h = T{}) {
    if (h_ != T{}) Deleter{}(h_);
    h_ = h;
  }

 private:
  T h_{};
};

struct GdiObjectDeleter {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct KernelHandleDeleter {
  void operator()(HANDLE h) const {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};
struct MenuDeleter {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct IconDeleter {
  void operator()(HICON h) const { DestroyIcon(h); }
};

// A pop-up owned by a window may be gone with its owner already.
struct WindowDeleter {
  void operator()(HWND h) const {
    if (IsWindow(h)) DestroyWindow(h);
  }
};

using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;
using UniqueMemoryDc = UniqueHandle<HDC, DcDeleter>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleDeleter>;
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;

// Selects an object into a DC for the lifetime of the scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (old_ != nullptr && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace orvanta::win32
