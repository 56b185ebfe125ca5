#include "app/exit_confirmation.h"

#include <vector>

#include "app/handles.h"
#include "app/process_exit.h"
#include "app/window_def.h"

namespace picmove {

namespace {

const wchar_t kClassName[] = L"PicmoveExitConfirmation";

std::function<void(HWND)>& OnShown() {
  static std::function<void(HWND)> hook;
  return hook;
}

const std::vector<ControlDef>& Controls() {
  static const std::vector<ControlDef> defs = {
      {"标签1", ControlKind::kLabel, "", -1, 68, 20, 168, 40, "你是否确定退出程序！", kNoFlags},
      {"图形按钮1", ControlKind::kIcon, "", -1, 16, 27, 40, 40, "", kNoFlags},
      {"按钮1", ControlKind::kButton, "", -1, 88, 89, 72, 26, "确 定", kNoFlags},
      {"按钮2", ControlKind::kButton, "", -1, 168, 90, 72, 26, "取 消", kNoFlags},
  };
  return defs;
}

struct State {
  BuiltWindow controls;
  UniqueHfont font;
};

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
      break;
    case WM_COMMAND: {
      if (!state) break;
      const Text name = state->controls.NameOfId(LOWORD(wp));
      if (name == "按钮1") {
        EndProcess(0);
      } else if (name == "按钮2" || LOWORD(wp) == IDCANCEL) {
        DestroyWindow(hwnd);
      }
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void SetExitConfirmationHook(std::function<void(HWND)> onShown) { OnShown() = std::move(onShown); }

void ShowExitConfirmation(HWND mainWindow) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, kClassName, Proc);
  State state;
  state.font.reset(CreateUiFont());
  const int w = 273, h = 163;
  const POINT at = CentredOrigin(w, h);
  HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassName, Wide("退出程序？").c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, at.x, at.y, w, h, nullptr, nullptr, instance, &state);
  if (!hwnd) return;
  Text err;
  BuildControls(hwnd, Controls(), state.font.get(), &state.controls, &err);
  SendMessageW(state.controls.Control("图形按钮1"), STM_SETICON,
               reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
  // Modal: the main window takes no input until this one is gone.
  const bool mainWasEnabled = mainWindow && !EnableWindow(mainWindow, FALSE);
  ShowWindow(hwnd, SW_SHOW);
  if (OnShown()) OnShown()(hwnd);
  MSG msg;
  while (IsWindow(hwnd)) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    if (!IsDialogMessageW(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (mainWasEnabled) EnableWindow(mainWindow, TRUE);
}

}  // namespace picmove
