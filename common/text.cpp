#include "common/text.h"

namespace picmove {

namespace {

bool MatchesAt(const Text& text, std::size_t pos, const Text& s) {
  return text.compare(pos, s.size(), s) == 0;
}

}  // namespace

std::size_t FindFirst(const Text& text, const Text& s) {
  if (s.empty() || s.size() > text.size()) return kNotFound;
  for (std::size_t i = 0; i + s.size() <= text.size(); i += CharLengthAt(text, i)) {
    if (MatchesAt(text, i, s)) return i;
  }
  return kNotFound;
}

std::size_t FindLast(const Text& text, const Text& s) {
  // Character boundaries are only known walking forwards.
  std::size_t found = kNotFound;
  if (s.empty() || s.size() > text.size()) return found;
  for (std::size_t i = 0; i + s.size() <= text.size(); i += CharLengthAt(text, i)) {
    if (MatchesAt(text, i, s)) found = i;
  }
  return found;
}

Text Left(const Text& text, std::size_t n) { return text.substr(0, n); }

Text Right(const Text& text, std::size_t n) {
  return n >= text.size() ? text : text.substr(text.size() - n);
}

Text TrimBlanks(const Text& text) {
  static const Text kFullWidthSpace = "\xA1\xA1";
  std::size_t begin = 0;
  std::size_t end = text.size();
  // Leading blanks: walk characters so a trail byte A1 is never split off.
  while (begin < end) {
    if (text[begin] == ' ') {
      ++begin;
    } else if (MatchesAt(text, begin, kFullWidthSpace)) {
      begin += 2;
    } else {
      break;
    }
  }
  // Trailing blanks: find the end of the last character that is not a blank,
  // walking forwards so a double-byte character ending in 20 or A1 stays whole.
  std::size_t lastEnd = begin;
  for (std::size_t i = begin; i < end;) {
    std::size_t len = CharLengthAt(text, i);
    bool blank = (len == 1 && text[i] == ' ') || (len == 2 && MatchesAt(text, i, kFullWidthSpace));
    i += len;
    if (!blank) lastEnd = i;
  }
  return text.substr(begin, lastEnd - begin);
}

}  // namespace picmove

namespace picmove {

Text FoldAsciiCase(const Text& text) {
  Text out = text;
  for (std::size_t i = 0; i < out.size();) {
    std::size_t len = CharLengthAt(out, i);
    if (len == 1 && out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
    i += len;
  }
  return out;
}

}  // namespace picmove
