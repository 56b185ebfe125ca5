#pragma once
#include <vector>

#include "common/bytes.h"
#include "common/text.h"

namespace picmove {

// Regular expressions (Perl syntax, letter case ignored) whose group 1 is an
// ImageAddress: a description image's address without its "http://".
using PatternList = std::vector<Text>;

PatternList DefaultPatternList();

// One pattern a line; blank lines are skipped, CR LF and LF both end a line.
// A file with a UTF-8 byte-order mark is converted; otherwise it is GBK.
PatternList ParsePatternFile(const ByteSet& content);

// The override file options/patterns.txt in the program folder when it
// exists, else the default list. An override file that cannot be read or
// holds no pattern gives the empty list.
PatternList LoadPatternList(const Text& programFolder);

}  // namespace picmove
