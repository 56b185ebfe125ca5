#include "intake/address_list.h"

#include <gtest/gtest.h>

#include <string>

namespace picmove {
namespace {

MemoryAddressList ListOf(const std::vector<Text>& rows) {
  MemoryAddressList list;
  for (const Text& r : rows) list.AppendRow(r);
  return list;
}

TEST(RemoveDuplicateRows, KeepsTheFirstOfEachIgnoringAsciiCase) {
  struct Case {
    std::vector<Text> before, after;
  } cases[] = {
      {{}, {}},
      {{"a", "b", "A", "c", "b", "B"}, {"a", "b", "c"}},
      {{"x.cn/P.jpg", "X.CN/p.JPG", "x.cn/q.jpg"}, {"x.cn/P.jpg", "x.cn/q.jpg"}},
      // 81 41 and 81 61 are different characters: trail bytes are not folded.
      {{"\x81\x41", "\x81\x61", "\x81\x41"}, {"\x81\x41", "\x81\x61"}},
      {{"a", "a", "a", "a"}, {"a"}},
  };
  for (const Case& c : cases) {
    MemoryAddressList list = ListOf(c.before);
    RemoveDuplicateRows(list);
    EXPECT_EQ(list.Texts(), c.after);
  }
}

TEST(RemoveDuplicateRows, StaysFastOnALargeList) {
  // A scan per row would take minutes here; a hash set takes milliseconds.
  MemoryAddressList list;
  const int n = 200000;
  for (int i = 0; i < n; ++i) list.AppendRow("img.cn/" + std::to_string(i % (n / 2)) + ".jpg");
  RemoveDuplicateRows(list);
  ASSERT_EQ(list.RowCount(), static_cast<std::size_t>(n / 2));
  EXPECT_EQ(list.RowText(0), "img.cn/0.jpg");
  EXPECT_EQ(list.RowText(n / 2 - 1), "img.cn/" + std::to_string(n / 2 - 1) + ".jpg");
}

TEST(MemoryAddressList, DeletesTheNamedRowsAndKeepsTheOrderAndSelection) {
  MemoryAddressList list = ListOf({"0", "1", "2", "3", "4"});
  list.SelectRow(3, true);
  list.DeleteRows({0, 2, 4});
  EXPECT_EQ(list.Texts(), (std::vector<Text>{"1", "3"}));
  EXPECT_FALSE(list.IsRowSelected(0));
  EXPECT_TRUE(list.IsRowSelected(1));
  EXPECT_EQ(list.RowText(7), "");
}

}  // namespace
}  // namespace picmove
