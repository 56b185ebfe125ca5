#pragma once
// The platform's own code page 936 converter, asked once per character to
// fill the tables that the text codec works from. Code page 936 itself, not
// the system's ANSI code page, so a package reads the same on any Windows.
#include <cstdint>
#include <vector>

namespace picmove {

struct Cp936Mapping {
  // Per BMP code point: one byte (0x80..0xFF) or lead << 8 | trail; 0 = none.
  std::vector<std::uint16_t> encode = std::vector<std::uint16_t>(0x10000);
  // Per byte pair (lead 0x81..0xFE, any trail): the UTF-16 unit; 0 = none.
  std::vector<char16_t> decodeDouble = std::vector<char16_t>(0x10000);
  // Per single byte 0x80..0xFF that is a character on its own; 0 = none.
  std::vector<char16_t> decodeSingle = std::vector<char16_t>(0x100);
};

// Fills `m` from the platform converter (WideCharToMultiByte /
// MultiByteToWideChar on Windows, iconv natively). False when the platform
// has no code page 936 at all.
bool QueryPlatformCp936(Cp936Mapping* m);

}  // namespace picmove
