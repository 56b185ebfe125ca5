#include "intake/address_actions.h"

#include <gtest/gtest.h>

#include <string>

#include "intake/address_list.h"

namespace picmove {
namespace {

struct Label : LabelView {
  Text caption;
  void SetCaption(const Text& c) override { caption = c; }
};

TEST(ExcludeSelected, RemovesExactlyTheSelectedRows) {
  struct Case {
    std::vector<std::size_t> selected;
    std::vector<Text> left;
  } cases[] = {
      {{}, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {{1, 4, 6}, {"0", "2", "3", "5", "7", "8", "9"}},  // rows 2, 5 and 7 counting from 1
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}},
      {{9}, {"0", "1", "2", "3", "4", "5", "6", "7", "8"}},
  };
  for (const Case& c : cases) {
    MemoryAddressList list;
    for (int i = 0; i < 10; ++i) list.AppendRow(std::to_string(i));
    for (std::size_t row : c.selected) list.SelectRow(row, true);
    Label count;
    ExcludeSelected(list, count);
    EXPECT_EQ(list.Texts(), c.left);
    EXPECT_EQ(count.caption, std::to_string(c.left.size()));
  }
}

TEST(FirstSelectedAddress, TakesTheLowestSelectedRow) {
  MemoryAddressList list;
  for (const char* a : {"a.cn/1.jpg", "a.cn/2.jpg", "a.cn/3.jpg"}) list.AppendRow(a);
  EXPECT_EQ(FirstSelectedAddress(list), "");
  list.SelectRow(2, true);
  list.SelectRow(1, true);
  EXPECT_EQ(FirstSelectedAddress(list), "a.cn/2.jpg");
}

}  // namespace
}  // namespace picmove
