#pragma once
#include <windows.h>

#include <functional>

namespace picmove {

// "退出程序？": modal; "确 定" ends the process with exit code 0, "取 消",
// Esc and the close button close it and nothing else happens.
void ShowExitConfirmation(HWND mainWindow);

// Tests: `onShown` sees the open window (to click it); `exitProcess`
// replaces the process exit. Empty functions restore the real behaviour.
void SetExitConfirmationHooks(std::function<void(HWND)> onShown, std::function<void(UINT)> exitProcess);

}  // namespace picmove
