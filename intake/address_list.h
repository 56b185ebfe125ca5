#pragma once
#include <vector>

#include "intake/views.h"

namespace picmove {

// Deletes every row whose text equals an earlier row's, ASCII letter case
// ignored; the first occurrence stays where it is.
void RemoveDuplicateRows(AddressListView& list);

// The address list held in memory, for the command line and the tests.
class MemoryAddressList : public AddressListView {
 public:
  std::size_t RowCount() const override { return rows_.size(); }
  Text RowText(std::size_t row) const override { return row < rows_.size() ? rows_[row].text : Text(); }
  void AppendRow(const Text& text) override { rows_.push_back({text, false}); }
  void DeleteRows(const std::vector<std::size_t>& rows) override;
  void DeleteAllRows() override { rows_.clear(); }
  bool IsRowSelected(std::size_t row) const override { return row < rows_.size() && rows_[row].selected; }
  void SelectRow(std::size_t row, bool selected) override {
    if (row < rows_.size()) rows_[row].selected = selected;
  }

  std::vector<Text> Texts() const;

 private:
  struct Row {
    Text text;
    bool selected;
  };
  std::vector<Row> rows_;
};

}  // namespace picmove
