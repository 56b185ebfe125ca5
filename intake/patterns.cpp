#include "intake/patterns.h"

#include <iterator>

#include "common/file_io.h"
#include "common/text_codec.h"

namespace picmove {

namespace {

// Group 1 ends at a quote, a blank, a tag bracket or a closing parenthesis,
// so the doubled quotes of a CSV field never become part of an address.
#define PICMOVE_ADDRESS R"(http://([^"'\s<>)\x00]+))"

// Add a row here to recognise another way of writing a description image.
const char* const kDefaultPatterns[] = {
    // <img ... src="http://...">, src=""http://..."" inside a CSV field, 'x' or bare
    R"(<img\b[^>]*?\bsrc\s*=\s*["'\s]*)" PICMOVE_ADDRESS,
    // <table background="http://..."> and the like
    R"(<[a-z][a-z0-9]*\b[^>]*?\bbackground\s*=\s*["'\s]*)" PICMOVE_ADDRESS,
    // CSS url(http://...), url("http://...") or url('http://...')
    R"(\burl\(\s*["'\s]*)" PICMOVE_ADDRESS,
};

#undef PICMOVE_ADDRESS

}  // namespace

PatternList DefaultPatternList() { return PatternList(std::begin(kDefaultPatterns), std::end(kDefaultPatterns)); }

PatternList ParsePatternFile(const ByteSet& content) {
  Text text(content.begin(), content.end());
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text = Utf8ToAnsi(text.substr(3));
  PatternList out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == Text::npos) end = text.size();
    Text line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!TrimBlanks(line).empty()) out.push_back(line);
    start = end + 1;
  }
  return out;
}

PatternList LoadPatternList(const Text& programFolder) {
  const Text path = programFolder + "options" + kPathSeparator + "patterns.txt";
  if (!PathExists(path)) return DefaultPatternList();
  // A file that is there but cannot be read must not quietly give the
  // defaults: the empty list makes start-up say so.
  ByteSet content;
  if (!ReadWholeFile(path, &content, nullptr)) return PatternList();
  return ParsePatternFile(content);
}

}  // namespace picmove
