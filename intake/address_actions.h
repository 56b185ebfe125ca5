#pragma once
#include "intake/views.h"

namespace picmove {

// Removes the selected rows and shows the number left. Rows go by their text
// (letter case ignored), so the rows that move up meanwhile are never hit by
// mistake.
void ExcludeSelected(AddressListView& list, LabelView& countLabel);

// The text of the selected row with the lowest index; empty with none.
Text FirstSelectedAddress(const AddressListView& list);

}  // namespace picmove
