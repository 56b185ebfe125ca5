#include "intake/intake.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "intake/address_list.h"
#include "tests/support/test_support.h"

namespace picmove {
namespace {

struct Box : TextBoxView {
  Text text;
  Text GetText() const override { return text; }
  void SetText(const Text& t) override { text = t; }
};
struct Label : LabelView {
  Text caption = "unset";
  void SetCaption(const Text& c) override { caption = c; }
};
struct Log : ProgressLogView {
  std::vector<Text> lines;
  void Append(const Text& t) override { lines.push_back(t); }
};

class IntakeTest : public ::testing::Test {
 protected:
  IntakeResult Run(const Text& path) {
    box.text = path;
    return AddToList({&box, &list, &label, &log, nullptr}, DefaultPatternList(), package);
  }
  static bool EndsWith(const Text& s, const Text& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
  }

  Box box;
  MemoryAddressList list;
  Label label;
  Log log;
  Package package;
};

std::vector<Text> ExpectedSampleAddresses() {
  ByteSet content;
  EXPECT_TRUE(ReadWholeFile(test::SourcePath("samples/sample-listings.addresses.txt"), &content, nullptr));
  std::vector<Text> out;
  Text all(content.begin(), content.end());
  for (std::size_t start = 0; start < all.size();) {
    std::size_t end = all.find('\n', start);
    out.push_back(all.substr(start, end - start));
    start = end == Text::npos ? all.size() : end + 1;
  }
  return out;
}

TEST_F(IntakeTest, ListsTheSamplesDistinctAddressesInOrder) {
  IntakeResult r = Run(test::SourcePath("samples/sample-listings.csv"));
  EXPECT_TRUE(r.started);
  EXPECT_TRUE(r.readOk);
  EXPECT_EQ(list.Texts(), ExpectedSampleAddresses());
  EXPECT_EQ(package.encoding, TextEncoding::kUtf16Le);
  EXPECT_EQ(package.text.compare(0, 12, "version 1.00"), 0);  // no stray mark in front
  ASSERT_EQ(log.lines.size(), 2u);
  EXPECT_TRUE(EndsWith(log.lines[0], "  开始提取图片地址……\r\n")) << log.lines[0];
  const Text n = std::to_string(list.RowCount());
  EXPECT_TRUE(EndsWith(log.lines[1], "  读取成功，成功提取了：  " + n + "  张不重复图片\r\n"));
  EXPECT_EQ(label.caption, n);
}

TEST_F(IntakeTest, ReadsAnOlderGbkPackage) {
  IntakeResult r = Run(test::SourcePath("tests/fixtures/older-gbk.csv"));
  EXPECT_TRUE(r.readOk);
  EXPECT_EQ(package.encoding, TextEncoding::kAnsi);
  EXPECT_EQ(package.text.compare(0, 8, "\xB1\xA6\xB1\xB4\xC3\xFB\xB3\xC6"), 0);  // 宝贝名称
  EXPECT_FALSE(list.Texts().empty());
  EXPECT_EQ(label.caption, std::to_string(list.RowCount()));
}

TEST_F(IntakeTest, BlankPathBoxChangesNothing) {
  list.AppendRow("kept");
  package.text = "old";
  for (Text blank : {Text(""), Text("   "), Text("\xA1\xA1 \xA1\xA1")}) {
    IntakeResult r = Run(blank);
    EXPECT_FALSE(r.started);
    EXPECT_EQ(list.Texts(), std::vector<Text>{"kept"});
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(label.caption, "unset");
    EXPECT_EQ(package.text, "old");
  }
}

TEST_F(IntakeTest, MissingOrEmptyFileGivesAnEmptyListAndBothLines) {
  test::TempDir dir;
  test::WriteTestFile(dir.path() + "empty.csv", std::string());
  struct Case {
    Text path;
    bool readOk;
  } cases[] = {{dir.path() + "missing.csv", false}, {dir.path() + "empty.csv", true}};
  for (const Case& c : cases) {
    list.AppendRow("old row");
    log.lines.clear();
    package.text = "old";
    IntakeResult r = Run(c.path);
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.readOk, c.readOk);
    EXPECT_EQ(list.RowCount(), 0u);
    EXPECT_TRUE(package.text.empty());
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_TRUE(EndsWith(log.lines[1], "  读取成功，成功提取了：  0  张不重复图片\r\n"));
    EXPECT_EQ(label.caption, "0");
  }
}

}  // namespace
}  // namespace picmove
