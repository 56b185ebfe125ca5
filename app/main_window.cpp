#include "app/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "app/control_views.h"
#include "app/dialogs.h"
#include "app/exit_confirmation.h"
#include "app/process_exit.h"
#include "app/splash_window.h"
#include "app/tray_icon.h"
#include "common/file_io.h"
#include "intake/address_actions.h"
#include "intake/image_address.h"
#include "intake/intake.h"
#include "intake/package_path.h"

namespace picmove {

namespace {

const wchar_t kClassName[] = L"PicmoveMainWindow";
const wchar_t kTransparentProp[] = L"picmove.transparent";
const UINT kExitCommand = 40001;  // "退出程序" of the tray menu
// The entries of "列表菜单"
const UINT kOpenAddressCommand = 40011;
const UINT kCopyAddressCommand = 40012;
const UINT kDeleteSelectedCommand = 40013;

}  // namespace

bool MainWindow::Register(HINSTANCE instance) { return RegisterWindowClass(instance, kClassName, Proc); }

bool MainWindow::Create(HINSTANCE instance) {
  // Fixed border, minimise but no maximise; its own taskbar button.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  return CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassName, Wide(kMainWindowCaption).c_str(), style,
                         CW_USEDEFAULT, CW_USEDEFAULT, 703, 668, nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_NOTIFY:
      OnNotify(reinterpret_cast<const NMHDR*>(lp));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_DESTROY:
      // Only the end of the process destroys the main window; the loop runs
      // until then.
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

bool MainWindow::OnCreate() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  font_.reset(CreateUiFont());
  Text err;
  if (!BuildControls(hwnd_, MainWindowControls(), font_.get(), &controls_, &err)) return false;
  for (const ControlDef& d : MainWindowControls()) {
    if (d.kind == ControlKind::kTransparentLabel) SetPropW(Control(d.name), kTransparentProp, Control(d.name));
  }
  const POINT at = CentredOrigin(703, 668);
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 703, 668, SWP_NOZORDER | SWP_NOACTIVATE);
  for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    int size = GetSystemMetrics(metric);
    HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED);
    SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
  return RunStartUp(instance);
}

bool MainWindow::RunStartUp(HINSTANCE instance) {
  // Steps 1 to 3 (the skin) come with the skin engine.
  SplashWindow splash;
  splash.Open(instance);
  helpBrowser_->Create(Control("超文本浏览框2"));
  helpBrowser_->Navigate(PageAddress("help.html"));
  newsBrowser_->Create(Control("超文本浏览框1"));
  newsBrowser_->Navigate(PageAddress("news.html"));
  splash.SetStatus("正在连接服务器--");
  MessageLoopPump().ProcessPendingEvents();
  splash.SetProgress(25);
  ShowWindow(hwnd_, SW_HIDE);
  splash.SetProgress(35);
  splash.SetProgress(50);
  ResizeHeight(Control("超文本浏览框2"), 440);
  splash.SetStatus("正在加载预定信息--");
  splash.SetProgress(65);
  patterns_ = LoadPatternList(ProgramFolder());
  if (patterns_.empty()) {
    static const char kFailed[] = "预定信息 加载失败，请重新启动--";
    splash.SetStatus(kFailed);
    ShowMessage(kFailed);
    EndProcess(0);
    return false;
  }
  ResizeHeight(hwnd_, 625);
  ResizeHeight(Control("高级选择夹1"), 466);
  // Step 11 (the header's skin) and 13 (the toolbar) come with their parts;
  // step 14 (the failure policy) with the settings.
  splash.SetProgress(85);
  TrayIcon::Instance().Install(hwnd_, kMainWindowCaption, [this](int m) { OnTrayMouse(m); });
  // Step 16: the page headers stay until the toolbar can switch the pages.
  ShowPage(0);
  splash.SetProgress(100);
  Sleep(300);
  splash.Close();
  ShowWindow(hwnd_, SW_SHOW);
  StartMemoryTrim(hwnd_);
  SetProcessAffinityMask(GetCurrentProcess(), 1);
  return true;
}

void MainWindow::ResizeHeight(HWND control, int height) {
  RECT r;
  GetWindowRect(control, &r);
  SetWindowPos(control, nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The pages of the page control follow its display area.
  if (control == Control("高级选择夹1")) {
    RECT area{0, 0, r.right - r.left, height};
    SendMessageW(control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int i = 0; HWND panel = controls_.Page("高级选择夹1", i); ++i) {
      SetWindowPos(panel, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

MainWindow::~MainWindow() {
  // The controls go before the windows they live in.
  newsBrowser_.reset();
  helpBrowser_.reset();
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void MainWindow::ExcludeSelected() {
  ListViewAddressList list(Control("超级列表框1"));
  ControlLabel count(Control("透明标签4"));
  picmove::ExcludeSelected(list, count);
}

void MainWindow::ShowListMenu() {
  UniqueHmenu menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_STRING, kOpenAddressCommand, Wide("用IE打开地图地址").c_str());
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kCopyAddressCommand, Wide("复制图片地址").c_str());
  AppendMenuW(menu.get(), MF_STRING, kDeleteSelectedCommand, Wide("删除选中地址").c_str());
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  POINT at;
  GetCursorPos(&at);
  PopUpMenu(menu.get(), hwnd_, {at.x + 3, at.y + 3});
}

void MainWindow::OpenSelectedAddress() {
  const Text url = AddressUrl(FirstSelectedAddress(ListViewAddressList(Control("超级列表框1"))));
  OpenWithShell(url);
}

void MainWindow::CopySelectedAddress() {
  const Text url = AddressUrl(FirstSelectedAddress(ListViewAddressList(Control("超级列表框1"))));
  if (!OpenClipboard(hwnd_)) return;
  EmptyClipboard();
  // CF_TEXT carries the GBK bytes; CF_UNICODETEXT too, so that the address
  // pastes right on a Windows set to another language.
  const std::wstring wide = Wide(url);
  struct Format {
    UINT format;
    const void* data;
    std::size_t bytes;
  } formats[] = {{CF_TEXT, url.c_str(), url.size() + 1},
                 {CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)}};
  for (const Format& f : formats) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, f.bytes);
    if (!mem) continue;
    std::memcpy(GlobalLock(mem), f.data, f.bytes);
    GlobalUnlock(mem);
    if (!SetClipboardData(f.format, mem)) GlobalFree(mem);  // on success the clipboard owns it
  }
  CloseClipboard();
}

void MainWindow::OnTrayMouse(int mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    ShowWindow(hwnd_, SW_SHOW);
    ShowWindow(hwnd_, SW_SHOWNORMAL);  // also back from minimised
  } else if (mouseMessage == WM_RBUTTONDOWN) {
    UniqueHmenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, kExitCommand, Wide("退出程序").c_str());
    POINT at;
    GetCursorPos(&at);
    // Not made the foreground window first: the menu is the tray's own.
    PopUpMenu(menu.get(), hwnd_, {at.x + 3, at.y + 3});
  }
}

void MainWindow::OnCommand(int id, int code) {
  if (id == IDCANCEL) {  // Esc, through the dialog navigation of the message loop
    OnClose();
    return;
  }
  if (code == 0) {  // menu entries
    switch (id) {
      case kExitCommand: ShowExitConfirmation(hwnd_); return;
      case kOpenAddressCommand: OpenSelectedAddress(); return;
      case kCopyAddressCommand: CopySelectedAddress(); return;
      case kDeleteSelectedCommand: ExcludeSelected(); return;
    }
  }
  if (code != BN_CLICKED) return;
  const Text name = controls_.NameOfId(id);
  if (name == "添加到列表2") {
    ChoosePackage();
  } else if (name == "添加到列表") {
    AddToList();
  } else if (name == "按钮6") {
    ExcludeSelected();
  } else if (name == "按钮2") {
    OpenInstructionsPage();
  }
}

void MainWindow::OpenInstructionsPage() { OpenWithShell(PageAddress("instructions.html")); }

Text PageAddress(const Text& file) { return "file:///" + ProgramFolder() + "pages\\" + file; }

void MainWindow::NavigateTo(int item) {
  static const char kStepOne[] = "第一步：选择待处理的数据包CSV文件。（选择之前，请将数据包备份一份！）";
  if (item == 5) {
    ShowExitConfirmation(hwnd_);
    return;
  }
  if (item < 1 || item > 4) return;
  // The hint first, then the page.
  SetWindowTextGbk(Control("透明标签1"), item == 2 ? kStepOne : "");
  ShowPage(item - 1);
}

void MainWindow::ShowPage(int page) {
  HWND pages = Control("高级选择夹1");
  SendMessageW(pages, TCM_SETCURSEL, page, 0);
  for (int i = 0; HWND panel = controls_.Page("高级选择夹1", i); ++i) ShowWindow(panel, i == page ? SW_SHOW : SW_HIDE);
}

void MainWindow::ChoosePackage() {
  if (intakeRunning_) return;
  FileDialogSettings settings{"选择淘宝数据包CSV文件", "淘宝数据包CSV文件(*.csv)|*.csv", "csv"};
  Text chosen;
  if (!ChooseFile(hwnd_, settings, &chosen)) return;
  EditTextBox pathBox(Control("编辑框3"));
  pathBox.SetText(chosen);
  ListViewAddressList(Control("超级列表框1")).DeleteAllRows();
  ControlLabel(Control("透明标签4")).SetCaption("0");
  PackagePath derived = DerivePackagePath(chosen, kPathSeparator);
  package_.folder = derived.folder;
  package_.baseName = derived.baseName;
  if (!derived.accepted) {
    ShowMessage(kBadFileNameMessage);
    pathBox.SetText("");
    return;
  }
  pathBox.SetText(derived.shownPath);
}

void MainWindow::AddToList() {
  if (intakeRunning_) return;
  intakeRunning_ = true;
  EditTextBox pathBox(Control("编辑框3"));
  ListViewAddressList list(Control("超级列表框1"));
  ControlLabel count(Control("透明标签4"));
  EditProgressLog log(Control("编辑框2"));
  MessageLoopPump pump;
  picmove::AddToList({&pathBox, &list, &count, &log, &pump}, patterns_, package_);
  intakeRunning_ = false;
}

void MainWindow::OnClose() {
  // Closing only hides: the tray icon brings the window back, and only the
  // exit confirmation ends the program.
  ShowWindow(hwnd_, SW_HIDE);
}

LRESULT MainWindow::OnCtlColorStatic(HDC dc, HWND control) {
  if (GetPropW(control, kTransparentProp)) {
    // A hollow brush would show whatever was drawn there before: under
    // WS_CLIPCHILDREN nothing paints behind a child. The face colour is the
    // background these labels sit on.
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void MainWindow::OnNotify(const NMHDR* hdr) {
  // The page headers stay visible until the toolbar switches the pages.
  // A right click anywhere in the list, on a row or not.
  if (hdr->code == NM_RCLICK && hdr->hwndFrom == Control("超级列表框1")) {
    ShowListMenu();
    return;
  }
  if (hdr->code == TCN_SELCHANGE && hdr->hwndFrom == Control("高级选择夹1")) {
    ShowPage(static_cast<int>(SendMessageW(hdr->hwndFrom, TCM_GETCURSEL, 0, 0)));
  }
}

}  // namespace picmove
