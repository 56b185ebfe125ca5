// Starts the real main window, goes to a page, optionally fills the list from
// a package, then signals readiness by creating a file and runs until killed.
// scripts/screenshot takes its picture then.
//   window_demo ITEM READY_FILE [PACKAGE]
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/window_def.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) return 2;
  const int item = _wtoi(argv[1]);
  const std::wstring ready = argv[2];
  const picmove::Text package = argc > 3 ? picmove::FromWide(argv[3]) : picmove::Text();

  if (!picmove::SetUpProgram(instance)) return 1;
  picmove::MainWindow window;
  if (!window.Create(instance)) return 1;
  window.NavigateTo(item);
  if (!package.empty()) {
    picmove::SetFileDialogHook([package](const picmove::FileDialogSettings&, picmove::Text* out) {
      *out = package;
      return true;
    });
    window.ChoosePackage();
    window.AddToList();
  }
  // Let the window paint before the picture is taken.
  const DWORD until = GetTickCount() + 1500;
  MSG msg;
  while (GetTickCount() < until) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(20);
  }
  CloseHandle(CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  return picmove::RunMessageLoop(window.hwnd());
}
