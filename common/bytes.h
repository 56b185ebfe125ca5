#pragma once
#include <vector>

namespace picmove {

// Raw bytes with their length: file contents, downloads.
using ByteSet = std::vector<unsigned char>;

}  // namespace picmove
