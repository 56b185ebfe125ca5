#pragma once
// The notification-area icon of the main window, and the memory trim.
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "common/text.h"

namespace picmove {

inline constexpr UINT kTrayCallbackMessage = 123456;  // decimal, as the shell gets it
inline constexpr UINT kTrayIconId = 1;

class TrayIcon {
 public:
  using MouseHandler = std::function<void(int mouseMessage)>;

  // The one icon of the process.
  static TrayIcon& Instance();

  // At entry, before the main window exists.
  void RegisterTaskbarCreated();
  // Takes over the window's procedure, adds the icon with the window's small
  // icon and `tip` (cut to 127 bytes). Once per process.
  void Install(HWND window, const Text& tip, MouseHandler handler);
  bool installed() const { return previous_ != nullptr; }
  const NOTIFYICONDATAA& record() const { return record_; }
  UINT taskbarCreatedMessage() const { return taskbarCreated_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Remove();

  NOTIFYICONDATAA record_{};
  WNDPROC previous_ = nullptr;
  MouseHandler handler_;
  UINT taskbarCreated_ = 0;
};

// Every 3000 ms the working set is trimmed, for the life of the window.
void StartMemoryTrim(HWND window);
inline constexpr UINT_PTR kMemoryTrimTimer = 0x6D656D;

}  // namespace picmove
