#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/text_codec.h"
#include "tests/support/test_support.h"

namespace picmove {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(std::vector<std::string> args) {
  args.insert(args.begin(), "picmove");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(&a[0]);
  std::ostringstream out, err;
  int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

std::string Utf8Path(const std::string& relative) { return AnsiToUtf8(test::SourcePath(relative)); }

std::string FileText(const std::string& relative) {
  ByteSet content;
  EXPECT_TRUE(ReadWholeFile(test::SourcePath(relative), &content, nullptr));
  return std::string(content.begin(), content.end());
}

TEST(CliList, PrintsTheSampleAddressesAndTheTwoLogLines) {
  CliRun r = Cli({"list", Utf8Path("samples/sample-listings.csv")});
  EXPECT_EQ(r.status, kCliOk) << r.err;
  EXPECT_EQ(r.out, FileText("samples/sample-listings.addresses.txt"));
  EXPECT_NE(r.err.find(u8"  开始提取图片地址……\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(u8"  读取成功，成功提取了：  "), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find('\r'), std::string::npos);
}

TEST(CliList, ReadsAGbkPackageAndPrintsUtf8) {
  test::TempDir dir;
  // 宝贝.csv, an address with 图 in it
  const Text path = dir.path() + "\xB1\xA6\xB1\xB4.csv";
  test::WriteTestFile(path, std::string("\xCD\xBC<img src=\"http://a.cn/\xCD\xBC.jpg\">"));
  CliRun r = Cli({"list", AnsiToUtf8(path)});
  EXPECT_EQ(r.status, kCliOk) << r.err;
  EXPECT_EQ(r.out, u8"a.cn/图.jpg\n");
}

TEST(CliList, ReportsAnUnreadablePackage) {
  test::TempDir dir;
  const std::string missing = AnsiToUtf8(dir.path()) + "missing.csv";
  CliRun r = Cli({"list", missing});
  EXPECT_EQ(r.status, kCliPackageError);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find(missing), std::string::npos);
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
}

TEST(CliList, RefusesABadCommandLine) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"frobnicate"}, {"list"}, {"list", "a.csv", "--bogus"}, {"list", "a.csv", "--patterns"},
      {"list", "a.csv", "b.csv"},
  };
  for (const auto& args : cases) {
    CliRun r = Cli(args);
    EXPECT_EQ(r.status, kCliUsage);
    EXPECT_NE(r.err.find("usage: picmove"), std::string::npos);
  }
}

TEST(CliList, PatternsFileReplacesTheDefaults) {
  test::TempDir dir;
  test::WriteTestFile(dir.path() + "p.txt", std::string("data-img=\"http://([^\"]+)\"\n"));
  test::WriteTestFile(dir.path() + "pkg.csv",
                      std::string("<div data-img=\"http://a.cn/1.jpg\"><img src=\"http://a.cn/2.jpg\">"));
  CliRun r = Cli({"list", AnsiToUtf8(dir.path()) + "pkg.csv", "--patterns", AnsiToUtf8(dir.path()) + "p.txt"});
  EXPECT_EQ(r.status, kCliOk) << r.err;
  EXPECT_EQ(r.out, "a.cn/1.jpg\n");

  test::WriteTestFile(dir.path() + "empty.txt", std::string("\n"));
  for (const std::string& file : {AnsiToUtf8(dir.path()) + "empty.txt", AnsiToUtf8(dir.path()) + "none.txt"}) {
    r = Cli({"list", AnsiToUtf8(dir.path()) + "pkg.csv", "--patterns=" + file});
    EXPECT_EQ(r.status, kCliUsage);
    EXPECT_NE(r.err.find(file), std::string::npos);
  }
}

}  // namespace
}  // namespace picmove
