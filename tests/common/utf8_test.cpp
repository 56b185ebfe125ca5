#include "common/utf8.h"

#include <gtest/gtest.h>

namespace picmove {
namespace {

TEST(Utf8, RoundTripsValidText) {
  const std::string s = u8"a中😀z";
  const std::u16string units = u"a中😀z";  // outside the assertion, which quotes itself in GBK
  EXPECT_EQ(Utf8ToUtf16(s), units);
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(s)), s);
}

TEST(Utf8, CarriesInvalidBytesThroughUnchanged) {
  // A GBK file name on a UTF-8 file system, a lone continuation byte, an
  // overlong slash, a cut-off sequence and an encoded surrogate.
  for (std::string bad : {"\xD6\xD0.csv", "a\x80z", "\xC0\xAF", "\xE4\xB8", "\xED\xA0\x80"}) {
    std::u16string units = Utf8ToUtf16(bad);
    for (char16_t u : units) EXPECT_FALSE(u == u'/');
    EXPECT_EQ(Utf16ToUtf8(units), bad);
  }
}

}  // namespace
}  // namespace picmove
