#pragma once
#include "common/text.h"

namespace picmove {

// The URL fetched for a row, which is also the exact text replaced in the
// package: the one place that knows how a row's address becomes a URL.
inline Text AddressUrl(const Text& imageAddress) { return "http://" + imageAddress; }

}  // namespace picmove
