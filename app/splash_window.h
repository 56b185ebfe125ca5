#pragma once
#include <windows.h>

#include "app/handles.h"
#include "app/window_def.h"

namespace picmove {

inline constexpr int kSplashBitmapId = 2;

// The start-up window: picture, status text and progress (10 to 100).
class SplashWindow {
 public:
  bool Open(HINSTANCE instance);
  ~SplashWindow();
  void SetStatus(const Text& text);
  void SetProgress(int value);
  void Close();
  HWND hwnd() const { return hwnd_; }
  HWND Control(const Text& name) const { return controls_.Control(name); }

 private:
  HWND hwnd_ = nullptr;
  BuiltWindow controls_;
  UniqueHfont font_;
};

}  // namespace picmove
