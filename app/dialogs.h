#pragma once
// Every message box and every file dialog of the program goes through one of
// these two functions, so a test can answer them.
#include <windows.h>

#include <functional>

#include "common/text.h"

namespace picmove {

inline constexpr const char* kDefaultTitle = "提示";

// No owner, task-modal, OK only.
void ShowMessage(const Text& text, const Text& title = kDefaultTitle, UINT icon = 0);

struct FileDialogSettings {
  Text title;
  Text filter;  // "label|pattern"
  Text defaultExtension;  // without the dot
};

// The chosen file's full path; false when the user cancels.
bool ChooseFile(HWND owner, const FileDialogSettings& settings, Text* path);

// Tests answer the dialogs instead of a person. An empty function restores
// the real dialogs.
using MessageHook = std::function<void(const Text& text, const Text& title, UINT icon)>;
using FileDialogHook = std::function<bool(const FileDialogSettings& settings, Text* path)>;
void SetMessageHook(MessageHook hook);
void SetFileDialogHook(FileDialogHook hook);

}  // namespace picmove
