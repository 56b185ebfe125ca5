#include "intake/package_path.h"

#include <gtest/gtest.h>

namespace picmove {
namespace {

struct Case {
  Text chosen;
  bool accepted;
  Text shown, folder, baseName;
};

void Check(const Case& c, char sep) {
  PackagePath p = DerivePackagePath(c.chosen, sep);
  EXPECT_EQ(p.accepted, c.accepted) << c.chosen;
  EXPECT_EQ(p.shownPath, c.shown) << c.chosen;
  EXPECT_EQ(p.folder, c.folder) << c.chosen;
  EXPECT_EQ(p.baseName, c.baseName) << c.chosen;
}

TEST(DerivePackagePath, WindowsPaths) {
  const Text k5C = "\x81\x5C";  // 乗: its trail byte is a backslash
  const Case cases[] = {
      {"C:\\data\\pkg.csv", true, "C:\\data\\pkg.csv", "C:\\data\\", "pkg"},
      {"D:\\pkg.csv", true, "D:\\pkg.csv", "D:\\", "pkg"},
      {"C:\\data\\pkg.backup.csv", true, "C:\\data\\pkg.backup.csv", "C:\\data\\", "pkg.backup"},
      {"C:\\data\\pkg.txt", true, "C:\\data\\pkg.txt", "C:\\data\\", "pkg"},
      {"C:\\data\\pkg", true, "C:\\data\\pkg.csv", "C:\\data\\", "pkg"},
      {"C:\\my.data\\pkg", false, "", "C:\\my.data\\", ""},
      {"C:\\data\\.csv", false, "", "C:\\data\\", ""},
      {"pkg.csv", true, "pkg.csv", "", "pkg"},
      {"C:\\" + k5C + "\\" + k5C + ".csv", true, "C:\\" + k5C + "\\" + k5C + ".csv", "C:\\" + k5C + "\\", k5C},
      // The file name is 乗 alone: its trail byte is no separator.
      {"C:\\d\\" + k5C, true, "C:\\d\\" + k5C + ".csv", "C:\\d\\", k5C},
  };
  for (const Case& c : cases) Check(c, '\\');
}

TEST(DerivePackagePath, PosixPaths) {
  const Case cases[] = {
      {"/home/lin/pkg.csv", true, "/home/lin/pkg.csv", "/home/lin/", "pkg"},
      {"/home/lin/pkg", true, "/home/lin/pkg.csv", "/home/lin/", "pkg"},
      {"/home/my.data/pkg", false, "", "/home/my.data/", ""},
      // 宝贝.csv in GBK
      {"/srv/\xB1\xA6\xB1\xB4.csv", true, "/srv/\xB1\xA6\xB1\xB4.csv", "/srv/", "\xB1\xA6\xB1\xB4"},
  };
  for (const Case& c : cases) Check(c, '/');
}

}  // namespace
}  // namespace picmove
