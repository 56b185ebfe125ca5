#include "common/time_text.h"

#include <gtest/gtest.h>

namespace picmove {
namespace {

TEST(TimeText, DropsTheTrailingZeroUnitsOfTheTime) {
  struct Case {
    LocalTime t;
    const char* text;
  } cases[] = {
      {{2014, 4, 2, 7, 44, 39}, "2014年4月2日7时44分39秒"},
      {{2014, 4, 2, 7, 5, 0}, "2014年4月2日7时5分"},
      {{2014, 4, 2, 19, 0, 0}, "2014年4月2日19时"},
      {{2014, 4, 2, 0, 0, 0}, "2014年4月2日"},
      {{2014, 12, 31, 0, 0, 5}, "2014年12月31日0时0分5秒"},
  };
  for (const Case& c : cases) EXPECT_EQ(TimeText(c.t), c.text);
}

TEST(TimeText, NowIsAPlausibleDate) {
  LocalTime now = CurrentLocalTime();
  EXPECT_GE(now.year, 2024);
  EXPECT_EQ(TimeTextNow().compare(0, 4, std::to_string(now.year)), 0);
}

}  // namespace
}  // namespace picmove
