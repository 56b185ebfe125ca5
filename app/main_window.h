#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "app/handles.h"
#include "app/web_browser.h"
#include "app/window_def.h"
#include "intake/package.h"
#include "intake/patterns.h"

namespace picmove {

inline constexpr const char* kMainWindowCaption = "岚舟淘宝图片搬家工具 V3.0.0";

// The program's own pages, shipped in the "pages" folder beside it so that
// they work offline: "help.html" (with the terms of use), "news.html",
// "instructions.html".
Text PageAddress(const Text& file);

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
  // The "使用说明" button: the instructions in the user's own browser.
  void OpenInstructionsPage();
  // The embedded browsers of the start and help pages; either may have no
  // control where the system cannot make one.
  const WebBrowserHost& newsBrowser() const { return *newsBrowser_; }
  const WebBrowserHost& helpBrowser() const { return *helpBrowser_; }

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
  std::unique_ptr<WebBrowserHost> newsBrowser_ = std::make_unique<WebBrowserHost>();
  std::unique_ptr<WebBrowserHost> helpBrowser_ = std::make_unique<WebBrowserHost>();
  bool intakeRunning_ = false;  // events are pumped during an intake: no second one meanwhile
};

}  // namespace picmove
