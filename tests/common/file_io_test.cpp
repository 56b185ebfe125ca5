#include "common/file_io.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace picmove {
namespace {

TEST(ReadWholeFile, ReadsBinaryContentUnderAGbkPath) {
  test::TempDir dir;
  // 乗 (81 5C) ends in a backslash byte; 宝贝 needs code page 936.
  const Text folder = dir.path() + "\x81\x5C" "\xB1\xA6\xB1\xB4";
  test::MakeTestFolder(folder);
  const Text path = folder + kPathSeparator + "pkg.csv";
  const std::string content("\xFF\xFE\x00\x01\r\n\x1A", 7);
  test::WriteTestFile(path, content);

  ByteSet got;
  Text err;
  ASSERT_TRUE(ReadWholeFile(path, &got, &err)) << err;
  EXPECT_EQ(got, test::Bytes(content));
}

TEST(ReadWholeFile, FailsWithAReasonAndNoContent) {
  test::TempDir dir;
  for (const Text& path : {dir.path() + "missing.csv", dir.path()}) {
    ByteSet got{1, 2, 3};
    Text err;
    EXPECT_FALSE(ReadWholeFile(path, &got, &err)) << path;
    EXPECT_TRUE(got.empty());
    EXPECT_FALSE(err.empty());
  }
}

TEST(ReadWholeFile, ReadsAnEmptyFile) {
  test::TempDir dir;
  test::WriteTestFile(dir.path() + "empty.csv", std::string());
  ByteSet got{1};
  EXPECT_TRUE(ReadWholeFile(dir.path() + "empty.csv", &got, nullptr));
  EXPECT_TRUE(got.empty());
}

TEST(ProgramFolder, EndsInASeparator) {
  Text folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), kPathSeparator);
}

}  // namespace
}  // namespace picmove
