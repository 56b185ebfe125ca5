#include "app/splash_window.h"

#include <commctrl.h>

#include <vector>

#include "app/control_views.h"

namespace picmove {

namespace {

const wchar_t kClassName[] = L"PicmoveSplash";

const std::vector<ControlDef>& Controls() {
  static const std::vector<ControlDef> defs = {
      {"图片框1", ControlKind::kPicture, "", -1, 0, 0, 460, 280, "", kNoFlags},
      {"透明标签1", ControlKind::kLabel, "", -1, 70, 285, 320, 16, "", kNoFlags},
      {"进度条1", ControlKind::kProgressBar, "", -1, 16, 304, 427, 24, "", kNoFlags},
  };
  return defs;
}

}  // namespace

bool SplashWindow::Open(HINSTANCE instance) {
  RegisterWindowClass(instance, kClassName, DefWindowProcW, IDC_APPSTARTING);
  const int w = 460, h = 334;
  const POINT at = CentredOrigin(w, h);
  // No border, no title bar, no owner; its own taskbar button.
  hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kClassName, L"", WS_POPUP, at.x, at.y, w, h, nullptr, nullptr, instance, nullptr);
  if (!hwnd_) return false;
  font_.reset(CreateUiFont());
  Text err;
  BuildControls(hwnd_, Controls(), font_.get(), &controls_, &err);
  HANDLE picture = LoadImageW(instance, MAKEINTRESOURCEW(kSplashBitmapId), IMAGE_BITMAP, 0, 0, LR_SHARED);
  SendMessageW(Control("图片框1"), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  SendMessageW(Control("进度条1"), PBM_SETRANGE32, 10, 100);
  SetProgress(10);
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  return true;
}

SplashWindow::~SplashWindow() { Close(); }

void SplashWindow::SetStatus(const Text& text) {
  SetWindowTextGbk(Control("透明标签1"), text);
  UpdateWindow(hwnd_);
}

void SplashWindow::SetProgress(int value) {
  SendMessageW(Control("进度条1"), PBM_SETPOS, value, 0);
  UpdateWindow(hwnd_);
}

void SplashWindow::Close() {
  if (hwnd_) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

}  // namespace picmove
