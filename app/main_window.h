#pragma once
#include <windows.h>

#include <vector>

#include "app/handles.h"
#include "app/window_def.h"

namespace picmove {

inline constexpr const char* kMainWindowCaption = "岚舟淘宝图片搬家工具 V3.0.0";

const std::vector<ControlDef>& MainWindowControls();

class MainWindow {
 public:
  static bool Register(HINSTANCE instance);
  // Creates the window hidden; the start-up sequence shows it.
  bool Create(HINSTANCE instance);
  HWND hwnd() const { return hwnd_; }
  const BuiltWindow& controls() const { return controls_; }
  HWND Control(const Text& name) const { return controls_.Control(name); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool OnCreate();
  void OnClose();
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  void OnNotify(const NMHDR* hdr);

  HWND hwnd_ = nullptr;
  BuiltWindow controls_;
  UniqueHfont font_;
};

}  // namespace picmove
