#pragma once
// What the core touches of the window. The window implements these over its
// controls; the command line and the tests implement them in memory. A call
// from the worker thread has taken effect when it returns.
#include <cstddef>
#include <vector>

#include "common/text.h"

namespace picmove {

// The address list: one ImageAddress per row, in column 0.
class AddressListView {
 public:
  virtual ~AddressListView() = default;
  virtual std::size_t RowCount() const = 0;
  // Empty when there is no such row.
  virtual Text RowText(std::size_t row) const = 0;
  virtual void AppendRow(const Text& text) = 0;
  // `rows` ascending, each an existing row.
  virtual void DeleteRows(const std::vector<std::size_t>& rows) = 0;
  virtual void DeleteAllRows() = 0;
  virtual bool IsRowSelected(std::size_t row) const = 0;
  virtual void SelectRow(std::size_t row, bool selected) = 0;
};

class TextBoxView {
 public:
  virtual ~TextBoxView() = default;
  virtual Text GetText() const = 0;
  virtual void SetText(const Text& text) = 0;
};

class LabelView {
 public:
  virtual ~LabelView() = default;
  virtual void SetCaption(const Text& caption) = 0;
};

// The progress log: text appended at the end, scrolled into view.
class ProgressLogView {
 public:
  virtual ~ProgressLogView() = default;
  virtual void Append(const Text& text) = 0;
};

// Lets the window handle its pending events during long work.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
};

// Appends TimeText + message + CRLF: every log line begins with the time.
void AppendLogLine(ProgressLogView& log, const Text& message);

}  // namespace picmove
