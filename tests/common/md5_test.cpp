#include "common/md5.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text_codec.h"

namespace picmove {
namespace {

std::string Hex(const std::string& s) {
  Md5Digest d;
  EXPECT_TRUE(Md5(s.data(), s.size(), &d));
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (unsigned char b : d) {
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
  }
  return out;
}

TEST(Md5, MatchesTheKnownDigests) {
  EXPECT_EQ(Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(Hex(std::string("a\0b", 3)), "70350f6027bce3713f6b76473084309b");
}

}  // namespace
}  // namespace picmove
