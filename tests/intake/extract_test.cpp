#include "intake/extract.h"

#include <gtest/gtest.h>

#include "intake/address_list.h"

namespace picmove {
namespace {

std::vector<Text> Extract(const Text& text, const PatternList& patterns) {
  MemoryAddressList list;
  ExtractAddresses(text, patterns, list, nullptr);
  return list.Texts();
}

TEST(ExtractAddresses, SearchesOnFromTheEndOfEachMatch) {
  struct Case {
    Text text;
    PatternList patterns;
    std::vector<Text> rows;
  } cases[] = {
      // Pattern order first, text order within a pattern.
      {"a1 b2 a3 b4", {"a(\\d)", "b(\\d)"}, {"1", "3", "2", "4"}},
      // Matches never overlap: "aaa" holds one "aa".
      {"aaa", {"(aa)"}, {"aa"}},
      // Each search takes its start as the beginning of the text.
      {"xyxy", {"^x(y)"}, {"y", "y"}},
      {"ab ab", {"\\bab\\b( ?)"}, {" "}},
      // An empty group 1, or one that took no part, gives no row.
      {"k= k=v", {"k=(\\w*)"}, {"v"}},
      {"ab", {"a(x)?b"}, {}},
      // Case is ignored; a dot matches a line break.
      {"SRC=1\r\nsrc=2", {"src=(\\d)"}, {"1", "2"}},
      {"a\nb", {"a(.)b"}, {"\n"}},
      // A pattern that does not compile adds nothing; the others still run.
      {"a1", {"(", "a(\\d)"}, {"1"}},
      // An empty whole match ends that pattern's search.
      {"abc", {"(x*)", "(b)"}, {"b"}},
      {"", {"(.*)"}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Extract(c.text, c.patterns), c.rows) << c.text;
}

TEST(ExtractAddresses, SeesZeroBytesAsOrdinaryText) {
  EXPECT_EQ(Extract(std::string("a1\0a2", 5), {"a(\\d)"}), (std::vector<Text>{"1", "2"}));
}

TEST(ExtractAddresses, PumpsEventsAfterEveryRow) {
  struct CountingPump : EventPump {
    int calls = 0;
    void ProcessPendingEvents() override { ++calls; }
  } pump;
  MemoryAddressList list;
  ExtractAddresses("a1 a2 a3", {"a(\\d)"}, list, &pump);
  EXPECT_EQ(pump.calls, 3);
}

}  // namespace
}  // namespace picmove
