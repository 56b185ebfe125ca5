#include "intake/patterns.h"

#include <gtest/gtest.h>

#include "intake/address_list.h"
#include "intake/extract.h"
#include "common/file_io.h"
#include "tests/support/test_support.h"

namespace picmove {
namespace {

std::vector<Text> Found(const Text& text) {
  MemoryAddressList list;
  ExtractAddresses(text, DefaultPatternList(), list, nullptr);
  return list.Texts();
}

TEST(DefaultPatterns, FindDescriptionImagesAsPackagesWriteThem) {
  struct Case {
    Text text;
    Text address;
  } cases[] = {
      {R"(<img src="http://a.cn/x.jpg">)", "a.cn/x.jpg"},
      {R"("<p><img src=""http://a.cn/i1/1/TB2_!!1.jpg"" align=""absmiddle""></p>")", "a.cn/i1/1/TB2_!!1.jpg"},
      {R"(<img src='http://a.cn/x.jpg'>)", "a.cn/x.jpg"},
      {R"(<img src=http://a.cn/x.jpg width=750>)", "a.cn/x.jpg"},
      {R"(<img src=http://a.cn/x.jpg>)", "a.cn/x.jpg"},
      {R"(<IMG SRC="HTTP://a.cn/X.jpg">)", "a.cn/X.jpg"},
      {R"(<Img alt="" Src = ""Http://a.cn/x.jpg_400x400.jpg?v=1"">)", "a.cn/x.jpg_400x400.jpg?v=1"},
      {"<img\r\n width=750\r\n src=\"http://a.cn/x.jpg\">", "a.cn/x.jpg"},
      {R"(<table background=""http://a.cn/bg.jpg"" width=""750"">)", "a.cn/bg.jpg"},
      {R"(<TD BACKGROUND='http://a.cn/bg.gif'>)", "a.cn/bg.gif"},
      {R"x(<div style=""background:url(http://a.cn/u.png) no-repeat"">)x", "a.cn/u.png"},
      {R"x(<p style="background-image:url('http://a.cn/u.png')">)x", "a.cn/u.png"},
      {R"x(<p style='background-image:url("http://a.cn/u.png")'>)x", "a.cn/u.png"},
      {R"x(<p style="background:URL( http://a.cn/u.png )">)x", "a.cn/u.png"},
      // GBK bytes in an address stay whole.
      {"<img src=\"http://a.cn/\xCD\xBC.jpg\">", "a.cn/\xCD\xBC.jpg"},
  };
  for (const Case& c : cases) {
    std::vector<Text> found = Found(c.text);
    ASSERT_EQ(found.size(), 1u) << c.text;
    EXPECT_EQ(found[0], c.address) << c.text;
    // The worker fetches and replaces "http://" + address: it must be there.
    EXPECT_NE(FoldAsciiCase(c.text).find(FoldAsciiCase("http://" + c.address)), Text::npos) << c.text;
  }
}

TEST(DefaultPatterns, IgnoreWhatIsNoDescriptionImage) {
  const Text cases[] = {
      "see http://a.cn/x.jpg for details",
      R"(<a href="http://a.cn/x.jpg">big picture</a>)",
      R"(<img src="" width="1">)",
      R"(<img src="">http://a.cn/x.jpg)",
      R"(<img src=""http://"">)",
      R"(<img src="https://a.cn/x.jpg">)",
      "e6f3a1c27a8b4d0f9e1d2c3b4a596877:1:0:|http://a.cn/main.jpg;",
      R"(<img src="/local/x.jpg">)",
  };
  for (const Text& c : cases) EXPECT_TRUE(Found(c).empty()) << c;
}

TEST(ParsePatternFile, OneEntryALineBlankLinesSkipped) {
  const std::string content = "a(b)\r\n\r\n   \n<img src=\"http://([^\"]+)\n\nlast";
  EXPECT_EQ(ParsePatternFile(test::Bytes(content)),
            (PatternList{"a(b)", "<img src=\"http://([^\"]+)", "last"}));
  EXPECT_TRUE(ParsePatternFile(test::Bytes("\r\n\n")).empty());
  // Notepad's UTF-8 with its mark: 图 arrives as GBK.
  EXPECT_EQ(ParsePatternFile(test::Bytes("\xEF\xBB\xBF" u8"图(x)")), PatternList{"\xCD\xBC(x)"});
}

TEST(LoadPatternList, TakesTheOverrideFileWhenThereIsOne) {
  test::TempDir dir;
  EXPECT_EQ(LoadPatternList(dir.path()), DefaultPatternList());
  test::MakeTestFolder(dir.path() + "options");
  test::WriteTestFile(dir.path() + "options" + kPathSeparator + "patterns.txt", std::string("x(y)\r\n"));
  EXPECT_EQ(LoadPatternList(dir.path()), PatternList{"x(y)"});
  test::WriteTestFile(dir.path() + "options" + kPathSeparator + "patterns.txt", std::string("\r\n"));
  EXPECT_TRUE(LoadPatternList(dir.path()).empty());
}

TEST(LoadPatternList, AnUnreadableOverrideGivesNoPatternsNotTheDefaults) {
  test::TempDir dir;
  test::MakeTestFolder(dir.path() + "options" + kPathSeparator + "patterns.txt");
  EXPECT_TRUE(LoadPatternList(dir.path()).empty());
}

}  // namespace
}  // namespace picmove
