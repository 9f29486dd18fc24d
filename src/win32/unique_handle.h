// One move-only owner for every kind of Windows handle, closed exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace cindermoor::win32 {

// What a kind of handle holds when it holds nothing: most kinds are null, while a search and
// a file opened by CreateFileW are INVALID_HANDLE_VALUE, which is no constant expression.
template <typename T>
constexpr T NullHandle() {
  return T{};
}
inline HANDLE InvalidHandleValue() { return INVALID_HANDLE_VALUE; }

template <typename T, auto Close, auto Invalid = &NullHandle<T>>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T handle) : handle_(handle) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Invalid()));
    return *this;
  }
  ~Unique() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  // For out-parameters of Windows calls: closes what was held first.
  T* put() {
    reset();
    return &handle_;
  }
  T release() { return std::exchange(handle_, Invalid()); }
  void reset(T handle = Invalid()) {
    if (handle_ != Invalid()) Close(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = Invalid();
};

using UniqueHkey = Unique<HKEY, &::RegCloseKey>;
using UniqueHandle = Unique<HANDLE, &::CloseHandle>;
using UniqueHfont = Unique<HFONT, &::DeleteObject>;
using UniqueHbrush = Unique<HBRUSH, &::DeleteObject>;
using UniqueHpen = Unique<HPEN, &::DeleteObject>;
using UniqueHbitmap = Unique<HBITMAP, &::DeleteObject>;
using UniqueHdc = Unique<HDC, &::DeleteDC>;
using UniqueHwnd = Unique<HWND, &::DestroyWindow>;
using UniqueFind = Unique<HANDLE, &::FindClose, &InvalidHandleValue>;

// Puts a GDI object into a device context and puts the old one back when it goes.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { ::SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace cindermoor::win32
