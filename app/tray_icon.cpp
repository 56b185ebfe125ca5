#include "app/tray_icon.h"

#include <cstring>

namespace picmove {

namespace {

void CALLBACK TrimWorkingSet(HWND, UINT, UINT_PTR, DWORD) {
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

}  // namespace

TrayIcon& TrayIcon::Instance() {
  static TrayIcon icon;
  return icon;
}

void TrayIcon::RegisterTaskbarCreated() { taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated"); }

void TrayIcon::Install(HWND window, const Text& tip, MouseHandler handler) {
  if (installed()) return;
  // Our windows are Unicode windows: the W form keeps their messages as they are.
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayIcon::Proc)));
  handler_ = std::move(handler);
  record_ = NOTIFYICONDATAA{};
  record_.cbSize = NOTIFYICONDATAA_V2_SIZE;  // the 488-byte form of Shell32 5.0
  record_.hWnd = window;
  record_.hIcon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  record_.uID = kTrayIconId;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kTrayCallbackMessage;
  // Cut to 127 bytes; a double-byte character is not split in half.
  std::size_t n = 0;
  while (n < tip.size() && n + CharLengthAt(tip, n) <= sizeof record_.szTip - 1) n += CharLengthAt(tip, n);
  std::memcpy(record_.szTip, tip.data(), n);
  record_.szTip[n] = '\0';
  Shell_NotifyIconA(NIM_ADD, &record_);
}

void TrayIcon::Remove() {
  SetWindowLongPtrW(record_.hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  previous_ = nullptr;
  Shell_NotifyIconA(NIM_DELETE, &record_);
}

LRESULT CALLBACK TrayIcon::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  TrayIcon& self = Instance();
  WNDPROC previous = self.previous_;
  if (msg == WM_DESTROY) {
    self.Remove();
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
  }
  if (msg == kTrayCallbackMessage && self.handler_) {
    self.handler_(static_cast<int>(lp));
    return 0;
  }
  // The shell restarted with an empty notification area.
  if (msg == self.taskbarCreated_ && msg != 0) Shell_NotifyIconA(NIM_ADD, &self.record_);
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

void StartMemoryTrim(HWND window) { SetTimer(window, kMemoryTrimTimer, 3000, &TrimWorkingSet); }

}  // namespace picmove
