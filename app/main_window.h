#pragma once
#include <windows.h>

#include <vector>

#include "app/handles.h"
#include "app/window_def.h"
#include "intake/package.h"
#include "intake/patterns.h"

namespace picmove {

inline constexpr const char* kMainWindowCaption = "岚舟淘宝图片搬家工具 V3.0.0";

const std::vector<ControlDef>& MainWindowControls();

class MainWindow {
 public:
  static bool Register(HINSTANCE instance);
  // Creates the window hidden; the start-up sequence shows it.
  bool Create(HINSTANCE instance);
  ~MainWindow();
  HWND hwnd() const { return hwnd_; }
  const BuiltWindow& controls() const { return controls_; }
  HWND Control(const Text& name) const { return controls_.Control(name); }
  const Package& package() const { return package_; }

  // Shows the page of toolbar item 1 to 4 with its hint; other items do
  // nothing here.
  void NavigateTo(int item);
  // The choose button: the file dialog, then the path rules.
  void ChoosePackage();
  // The add button: the intake of the package in the path box.
  void AddToList();
  // The list's actions: its button and its right-click menu.
  void ExcludeSelected();
  void ShowListMenu();
  void OpenSelectedAddress();
  void CopySelectedAddress();
  // What the tray icon's mouse messages do.
  void OnTrayMouse(int mouseMessage);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool OnCreate();
  bool RunStartUp(HINSTANCE instance);
  void ResizeHeight(HWND control, int height);
  void OnClose();
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  void OnNotify(const NMHDR* hdr);
  void OnCommand(int id, int code);
  void ShowPage(int page);

  HWND hwnd_ = nullptr;
  BuiltWindow controls_;
  UniqueHfont font_;
  Package package_;
  PatternList patterns_;
  bool intakeRunning_ = false;  // events are pumped during an intake: no second one meanwhile
};

}  // namespace picmove
