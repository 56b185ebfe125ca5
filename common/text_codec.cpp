#include "common/text_codec.h"

#include <algorithm>
#include <iterator>

#include "common/cp936.h"
#include "common/utf8.h"

namespace picmove {

namespace {

struct Gb18030Run {
  std::size_t pointer;
  char32_t codePoint;
  std::size_t length;
};

const Gb18030Run kRuns[] = {
#include "common/gb18030_ranges.inc"
};

constexpr char16_t kReplacement = 0xFFFD;

struct Codec {
  Cp936Mapping map;
  bool have936 = false;

  Codec() {
    have936 = QueryPlatformCp936(&map);
    // Keep only mappings that come back to the same character, so that a
    // one-way mapping never changes a character on its way through.
    for (std::size_t cp = 0; cp < map.encode.size(); ++cp) {
      std::uint16_t v = map.encode[cp];
      if (v == 0) continue;
      char16_t back = v < 0x100 ? map.decodeSingle[v] : map.decodeDouble[v];
      bool wellFormed = v < 0x100 || IsLeadByte(static_cast<unsigned char>(v >> 8));
      if (back != cp || !wellFormed || (v < 0x100 && IsLeadByte(static_cast<unsigned char>(v)))) {
        map.encode[cp] = 0;
      }
    }
  }
};

const Codec& TheCodec() {
  static const Codec codec;
  return codec;
}

void AppendFourByte(Text& out, std::size_t pointer) {
  char b4 = static_cast<char>(0x30 + pointer % 10);
  pointer /= 10;
  char b3 = static_cast<char>(0x81 + pointer % 126);
  pointer /= 126;
  char b2 = static_cast<char>(0x30 + pointer % 10);
  pointer /= 10;
  char b1 = static_cast<char>(0x81 + pointer);
  out += b1;
  out += b2;
  out += b3;
  out += b4;
}

bool IsDigitByte(unsigned char b) { return b >= 0x30 && b <= 0x39; }

// The Text of `count` UTF-16 units, read through `unitAt`.
template <typename UnitAt>
Text UnitsToAnsi(std::size_t count, UnitAt unitAt) {
  const Codec& codec = TheCodec();
  Text out;
  out.reserve(count + count / 2);
  for (std::size_t i = 0; i < count; ++i) {
    char16_t u = unitAt(i);
    if (u < 0x80) {
      out += static_cast<char>(u);
      continue;
    }
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
      char16_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00);
        AppendFourByte(out, gb18030::kSupplementaryBase + (cp - 0x10000));
        ++i;
        continue;
      }
    }
    std::uint16_t v = codec.map.encode[u];
    if (v != 0) {
      if (v >= 0x100) out += static_cast<char>(v >> 8);
      out += static_cast<char>(v & 0xFF);
      continue;
    }
    long pointer = gb18030::BmpPointer(u);
    AppendFourByte(out, pointer >= 0 ? static_cast<std::size_t>(pointer) : gb18030::kCarryPointerBase + u);
  }
  return out;
}

}  // namespace

namespace gb18030 {

long BmpPointer(char32_t codePoint) {
  auto it = std::upper_bound(std::begin(kRuns), std::end(kRuns), codePoint,
                             [](char32_t cp, const Gb18030Run& r) { return cp < r.codePoint; });
  if (it == std::begin(kRuns)) return -1;
  --it;
  if (codePoint >= it->codePoint + it->length) return -1;
  return static_cast<long>(it->pointer + (codePoint - it->codePoint));
}

char32_t BmpCodePoint(std::size_t pointer) {
  auto it = std::upper_bound(std::begin(kRuns), std::end(kRuns), pointer,
                             [](std::size_t p, const Gb18030Run& r) { return p < r.pointer; });
  --it;  // pointer 0 starts the first run, so there is always one
  return it->codePoint + static_cast<char32_t>(pointer - it->pointer);
}

}  // namespace gb18030

Text BytesToHexText(const unsigned char* data, std::size_t size) {
  static const char kDigits[] = "0123456789ABCDEF";
  Text out;
  out.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    unsigned b = data[i];
    if (b == 0) {
      out += "00";
    } else {
      if (b >= 0x10) out += kDigits[b >> 4];
      out += kDigits[b & 0xF];
    }
  }
  return out;
}

Text Utf16LeToAnsi(const unsigned char* data, std::size_t size) {
  return UnitsToAnsi((size + 1) / 2, [data, size](std::size_t i) {
    unsigned low = data[2 * i];
    unsigned high = 2 * i + 1 < size ? data[2 * i + 1] : 0;
    return static_cast<char16_t>(low | high << 8);
  });
}

Text Utf16ToAnsi(const std::u16string& utf16) {
  return UnitsToAnsi(utf16.size(), [&utf16](std::size_t i) { return utf16[i]; });
}

std::u16string AnsiToUtf16(const Text& text) {
  const Codec& codec = TheCodec();
  std::u16string out;
  out.reserve(text.size());
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    unsigned b = s[i];
    if (b < 0x80) {
      out.push_back(static_cast<char16_t>(b));
      ++i;
      continue;
    }
    if (IsLeadByte(b) && i + 3 < n && IsDigitByte(s[i + 1]) && IsLeadByte(s[i + 2]) && IsDigitByte(s[i + 3])) {
      std::size_t pointer = (((b - 0x81) * 10 + (s[i + 1] - 0x30)) * 126 + (s[i + 2] - 0x81)) * 10 + (s[i + 3] - 0x30);
      i += 4;
      if (pointer < gb18030::kBmpPointerEnd) {
        out.push_back(static_cast<char16_t>(gb18030::BmpCodePoint(pointer)));
      } else if (pointer < gb18030::kCarryPointerBase + 0x10000) {
        out.push_back(static_cast<char16_t>(pointer - gb18030::kCarryPointerBase));
      } else if (pointer >= gb18030::kSupplementaryBase && pointer < gb18030::kSupplementaryBase + 0x100000) {
        AppendUtf16(out, 0x10000 + static_cast<char32_t>(pointer - gb18030::kSupplementaryBase));
      } else {
        out.push_back(kReplacement);
      }
      continue;
    }
    if (IsLeadByte(b) && i + 1 < n) {
      char16_t u = codec.map.decodeDouble[b << 8 | s[i + 1]];
      if (u != 0) {
        out.push_back(u);
        i += 2;
        continue;
      }
    }
    // Not a character: this byte alone is replaced, so a quote or a line end
    // after a stray lead byte survives.
    char16_t u = IsLeadByte(b) ? 0 : codec.map.decodeSingle[b];
    out.push_back(u != 0 ? u : kReplacement);
    ++i;
  }
  return out;
}

ByteSet AnsiToUtf16Le(const Text& text) {
  std::u16string units = AnsiToUtf16(text);
  ByteSet out;
  out.reserve(units.size() * 2);
  for (char16_t u : units) {
    out.push_back(static_cast<unsigned char>(u & 0xFF));
    out.push_back(static_cast<unsigned char>(u >> 8));
  }
  return out;
}

std::string AnsiToUtf8(const Text& text) { return Utf16ToUtf8(AnsiToUtf16(text)); }

Text Utf8ToAnsi(const std::string& utf8) { return Utf16ToAnsi(Utf8ToUtf16(utf8)); }

bool HaveCp936() { return TheCodec().have936; }

}  // namespace picmove
