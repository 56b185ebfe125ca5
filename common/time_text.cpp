#include "common/time_text.h"

#include <ctime>
#include <string>

namespace picmove {

Text TimeText(const LocalTime& t) {
  Text out = std::to_string(t.year) + "年" + std::to_string(t.month) + "月" + std::to_string(t.day) + "日";
  if (t.second != 0) {
    out += std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分" + std::to_string(t.second) + "秒";
  } else if (t.minute != 0) {
    out += std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分";
  } else if (t.hour != 0) {
    out += std::to_string(t.hour) + "时";
  }
  return out;
}

LocalTime CurrentLocalTime() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &now);
#else
  localtime_r(&now, &tm);
#endif
  LocalTime t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = tm.tm_sec;
  return t;
}

}  // namespace picmove
