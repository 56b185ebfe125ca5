#pragma once
// The core's views over real controls. Every call is a message to the
// control, so from the worker thread it runs on the user-interface thread
// and has taken effect when it returns.
#include <windows.h>

#include "intake/views.h"

namespace picmove {

class ListViewAddressList : public AddressListView {
 public:
  explicit ListViewAddressList(HWND list) : list_(list) {}
  std::size_t RowCount() const override;
  Text RowText(std::size_t row) const override;
  void AppendRow(const Text& text) override;
  void DeleteRows(const std::vector<std::size_t>& rows) override;
  void DeleteAllRows() override;
  bool IsRowSelected(std::size_t row) const override;
  void SelectRow(std::size_t row, bool selected) override;

 private:
  HWND list_;
};

class EditTextBox : public TextBoxView {
 public:
  explicit EditTextBox(HWND edit) : edit_(edit) {}
  Text GetText() const override;
  void SetText(const Text& text) override;

 private:
  HWND edit_;
};

class ControlLabel : public LabelView {
 public:
  explicit ControlLabel(HWND label) : label_(label) {}
  void SetCaption(const Text& caption) override;

 private:
  HWND label_;
};

// Appends as a person typing at the end would: caret to the end, scrolled
// there, the text inserted.
class EditProgressLog : public ProgressLogView {
 public:
  explicit EditProgressLog(HWND edit) : edit_(edit) {}
  void Append(const Text& text) override;

 private:
  HWND edit_;
};

class MessageLoopPump : public EventPump {
 public:
  void ProcessPendingEvents() override;
};

Text WindowText(HWND hwnd);
void SetWindowTextGbk(HWND hwnd, const Text& text);

}  // namespace picmove
