#pragma once
#include <array>
#include <cstddef>

namespace picmove {

using Md5Digest = std::array<unsigned char, 16>;

// MD5 from the platform (CNG on Windows, libcrypto natively). False only when
// the platform refuses, which the callers treat as an all-zero digest.
bool Md5(const void* data, std::size_t size, Md5Digest* digest);

}  // namespace picmove
