#include "common/text_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#ifndef _WIN32
#include <iconv.h>
#endif

#include "tests/support/test_support.h"

namespace picmove {
namespace {

using test::Bytes;

ByteSet Le(const std::u16string& units) {
  ByteSet out;
  for (char16_t u : units) {
    out.push_back(static_cast<unsigned char>(u & 0xFF));
    out.push_back(static_cast<unsigned char>(u >> 8));
  }
  return out;
}

TEST(BytesToHexText, WritesZeroAsTwoDigitsAndNoOtherLeadingZero) {
  struct Case {
    std::string bytes;
    const char* hex;
  } cases[] = {
      {"", ""},
      {"\xFF\xFE", "FFFE"},
      {std::string("\x00\x0A\xFF", 3), "00AFF"},
      {"\x0A", "A"},
      {std::string(1, '\0'), "00"},
      {"\x10", "10"},
      {"\x89\x50\x4E\x47\x0D\x0A\x1A\x0A", "89504E47DA1AA"},
  };
  for (const Case& c : cases) EXPECT_EQ(BytesToHexText(Bytes(c.bytes)), c.hex);
}

TEST(Utf16LeToAnsi, ConvertsToTheEndKeepingEveryUnit) {
  struct Case {
    std::string utf16le;
    std::string ansi;
  } cases[] = {
      {std::string("A\0B\0", 4), "AB"},
      {std::string("A\0B", 3), "AB"},  // a final odd byte is one more unit
      {std::string("A\0\0\0B\0", 6), std::string("A\0B", 3)},  // zero units are kept
      {"\x2D\x4E\x87\x65", "\xD6\xD0\xCE\xC4"},                 // 中文 stays GBK
      {std::string("\x3D\xD8\x00\xDE", 4), "\x94\x39\xFC\x36"},  // 😀 in its four-byte form
      {"\x64\x27", "\x81\x37\xC5\x38"},                         // ❤
      {"\xFF\xFE", "\x84\x31\x95\x33"},                         // a mark is just a character here
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16LeToAnsi(Bytes(c.utf16le)), c.ansi);
}

TEST(Utf16LeToAnsi, RoundTripsEveryBmpUnitIncludingLoneSurrogates) {
  std::u16string all;
  for (unsigned u = 0; u <= 0xFFFF; ++u) all.push_back(static_cast<char16_t>(u));
  ByteSet le = Le(all);
  Text ansi = Utf16LeToAnsi(le);
  EXPECT_EQ(AnsiToUtf16Le(ansi), le);
  EXPECT_EQ(AnsiToUtf16(ansi), all);
}

TEST(Utf16LeToAnsi, RoundTripsRandomContent) {
  std::mt19937 rng(20261211);
  std::uniform_int_distribution<int> kind(0, 3);
  std::uniform_int_distribution<unsigned> ascii(0, 0x7F), cjk(0x4E00, 0x9FA5), bmp(0x80, 0xFFFF),
      astral(0x10000, 0x10FFFF), length(0, 200);
  for (int round = 0; round < 300; ++round) {
    std::u16string units;
    for (unsigned n = length(rng); n > 0; --n) {
      switch (kind(rng)) {
        case 0: units.push_back(static_cast<char16_t>(ascii(rng))); break;
        case 1: units.push_back(static_cast<char16_t>(cjk(rng))); break;
        case 2: {
          unsigned u = bmp(rng);
          if (u < 0xD800 || u > 0xDFFF) units.push_back(static_cast<char16_t>(u));
          break;
        }
        default: {
          unsigned cp = astral(rng) - 0x10000;
          units.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
          units.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        }
      }
    }
    ByteSet le = Le(units);
    ASSERT_EQ(AnsiToUtf16Le(Utf16LeToAnsi(le)), le) << "round " << round;
  }
}

TEST(Utf16LeToAnsi, NeverMakesBytesThatPatternsOrSeparatorsCouldMisread) {
  // A character is one byte that is no lead byte, a GBK pair whose trail byte
  // is past the ASCII punctuation, or a four-byte form whose second and
  // fourth bytes are digits: quotes, blanks, brackets, slashes and dots
  // always stand for themselves.
  for (unsigned u = 0x80; u <= 0xFFFF; ++u) {
    Text t = Utf16ToAnsi(std::u16string(1, static_cast<char16_t>(u)));
    const auto b = [&t](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    switch (t.size()) {
      case 1: ASSERT_TRUE(b(0) >= 0x80 && !IsLeadByte(b(0))) << std::hex << u; break;
      case 2: ASSERT_TRUE(IsLeadByte(b(0)) && b(1) >= 0x40) << std::hex << u; break;
      case 4:
        ASSERT_TRUE(IsLeadByte(b(0)) && b(1) >= 0x30 && b(1) <= 0x39 && IsLeadByte(b(2)) && b(3) >= 0x30 &&
                    b(3) <= 0x39)
            << std::hex << u;
        break;
      default: FAIL() << std::hex << u;
    }
  }
}

TEST(TextCodec, HasCodePage936) { EXPECT_TRUE(HaveCp936()); }

TEST(AnsiToUtf16, ReplacesAStrayLeadByteAloneAndKeepsWhatFollows) {
  EXPECT_EQ(AnsiToUtf16("\xB1\"x"), u"\uFFFD\"x");
  EXPECT_EQ(AnsiToUtf16("a\xB1"), u"a\uFFFD");
}

TEST(Utf8, ConvertsThroughTheTextCodec) {
  EXPECT_EQ(AnsiToUtf8("\xD6\xD0" "a"), u8"中a");
  // The emoji has no GBK form: outside the assertion, which quotes itself in GBK.
  const std::string utf8 = u8"宝贝描述😀";
  EXPECT_EQ(Utf8ToAnsi(utf8), "\xB1\xA6\xB1\xB4\xC3\xE8\xCA\xF6\x94\x39\xFC\x36");
}

TEST(Gb18030Table, KeepsThe2000CodesOfTheCharactersMovedLater) {
  EXPECT_EQ(Utf16ToAnsi(u"\u1E3F"), "\x81\x35\xF4\x37");
  EXPECT_EQ(Utf16ToAnsi(u"\u9FB4"), "\x82\x35\x90\x37");
  EXPECT_EQ(Utf16ToAnsi(u"\uFE10"), "\x84\x31\x82\x36");
}

#ifndef _WIN32
// Later editions of GB18030 moved these to or from two-byte codes that code
// page 936 gives to private-use characters; the table keeps the 2000 codes.
bool MovedIn2005(unsigned cp) {
  return cp == 0x1E3F || cp == 0xE7C7 || (cp >= 0x9FB4 && cp <= 0x9FBB) || (cp >= 0xFE10 && cp <= 0xFE19);
}


TEST(Gb18030Table, AgreesWithTheSystemGb18030Converter) {
  iconv_t cd = iconv_open("GB18030", "UTF-16LE");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (unsigned cp = 0x80; cp <= 0xFFFF; ++cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || MovedIn2005(cp)) continue;
    char in[2] = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8)};
    unsigned char out[8];
    char* src = in;
    char* dst = reinterpret_cast<char*>(out);
    std::size_t inLeft = 2, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // Some private-use characters have no code in the system's edition.
    if (iconv(cd, &src, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) continue;
    std::size_t n = sizeof out - outLeft;
    long expected = -1;
    if (n == 4) {
      expected = static_cast<long>((((out[0] - 0x81) * 10 + (out[1] - 0x30)) * 126 + (out[2] - 0x81)) * 10 +
                                   (out[3] - 0x30));
    }
    ASSERT_EQ(gb18030::BmpPointer(cp), expected) << std::hex << cp;
    if (expected >= 0) {
      ASSERT_EQ(gb18030::BmpCodePoint(static_cast<std::size_t>(expected)), cp);
    }
  }
  iconv_close(cd);
}
#endif

}  // namespace
}  // namespace picmove
