#pragma once
// Shell links (.lnk) through the shell's link object: made, read and changed with wide paths,
// every interface released by its holder and every HRESULT checked.
#include <windows.h>

#include <objbase.h>

#include <string>
#include <utility>

namespace orvanta::win32 {

// A COM interface pointer that releases what it holds.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Where a call that hands out an interface puts it (the old one released first).
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

// COM for the calling thread for the holder's lifetime (single-threaded apartment, as the
// shell's objects want).
class ComApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

// What a link holds, as far as the calculator reads or writes it.
struct LinkFacts {
  std::wstring target;
  std::wstring working_folder;
  WORD hotkey = 0;
};

// Writes a link at `link_path` that starts `target` in `working_folder`, replacing any file of
// that name. S_OK or the first failing call's HRESULT.
HRESULT write_link_file(const std::wstring& link_path, const std::wstring& target,
                        const std::wstring& working_folder);

// Loads the link at `link_path`, points it at `target` with `hotkey`, and saves it back to the
// same file.
HRESULT retarget_link_file(const std::wstring& link_path, const std::wstring& target, WORD hotkey);

// Reads a link's target, working folder and hotkey.
HRESULT read_link_file(const std::wstring& link_path, LinkFacts& facts);

}  // namespace orvanta::win32
