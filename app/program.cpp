#include "app/program.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/main_window.h"
#include "app/tray_icon.h"
#include "app/window_def.h"

namespace picmove {

bool SetUpProgram(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                           ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  // The embedded browsers are OLE objects in this single-threaded apartment.
  // Without OLE they stay empty, which is all that happens then.
  OleInitialize(nullptr);
  RegisterPanelClass(instance);
  TrayIcon::Instance().RegisterTaskbarCreated();
  return MainWindow::Register(instance);
}

int RunMessageLoop(HWND window) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}

}  // namespace picmove
