#include "intake/address_actions.h"

#include <string>
#include <unordered_map>

namespace picmove {

void ExcludeSelected(AddressListView& list, LabelView& countLabel) {
  const std::size_t n = list.RowCount();
  // How often each text was selected: that many of its first rows go.
  std::unordered_map<Text, std::size_t> selected;
  for (std::size_t row = 0; row < n; ++row) {
    if (list.IsRowSelected(row)) ++selected[FoldAsciiCase(list.RowText(row))];
  }
  std::vector<std::size_t> doomed;
  if (!selected.empty()) {
    for (std::size_t row = 0; row < n; ++row) {
      auto it = selected.find(FoldAsciiCase(list.RowText(row)));
      if (it != selected.end() && it->second > 0) {
        --it->second;
        doomed.push_back(row);
      }
    }
  }
  if (!doomed.empty()) list.DeleteRows(doomed);
  countLabel.SetCaption(std::to_string(list.RowCount()));
}

Text FirstSelectedAddress(const AddressListView& list) {
  for (std::size_t row = 0, n = list.RowCount(); row < n; ++row) {
    if (list.IsRowSelected(row)) return list.RowText(row);
  }
  return Text();
}

}  // namespace picmove
