#include <windows.h>

#include "app/main_window.h"
#include "app/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (!picmove::SetUpProgram(instance)) return 1;
  picmove::MainWindow window;
  if (!window.Create(instance)) return 1;
  return picmove::RunMessageLoop(window.hwnd());
}
