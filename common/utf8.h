#pragma once
// UTF-8 <-> UTF-16 for the Linux side: terminal output, arguments and file
// names. Bytes that are not valid UTF-8 travel as the lone surrogates
// U+DC80..U+DCFF and come back as the same bytes, so no file name is lost.
#include <string>

namespace picmove {

std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);

// Appends a code point as one unit or a surrogate pair.
void AppendUtf16(std::u16string& out, char32_t codePoint);

}  // namespace picmove
