#include "intake/decode.h"

#include <algorithm>

namespace picmove {

DecodedPackage DecodePackage(const ByteSet& content) {
  DecodedPackage out;
  if (BytesToHexText(content.data(), std::min<std::size_t>(content.size(), 2)) == "FFFE") {
    out.encoding = TextEncoding::kUtf16Le;
    out.text = Utf16LeToAnsi(content.data() + 2, content.size() - 2);
  } else {
    out.encoding = TextEncoding::kAnsi;
    out.text.assign(content.begin(), content.end());
  }
  return out;
}

}  // namespace picmove
