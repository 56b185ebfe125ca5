#pragma once
#include "common/text.h"

namespace picmove {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// 2014年4月2日7时44分39秒; the time part ends at its last non-zero unit, so
// midnight is the date alone.
Text TimeText(const LocalTime& t);
LocalTime CurrentLocalTime();
inline Text TimeTextNow() { return TimeText(CurrentLocalTime()); }

}  // namespace picmove
