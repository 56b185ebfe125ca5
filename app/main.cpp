#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/tray_icon.h"
#include "app/window_def.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                           ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  picmove::RegisterPanelClass(instance);
  picmove::TrayIcon::Instance().RegisterTaskbarCreated();
  if (!picmove::MainWindow::Register(instance)) return 1;
  picmove::MainWindow window;
  if (!window.Create(instance)) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window.hwnd(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
