#pragma once
#include "common/bytes.h"
#include "common/text.h"

namespace picmove {

inline constexpr const char* kUnrecognisedPrefix = "你杯具了 无法识别 特征码:";

// The extension that the first bytes of a download call for, by the
// signature table; an unknown start gives kUnrecognisedPrefix + its
// signature text.
Text SniffExtension(const ByteSet& bytes);

// Characters 9 to 24 of the lower-case MD5 hex of the address bytes.
Text AddressKey(const Text& imageAddress);

// AddressKey + "." + SniffExtension.
Text ImageFileName(const Text& imageAddress, const ByteSet& bytes);

}  // namespace picmove
