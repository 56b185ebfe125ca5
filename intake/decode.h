#pragma once
#include "common/bytes.h"
#include "common/text.h"
#include "common/text_codec.h"

namespace picmove {

struct DecodedPackage {
  Text text;
  TextEncoding encoding = TextEncoding::kAnsi;
};

// UTF-16LE when the content begins with FF FE (the mark itself is dropped),
// otherwise the bytes as they are. Nothing is cut: zero bytes and zero units
// stay, since the text is saved back over the package later.
DecodedPackage DecodePackage(const ByteSet& content);

}  // namespace picmove
