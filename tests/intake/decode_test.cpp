#include "intake/decode.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "tests/support/test_support.h"

namespace picmove {
namespace {

using test::Bytes;

TEST(DecodePackage, PicksTheEncodingByTheMarkAndKeepsEverything) {
  struct Case {
    std::string content;
    TextEncoding encoding;
    std::string text;
  } cases[] = {
      {std::string("\xFF\xFE" "A\0B\0", 6), TextEncoding::kUtf16Le, "AB"},
      {std::string("\xFF\xFE" "A\0B", 5), TextEncoding::kUtf16Le, "AB"},
      {"\xFF\xFE", TextEncoding::kUtf16Le, ""},
      {std::string("\xFF\xFE" "A\0\0\0B\0", 8), TextEncoding::kUtf16Le, std::string("A\0B", 3)},
      {std::string("\xFE\xFF\x00", 3), TextEncoding::kAnsi, std::string("\xFE\xFF\x00", 3)},
      {"\xEF\xBB\xBF" "abc", TextEncoding::kAnsi, "\xEF\xBB\xBF" "abc"},
      {std::string("src=a\0src=b", 11), TextEncoding::kAnsi, std::string("src=a\0src=b", 11)},
      {"\xFF", TextEncoding::kAnsi, "\xFF"},
      {"", TextEncoding::kAnsi, ""},
  };
  for (const Case& c : cases) {
    DecodedPackage d = DecodePackage(Bytes(c.content));
    EXPECT_EQ(d.encoding, c.encoding) << BytesToHexText(Bytes(c.content));
    EXPECT_EQ(d.text, c.text) << BytesToHexText(Bytes(c.content));
  }
}

TEST(DecodePackage, Utf16PackageComesBackByteForByteWithItsMark) {
  ByteSet content;
  ASSERT_TRUE(ReadWholeFile(test::SourcePath("samples/sample-listings.csv"), &content, nullptr));
  DecodedPackage d = DecodePackage(content);
  ASSERT_EQ(d.encoding, TextEncoding::kUtf16Le);
  ByteSet back = AnsiToUtf16Le(d.text);
  back.insert(back.begin(), {0xFF, 0xFE});
  EXPECT_EQ(back, content);
}

}  // namespace
}  // namespace picmove
