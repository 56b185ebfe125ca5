#include "app/dialogs.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "app/window_def.h"

namespace picmove {

namespace {

MessageHook& TheMessageHook() {
  static MessageHook hook;
  return hook;
}

FileDialogHook& TheFileDialogHook() {
  static FileDialogHook hook;
  return hook;
}

PopUpMenuHook& ThePopUpMenuHook() {
  static PopUpMenuHook hook;
  return hook;
}

ShellOpenHook& TheShellOpenHook() {
  static ShellOpenHook hook;
  return hook;
}

std::vector<MenuEntry> MenuEntries(HMENU menu) {
  std::vector<MenuEntry> entries;
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t buf[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), buf, 256, MF_BYPOSITION);
    const UINT id = GetMenuItemID(menu, i);
    entries.push_back({FromWide(buf), id == static_cast<UINT>(-1) ? 0 : id});
  }
  return entries;
}

}  // namespace

void SetMessageHook(MessageHook hook) { TheMessageHook() = std::move(hook); }
void SetFileDialogHook(FileDialogHook hook) { TheFileDialogHook() = std::move(hook); }
void SetPopUpMenuHook(PopUpMenuHook hook) { ThePopUpMenuHook() = std::move(hook); }
void SetShellOpenHook(ShellOpenHook hook) { TheShellOpenHook() = std::move(hook); }

void PopUpMenu(HMENU menu, HWND owner, POINT at) {
  if (ThePopUpMenuHook()) {
    const UINT command = ThePopUpMenuHook()(MenuEntries(menu), at);
    if (command != 0) SendMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return;
  }
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

void OpenWithShell(const Text& address) {
  if (TheShellOpenHook()) {
    TheShellOpenHook()(address);
    return;
  }
  ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowMessage(const Text& text, const Text& title, UINT icon) {
  if (TheMessageHook()) {
    TheMessageHook()(text, title, icon);
    return;
  }
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_TASKMODAL | icon);
}

bool ChooseFile(HWND owner, const FileDialogSettings& settings, Text* path) {
  if (TheFileDialogHook()) return TheFileDialogHook()(settings, path);
  // The filter is pairs of zero-ended strings and ends in an empty one.
  std::wstring filter = Wide(settings.filter);
  for (wchar_t& c : filter) {
    if (c == L'|') c = L'\0';
  }
  filter.append(2, L'\0');
  std::wstring title = Wide(settings.title);
  std::wstring ext = Wide(settings.defaultExtension);
  std::wstring file(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = &file[0];
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = ext.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return false;
  file.resize(wcslen(file.c_str()));
  *path = FromWide(file);
  return true;
}

}  // namespace picmove
