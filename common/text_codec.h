#pragma once
// Conversions between the program's Text and other forms.
//
// Text is code page 936 for every character 936 has, converted by the
// platform's converter. Everything else (emoji, rare ideographs, the
// byte-order mark) takes its GB18030 four-byte form, which keeps every GBK
// byte sequence as it is. The few characters that neither holds, lone
// surrogates among them, ride in four-byte codes that GB18030 leaves
// unassigned. So UTF-16 -> Text -> UTF-16 gives back every unit.
#include <cstddef>
#include <string>

#include "common/bytes.h"
#include "common/text.h"

namespace picmove {

enum class TextEncoding { kAnsi, kUtf16Le };

// Zero gives "00"; any other byte its upper-case hex without a leading zero.
Text BytesToHexText(const unsigned char* data, std::size_t size);
inline Text BytesToHexText(const ByteSet& bytes) { return BytesToHexText(bytes.data(), bytes.size()); }

// UTF-16LE bytes to Text, to the end: zero units are kept, a final odd byte is
// one more unit with a zero high byte, a byte-order mark is an ordinary unit.
Text Utf16LeToAnsi(const unsigned char* data, std::size_t size);
inline Text Utf16LeToAnsi(const ByteSet& bytes) { return Utf16LeToAnsi(bytes.data(), bytes.size()); }
// The reverse, without a byte-order mark.
ByteSet AnsiToUtf16Le(const Text& text);

std::u16string AnsiToUtf16(const Text& text);
Text Utf16ToAnsi(const std::u16string& utf16);

std::string AnsiToUtf8(const Text& text);
Text Utf8ToAnsi(const std::string& utf8);

// False when the platform has no code page 936; the conversions then keep
// only ASCII and the four-byte forms.
bool HaveCp936();

namespace gb18030 {
// Four-byte codes as GB18030 numbers them: 0 for 81 30 81 30, upwards.
constexpr std::size_t kBmpPointerEnd = 39420;     // BMP runs end here
constexpr std::size_t kCarryPointerBase = 39420;  // + unit: our own carriage
constexpr std::size_t kSupplementaryBase = 189000;  // + (code point - 0x10000)
// The four-byte pointer GB18030 gives a BMP code point, or -1 when it gives
// it none (ASCII, a two-byte character, a surrogate).
long BmpPointer(char32_t codePoint);
// The BMP code point of a pointer below kBmpPointerEnd.
char32_t BmpCodePoint(std::size_t pointer);
}  // namespace gb18030

}  // namespace picmove
