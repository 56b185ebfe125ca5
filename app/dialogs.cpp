#include "app/dialogs.h"

#include <commdlg.h>

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

}  // namespace

void SetMessageHook(MessageHook hook) { TheMessageHook() = std::move(hook); }
void SetFileDialogHook(FileDialogHook hook) { TheFileDialogHook() = std::move(hook); }

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
