#include "intake/address_list.h"

#include <unordered_set>

namespace picmove {

void RemoveDuplicateRows(AddressListView& list) {
  const std::size_t n = list.RowCount();
  std::unordered_set<Text> seen;
  seen.reserve(n);
  std::vector<std::size_t> duplicates;
  for (std::size_t row = 0; row < n; ++row) {
    if (!seen.insert(FoldAsciiCase(list.RowText(row))).second) duplicates.push_back(row);
  }
  if (!duplicates.empty()) list.DeleteRows(duplicates);
}

void MemoryAddressList::DeleteRows(const std::vector<std::size_t>& rows) {
  // One pass that keeps the rows not named, so many deletions stay linear.
  std::size_t next = 0;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (next < rows.size() && rows[next] == i) {
      ++next;
      continue;
    }
    if (kept != i) rows_[kept] = std::move(rows_[i]);
    ++kept;
  }
  rows_.resize(kept);
}

std::vector<Text> MemoryAddressList::Texts() const {
  std::vector<Text> out;
  out.reserve(rows_.size());
  for (const Row& r : rows_) out.push_back(r.text);
  return out;
}

}  // namespace picmove
