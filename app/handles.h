#pragma once
// One owner type for every kind of Win32 handle: a handle value and the
// function that releases it, as small as a raw handle.
#include <windows.h>

#include <utility>

namespace picmove {

template <typename H, auto Close, H Invalid = H{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return h_ != Invalid; }
  H release() { return std::exchange(h_, Invalid); }
  void reset(H h = Invalid) {
    if (h_ != Invalid) Close(h_);
    h_ = h;
  }

 private:
  H h_ = Invalid;
};

using UniqueHwnd = UniqueHandle<HWND, &DestroyWindow>;
using UniqueHfont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueHbrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueHmenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueHicon = UniqueHandle<HICON, &DestroyIcon>;

}  // namespace picmove
