#pragma once
#include <windows.h>

#include <functional>

namespace picmove {

// "退出程序？": modal; "确 定" ends the process with exit code 0, "取 消",
// Esc and the close button close it and nothing else happens.
void ShowExitConfirmation(HWND mainWindow);

// Tests: `onShown` sees the open window, to click it. An empty function
// restores the real behaviour.
void SetExitConfirmationHook(std::function<void(HWND)> onShown);

}  // namespace picmove
