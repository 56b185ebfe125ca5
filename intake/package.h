#pragma once
#include "common/text.h"
#include "common/text_codec.h"

namespace picmove {

// The current data package. Its path is not kept here: it is whatever the
// path box holds when it is needed.
struct Package {
  Text folder;    // up to and including the last separator
  Text baseName;  // file name without its last extension
  Text text;      // the whole decoded package
  TextEncoding encoding = TextEncoding::kAnsi;  // how `text` was read, for saving back
};

}  // namespace picmove
