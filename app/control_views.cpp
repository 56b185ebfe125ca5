#include "app/control_views.h"

#include <commctrl.h>

#include <string>

#include "app/window_def.h"

namespace picmove {

Text WindowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring buf(static_cast<std::size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd, &buf[0], n + 1);
  buf.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return FromWide(buf);
}

void SetWindowTextGbk(HWND hwnd, const Text& text) { SetWindowTextW(hwnd, Wide(text).c_str()); }

std::size_t ListViewAddressList::RowCount() const {
  return static_cast<std::size_t>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

Text ListViewAddressList::RowText(std::size_t row) const {
  if (row >= RowCount()) return Text();
  // LVM_GETITEMTEXT says how much it copied, not how long the text is: grow
  // the buffer until the text fits.
  std::wstring buf(512, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = &buf[0];
    item.cchTextMax = static_cast<int>(buf.size());
    auto n = static_cast<std::size_t>(SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
    if (n + 1 < buf.size()) {
      buf.resize(n);
      return FromWide(buf);
    }
    buf.assign(buf.size() * 2, L'\0');
  }
}

void ListViewAddressList::AppendRow(const Text& text) {
  std::wstring w = Wide(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(RowCount());
  item.pszText = &w[0];
  SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewAddressList::DeleteRows(const std::vector<std::size_t>& rows) {
  // From the back, so the rows still to go keep their numbers.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) SendMessageW(list_, LVM_DELETEITEM, *it, 0);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void ListViewAddressList::DeleteAllRows() { SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0); }

bool ListViewAddressList::IsRowSelected(std::size_t row) const {
  return (SendMessageW(list_, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListViewAddressList::SelectRow(std::size_t row, bool selected) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

Text EditTextBox::GetText() const { return WindowText(edit_); }

void EditTextBox::SetText(const Text& text) { SetWindowTextGbk(edit_, text); }

void ControlLabel::SetCaption(const Text& caption) { SetWindowTextGbk(label_, caption); }

void EditProgressLog::Append(const Text& text) {
  int end = GetWindowTextLengthW(edit_);
  SendMessageW(edit_, EM_SETSEL, end, end);
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void MessageLoopPump::ProcessPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the real loop to see
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace picmove
