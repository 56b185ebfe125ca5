#include "engine/image_naming.h"

#include <algorithm>
#include <iterator>

#include "common/md5.h"
#include "common/text_codec.h"

namespace picmove {

namespace {

struct Signature {
  const char* text;  // compared over its whole length
  const char* extension;
};

// In order; the first match wins. The texts are signature texts, not bytes:
// a zero byte is "00" and 01..0F are one digit, so "3C21444F435459504520"
// is an HTML "<!DOCTYPE " and "00001001002020" an icon header.
const Signature kSignatures[] = {
    {"FFD8", "jpg"},
    {"3C21444F435459504520", "jpg"},
    {"0000020000", "tga"},
    {"0000100000", "tga"},
    {"474946383961", "gif"},
    {"474946383761", "gif"},
    {"89504E47", "png"},
    {"424D", "bmp"},
    {"0A", "pcx"},
    {"4D4D", "tiff"},
    {"4949", "tiff"},
    {"0000010001002020", "ico"},
    {"00001001002020", "ico"},
    {"0000020001002020", "cur"},
    {"464F524D", "iff"},
    {"52494646", "ani"},
};

}  // namespace

Text SniffExtension(const ByteSet& bytes) {
  const Text signature = BytesToHexText(bytes.data(), std::min<std::size_t>(bytes.size(), 10));
  for (const Signature& s : kSignatures) {
    // A signature text shorter than the row's is compared whole, so it
    // never matches.
    if (signature.compare(0, Text::traits_type::length(s.text), s.text) == 0) return s.extension;
  }
  return kUnrecognisedPrefix + signature;
}

Text AddressKey(const Text& imageAddress) {
  Md5Digest digest;
  Md5(imageAddress.data(), imageAddress.size(), &digest);
  static const char kHex[] = "0123456789abcdef";
  Text hex;
  for (unsigned char b : digest) {
    hex += kHex[b >> 4];
    hex += kHex[b & 0xF];
  }
  return hex.substr(8, 16);
}

Text ImageFileName(const Text& imageAddress, const ByteSet& bytes) {
  return AddressKey(imageAddress) + "." + SniffExtension(bytes);
}

}  // namespace picmove
