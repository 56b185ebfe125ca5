#include "app/window_def.h"

#include <commctrl.h>

#include "common/text_codec.h"

namespace picmove {

namespace {

const wchar_t kPanelClass[] = L"PicmovePanel";
const wchar_t kSeparatorProp[] = L"picmove.separator";
const int kFirstId = 1001;

std::vector<Text> SplitBars(const Text& text) {
  std::vector<Text> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t bar = FindFirst(text.substr(start), "|");
    if (bar == kNotFound) {
      out.push_back(text.substr(start));
      return out;
    }
    out.push_back(text.substr(start, bar));
    start += bar + 1;
  }
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    // Controls talk to their parent; the window that handles them is the
    // top-level one, however deep the panels nest.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_DRAWITEM:
    case WM_CONTEXTMENU:
      if (HWND top = GetAncestor(hwnd, GA_ROOT); top && top != hwnd) return SendMessageW(top, msg, wp, lp);
      break;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      int colour = GetPropW(hwnd, kSeparatorProp) ? COLOR_BTNSHADOW : COLOR_BTNFACE;
      FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(colour));
      return 1;
    }
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

struct Created {
  HWND hwnd = nullptr;
  std::vector<HWND> pages;
  POINT origin{0, 0};
};

HWND CreateChild(DWORD exStyle, const wchar_t* cls, const Text& text, DWORD style, int x, int y, int w, int h,
                 HWND parent, int id) {
  return CreateWindowExW(exStyle, cls, Wide(text).c_str(), style | WS_CHILD, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

Created CreateControl(const ControlDef& d, HWND parent, int x, int y, int id) {
  Created c;
  const DWORD visible = (d.flags & kHidden) ? 0 : WS_VISIBLE;
  const DWORD vscroll = (d.flags & kVerticalScroll) ? WS_VSCROLL : 0;
  const DWORD readOnly = (d.flags & kReadOnly) ? ES_READONLY : 0;
  const Text text = d.text ? d.text : "";
  switch (d.kind) {
    case ControlKind::kLabel:
      c.hwnd = CreateChild(0, L"STATIC", text, visible | SS_LEFT | SS_NOPREFIX, x, y, d.width, d.height, parent, id);
      break;
    case ControlKind::kTransparentLabel:
      // One line each: a caption a little wider than its label is cut at the
      // edge, not broken onto a second line that the label's height hides.
      c.hwnd = CreateChild(0, L"STATIC", text, visible | SS_LEFTNOWORDWRAP | SS_NOPREFIX, x, y, d.width, d.height,
                           parent, id);
      break;
    case ControlKind::kPicture:
      c.hwnd = CreateChild(0, L"STATIC", "", visible | SS_BITMAP, x, y, d.width, d.height, parent, id);
      break;
    case ControlKind::kIcon:
      c.hwnd = CreateChild(0, L"STATIC", "", visible | SS_ICON, x, y, d.width, d.height, parent, id);
      break;
    case ControlKind::kLine:
      c.hwnd = CreateChild(0, L"STATIC", "", visible | SS_ETCHEDHORZ, x, y, d.width, d.height, parent, id);
      break;
    case ControlKind::kDrawingArea:
    case ControlKind::kPictureBox:
    case ControlKind::kWebBrowser:
      c.hwnd = CreateChild(0, kPanelClass, text, visible | WS_CLIPCHILDREN, x, y, d.width, d.height, parent, id);
      if (d.kind == ControlKind::kDrawingArea && d.height <= 2) SetPropW(c.hwnd, kSeparatorProp, c.hwnd);
      break;
    case ControlKind::kButton:
      c.hwnd = CreateChild(0, L"BUTTON", text, visible | WS_TABSTOP | BS_PUSHBUTTON, x, y, d.width, d.height, parent,
                           id);
      break;
    case ControlKind::kEdit:
      c.hwnd = CreateChild(WS_EX_CLIENTEDGE, L"EDIT", text, visible | WS_TABSTOP | ES_AUTOHSCROLL | readOnly, x, y,
                           d.width, d.height, parent, id);
      break;
    case ControlKind::kMultiLineEdit:
      c.hwnd = CreateChild(WS_EX_CLIENTEDGE, L"EDIT", text,
                           visible | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | vscroll | readOnly,
                           x, y, d.width, d.height, parent, id);
      SendMessageW(c.hwnd, EM_SETLIMITTEXT, 0, 0);  // the log outgrows the 32 K default
      break;
    case ControlKind::kComboBox:
      c.hwnd = CreateChild(0, L"COMBOBOX", "",
                           visible | WS_TABSTOP | WS_VSCROLL | ((d.flags & kDropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN),
                           x, y, d.width, d.height, parent, id);
      break;
    case ControlKind::kListView: {
      DWORD single = (d.flags & kMultiSelect) ? 0 : LVS_SINGLESEL;
      c.hwnd = CreateChild(WS_EX_CLIENTEDGE, WC_LISTVIEWW, "",
                           visible | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | single, x, y, d.width, d.height,
                           parent, id);
      SendMessageW(c.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
      // "caption|width" gives the one column.
      std::vector<Text> parts = SplitBars(text);
      std::wstring caption = Wide(parts[0]);
      LVCOLUMNW col{};
      col.mask = LVCF_TEXT | LVCF_WIDTH;
      col.pszText = &caption[0];
      col.cx = parts.size() > 1 ? std::atoi(parts[1].c_str()) : d.width;
      SendMessageW(c.hwnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
      break;
    }
    case ControlKind::kTab:
    case ControlKind::kPageControl: {
      c.hwnd = CreateChild(0, WC_TABCONTROLW, "", visible | WS_CLIPCHILDREN | WS_TABSTOP, x, y, d.width, d.height,
                           parent, id);
      std::vector<Text> captions = SplitBars(text);
      for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring caption = Wide(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = &caption[0];
        SendMessageW(c.hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
      break;
    }
    case ControlKind::kSlider:
      c.hwnd = CreateChild(0, TRACKBAR_CLASSW, "", visible | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, x, y, d.width,
                           d.height, parent, id);
      break;
    case ControlKind::kProgressBar:
      c.hwnd = CreateChild(0, PROGRESS_CLASSW, "", visible, x, y, d.width, d.height, parent, id);
      break;
  }
  return c;
}

}  // namespace

std::wstring Wide(const Text& text) {
  std::u16string units = AnsiToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

Text FromWide(const std::wstring& text) { return Utf16ToAnsi(std::u16string(text.begin(), text.end())); }

bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, const wchar_t* cursor) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = name;
  // A class registered before (a second window of the kind) is fine too.
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HFONT CreateUiFont() {
  // The classic 9-point Song face of Chinese Windows; the system picks a
  // Chinese face where it has none of that name.
  return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体");
}

POINT CentredOrigin(int w, int h) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + ((work.right - work.left) - w) / 2, work.top + ((work.bottom - work.top) - h) / 2};
}

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
}

HWND BuiltWindow::Control(const Text& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second.hwnd;
}

int BuiltWindow::IdOf(const Text& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? 0 : it->second.id;
}

Text BuiltWindow::NameOfId(int id) const {
  auto it = names_.find(id);
  return it == names_.end() ? Text() : it->second;
}

HWND BuiltWindow::Page(const Text& name, int page) const {
  auto it = controls_.find(name);
  if (it == controls_.end() || page < 0 || static_cast<std::size_t>(page) >= it->second.pages.size()) return nullptr;
  return it->second.pages[page];
}

bool BuildControls(HWND window, const std::vector<ControlDef>& defs, HFONT font, BuiltWindow* out, Text* err) {
  int nextId = kFirstId;
  for (const ControlDef& d : defs) {
    HWND parent = window;
    POINT origin{0, 0};
    if (d.container && *d.container) {
      auto it = out->controls_.find(d.container);
      if (it == out->controls_.end()) {
        *err = Text("unknown container ") + d.container + " of " + d.name;
        return false;
      }
      const auto& holder = it->second;
      int page = d.page >= 0 ? d.page : 0;
      parent = holder.pages.empty() ? holder.hwnd
               : static_cast<std::size_t>(page) < holder.pages.size() ? holder.pages[page]
                                                                      : nullptr;
      if (!parent) {
        *err = Text("no such page for ") + d.name;
        return false;
      }
      origin = holder.origin;
    }
    const int id = nextId++;
    Created c = CreateControl(d, parent, d.x + origin.x, d.y + origin.y, id);
    if (!c.hwnd) {
      *err = Text("cannot create ") + d.name;
      return false;
    }
    SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (d.kind == ControlKind::kTab || d.kind == ControlKind::kPageControl) {
      // Each page is a panel over the tab's display area. A one-page tab
      // places its controls from the tab's corner, a page control from the
      // page's.
      RECT area{0, 0, d.width, d.height};
      SendMessageW(c.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
      int pages = static_cast<int>(SendMessageW(c.hwnd, TCM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < pages; ++i) {
        DWORD shown = i == 0 ? WS_VISIBLE : 0;
        c.pages.push_back(CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_CLIPCHILDREN | shown,
                                          area.left, area.top, area.right - area.left, area.bottom - area.top,
                                          c.hwnd, nullptr, GetModuleHandleW(nullptr), nullptr));
      }
      c.origin = d.kind == ControlKind::kTab ? POINT{-area.left, -area.top} : POINT{0, 0};
    }
    out->controls_[d.name] = {c.hwnd, id, c.pages, c.origin};
    out->names_[id] = d.name;
  }
  return true;
}

}  // namespace picmove
