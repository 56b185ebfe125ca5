#pragma once
// A window is built from a table of its controls. Code and tests find a
// control by the name its table gives it.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/handles.h"
#include "common/text.h"

namespace picmove {

enum class ControlKind {
  kLabel,
  kTransparentLabel,
  kDrawingArea,
  kLine,
  kPictureBox,   // a panel that holds other controls
  kButton,
  kEdit,
  kMultiLineEdit,
  kComboBox,
  kListView,     // report style
  kTab,          // one-page tab control; its controls are placed relative to it
  kPageControl,  // tab control with pages; their controls are placed relative to the page
  kSlider,
  kProgressBar,
  kWebBrowser,
  kIcon,         // a picture that shows an icon
  kPicture,      // a picture that shows a bitmap
};

enum ControlFlags : unsigned {
  kNoFlags = 0,
  kHidden = 1u << 0,
  kReadOnly = 1u << 1,
  kVerticalScroll = 1u << 2,
  kMultiSelect = 1u << 3,
  kDropDownList = 1u << 4,
};

struct ControlDef {
  const char* name;
  ControlKind kind;
  const char* container;  // "" for the window itself
  int page;               // page of a page control container; -1 otherwise
  int x, y, width, height;
  const char* text;       // caption; tab and page captions separated by "|"
  unsigned flags;
};

// The controls of one built window, by name.
class BuiltWindow {
 public:
  HWND Control(const Text& name) const;
  // The name of the control with this command identifier, or empty.
  Text NameOfId(int id) const;
  // The panel of a page of a page control, or of a one-page tab.
  HWND Page(const Text& name, int page = 0) const;
  int IdOf(const Text& name) const;

 private:
  friend bool BuildControls(HWND window, const std::vector<ControlDef>& defs, HFONT font, BuiltWindow* out,
                            Text* err);
  struct Entry {
    HWND hwnd;
    int id;
    std::vector<HWND> pages;
    POINT origin;  // where the controls it holds are measured from, in its panel's client space
  };
  std::map<Text, Entry> controls_;
  std::map<int, Text> names_;
};

// Creates every control of `defs` in order; a container must come before the
// controls it holds. False (with the reason) for a table that names an unknown
// container.
bool BuildControls(HWND window, const std::vector<ControlDef>& defs, HFONT font, BuiltWindow* out, Text* err);

// Registers the panel class that holds controls and passes their
// notifications up to the top-level window.
void RegisterPanelClass(HINSTANCE instance);

// A top-level window class with the face colour behind it.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, const wchar_t* cursor = IDC_ARROW);
// The program's 9-point Song face.
HFONT CreateUiFont();
// The top-left corner that puts a w x h window in the middle of the work area.
POINT CentredOrigin(int w, int h);

std::wstring Wide(const Text& text);
Text FromWide(const std::wstring& text);

}  // namespace picmove
