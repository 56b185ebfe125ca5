#pragma once
#include "intake/package.h"
#include "intake/patterns.h"
#include "intake/views.h"

namespace picmove {

struct IntakeViews {
  TextBoxView* pathBox;
  AddressListView* list;
  LabelView* countLabel;
  ProgressLogView* log;
  EventPump* pump;  // may be null
};

struct IntakeResult {
  bool started = false;  // false: the path box was blank and nothing changed
  bool readOk = false;   // false: the file was missing or unreadable (an empty list)
  Text readError;
  std::size_t count = 0;  // rows in the list afterwards
};

// The intake of the package named in the path box: the list is emptied and
// filled with the package's distinct image addresses, `package.text` and
// `package.encoding` take the decoded package, and the log and the count
// label report the number. A blank path box changes nothing; a file that
// cannot be read gives an empty list, as an empty file does.
IntakeResult AddToList(const IntakeViews& views, const PatternList& patterns, Package& package);

}  // namespace picmove
