#pragma once
// Text is the program's string: bytes in code page 936 (GBK), extended by the
// GB18030 four-byte forms for characters GBK lacks. Positions are byte offsets;
// searches step over a double-byte character whole, so its trail byte is never
// taken for a separator.
#include <cstddef>
#include <string>

namespace picmove {

using Text = std::string;

constexpr std::size_t kNotFound = std::string::npos;

// A lead byte of a double-byte character in code page 936.
inline bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Length in bytes of the character that starts at `pos` (1 or 2; 1 for a lead
// byte at the very end).
inline std::size_t CharLengthAt(const Text& text, std::size_t pos) {
  return (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

// Offset of the first or last occurrence of `s` that starts on a character
// boundary, or kNotFound. An empty `s` is never found.
std::size_t FindFirst(const Text& text, const Text& s);
std::size_t FindLast(const Text& text, const Text& s);

// The first / last n bytes; the whole text when n exceeds it.
Text Left(const Text& text, std::size_t n);
Text Right(const Text& text, std::size_t n);

// Removes leading and trailing half-width (20) and full-width (A1 A1) spaces.
Text TrimBlanks(const Text& text);

}  // namespace picmove

namespace picmove {

// ASCII letters to lower case; double-byte characters are copied whole, so a
// trail byte that looks like a letter is left alone.
Text FoldAsciiCase(const Text& text);

}  // namespace picmove
