#include "common/text.h"

#include <gtest/gtest.h>

namespace picmove {
namespace {

// 乗 is 81 5C in GBK: its trail byte is a backslash.
const Text kTrail5C = "\x81\x5C";

TEST(TextSearch, StepsOverDoubleByteCharacters) {
  struct Case {
    Text text, s;
    std::size_t first, last;
  } cases[] = {
      {"C:\\data\\pkg.csv", "\\", 2, 7},
      {"C:\\" + kTrail5C + "\\pkg.csv", "\\", 2, 5},  // the trail byte at 4 is not a backslash
      {kTrail5C, "\\", kNotFound, kNotFound},
      {"abc", "", kNotFound, kNotFound},
      {"ab", "abc", kNotFound, kNotFound},
      {"a.b.c", ".", 1, 3},
      // "\xB5\x2E" is a whole character, its trail byte a dot.
      {"\xB5\x2E" "x", ".", kNotFound, kNotFound},
      // A lead byte at the very end stands alone.
      {"a\x81", "\x81", 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindFirst(c.text, c.s), c.first) << c.text;
    EXPECT_EQ(FindLast(c.text, c.s), c.last) << c.text;
  }
}

TEST(TextSearch, LeftAndRightClampToTheText) {
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 9), "abc");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(Right("abc", 0), "");
}

TEST(TextTrim, RemovesHalfAndFullWidthBlanksOnly) {
  const Text fw = "\xA1\xA1";  // full-width space
  struct Case {
    Text in, out;
  } cases[] = {
      {"  a b  ", "a b"},
      {fw + " a" + fw, "a"},
      {" " + fw + " ", ""},
      {"", ""},
      {"\tA\t", "\tA\t"},  // tabs are not blanks here
      // B0 A1 is a character whose trail byte is A1: it must not be cut in half.
      {"\xB0\xA1\xA1\xA1", "\xB0\xA1"},
      // A character ending in 20 is not a trailing blank.
      {"x\x81\x20", "x\x81\x20"},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimBlanks(c.in), c.out) << c.in;
}

TEST(TextCase, FoldsAsciiLettersButNotTrailBytes) {
  // 81 41 is a character whose trail byte is 'A'.
  EXPECT_EQ(FoldAsciiCase("HTTP://Img.JPG"), "http://img.jpg");
  EXPECT_EQ(FoldAsciiCase("\x81\x41" "B"), "\x81\x41" "b");
}

}  // namespace
}  // namespace picmove
