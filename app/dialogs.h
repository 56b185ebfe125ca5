#pragma once
// Every message box, file dialog, popup menu and shell "open" of the program
// goes through one of these functions, so a test can answer them.
#include <windows.h>

#include <functional>
#include <vector>

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

// Pops `menu` up at `at` (screen coordinates) for `owner`; the chosen entry
// reaches the owner as a WM_COMMAND with code 0, as a menu's does.
void PopUpMenu(HMENU menu, HWND owner, POINT at);

// The user's default program for `address` (a web address or a file), with
// the verb "open" and a normal window. The result is not checked.
void OpenWithShell(const Text& address);

// Tests answer the dialogs instead of a person. An empty function restores
// the real dialogs.
using MessageHook = std::function<void(const Text& text, const Text& title, UINT icon)>;
using FileDialogHook = std::function<bool(const FileDialogSettings& settings, Text* path)>;
struct MenuEntry {
  Text text;  // "" for a separator
  UINT command;
};
// Gets the menu's entries in order and where it would pop up; returns the
// command chosen, 0 for none.
using PopUpMenuHook = std::function<UINT(const std::vector<MenuEntry>& entries, POINT at)>;
using ShellOpenHook = std::function<void(const Text& address)>;
void SetMessageHook(MessageHook hook);
void SetFileDialogHook(FileDialogHook hook);
void SetPopUpMenuHook(PopUpMenuHook hook);
void SetShellOpenHook(ShellOpenHook hook);

}  // namespace picmove
