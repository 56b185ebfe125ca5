#include "intake/extract.h"

#include <boost/regex.hpp>

#include <exception>
#include <vector>

namespace picmove {

namespace {

std::vector<Text> CollectCaptures(const Text& text, const Text& pattern) {
  std::vector<Text> captures;
  boost::regex re;
  try {
    re.assign(pattern, boost::regex::perl | boost::regex::icase);
  } catch (const std::exception&) {
    return captures;
  }
  if (text.empty()) return captures;
  auto start = text.begin();
  const auto end = text.end();
  boost::smatch m;
  try {
    // Each search starts where the last whole match ended and takes that place
    // as the beginning of the text (it is also the search's base).
    while (start != end && boost::regex_search(start, end, m, re, boost::match_default, start)) {
      if (m[0].length() == 0) break;
      if (m[1].matched && m[1].length() > 0) captures.push_back(m[1].str());
      start = m[0].second;
    }
  } catch (const std::exception&) {
    // A pattern too complex for this text: what it found so far stands.
  }
  return captures;
}

}  // namespace

void ExtractAddresses(const Text& text, const PatternList& patterns, AddressListView& list, EventPump* pump) {
  for (const Text& pattern : patterns) {
    for (const Text& address : CollectCaptures(text, pattern)) {
      list.AppendRow(address);
      if (pump) pump->ProcessPendingEvents();
    }
  }
}

}  // namespace picmove
