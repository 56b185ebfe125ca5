#include "engine/image_naming.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace picmove {
namespace {

using test::Bytes;

TEST(SniffExtension, FollowsTheSignatureTable) {
  struct Case {
    std::string bytes;
    const char* extension;
  } cases[] = {
      {"\xFF\xD8\xFF\xE0\x00\x10JFIF", "jpg"},
      {"\xFF\xD8", "jpg"},
      {"<!DOCTYPE html><html>", "jpg"},  // the table names an HTML page a JPEG
      {"\x89PNG\r\n\x1A\n", "png"},
      {"GIF89a", "gif"},
      {"GIF87a", "gif"},
      {"BM6\x00", "bmp"},
      {"MM\x00*", "tiff"},
      {"II*\x00", "tiff"},
      {"FORM\x00\x00", "iff"},
      {"RIFF\x24\x00\x00\x00WEBPVP8 ", "ani"},  // every RIFF file, WebP too
      {std::string("\x00\x00\x10\x00\x00", 5), "tga"},
      {std::string("\x00\x00\x01\x00\x00\x00", 6), "tga"},  // its text begins 0000100000 too
      {std::string("\x00\x00\x01\x00\x01\x00\x20\x20", 8), "ico"},
  };
  for (const Case& c : cases) EXPECT_EQ(SniffExtension(Bytes(c.bytes)), c.extension) << c.bytes;
}

TEST(SniffExtension, NamesAnUnknownStartByItsSignatureText) {
  const Text prefix = kUnrecognisedPrefix;
  struct Case {
    std::string bytes;
    Text signature;
  } cases[] = {
      {"", ""},
      {"\xFF", "FF"},  // shorter than any signature: never a match
      {"\x0A\x05\x01", "A51"},  // 0A gives "A", so the pcx row never matches
      {std::string("\x00\x00\x02\x00\x01\x00\x20\x20", 8), "00002001002020"},
      {std::string("\x00\x00\x02", 3) + std::string(7, '\0'), "00002" + std::string(14, '0')},
      {"No input file specified.\n", "4E6F20696E7075742066"},
  };
  for (const Case& c : cases) EXPECT_EQ(SniffExtension(Bytes(c.bytes)), prefix + c.signature);
}

TEST(AddressKey, IsTheMiddleOfTheMd5Hex) {
  EXPECT_EQ(AddressKey("abc"), "3cd24fb0d6963f7d");
  EXPECT_EQ(AddressKey("img01.alicdn.com/a.jpg"), AddressKey("img01.alicdn.com/a.jpg"));
  EXPECT_NE(AddressKey("img01.alicdn.com/a.jpg"), AddressKey("IMG01.alicdn.com/a.jpg"));
  EXPECT_EQ(ImageFileName("abc", Bytes("\x89PNG")), "3cd24fb0d6963f7d.png");
}

}  // namespace
}  // namespace picmove
