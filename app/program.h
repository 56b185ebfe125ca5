#pragma once
// What the program sets up before its main window exists; the program, the
// window tests and the screenshot demo share it.
#include <windows.h>

namespace picmove {

bool SetUpProgram(HINSTANCE instance);
// The loop until the process ends, with Tab and Esc handled for `window`.
int RunMessageLoop(HWND window);

}  // namespace picmove
