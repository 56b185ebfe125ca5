#pragma once
#include "common/text.h"
#include "intake/patterns.h"
#include "intake/views.h"

namespace picmove {

// Runs every pattern over the whole text, in list order, and appends one row
// per non-empty group 1, in text order. A pattern that does not compile adds
// nothing; an empty whole match ends that pattern's search. `pump`, if given,
// runs after every appended row.
void ExtractAddresses(const Text& text, const PatternList& patterns, AddressListView& list, EventPump* pump);

}  // namespace picmove
