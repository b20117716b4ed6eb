#include "platform/clock.h"

#include <cstdio>
#include <ctime>

namespace gc {
namespace {

std::tm LocalNow(long* nanos = nullptr) {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  std::tm tm{};
  localtime_r(&ts.tv_sec, &tm);
  if (nanos) *nanos = ts.tv_nsec;
  return tm;
}

}  // namespace

float SystemClock::SecondsSinceMidnight() {
  long nanos = 0;
  const std::tm tm = LocalNow(&nanos);
  return static_cast<float>(tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec + nanos / 1e9);
}

std::string SystemClock::DateText() {
  const std::tm tm = LocalNow();
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", tm.tm_mon + 1, tm.tm_mday, tm.tm_year + 1900);
  return buf;
}

std::string SystemClock::TimeText() {
  const std::tm tm = LocalNow();
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

}  // namespace gc
