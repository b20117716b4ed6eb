// The clock: seconds since midnight and the local date and time as text.
#pragma once

#include <string>

namespace gc {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since local midnight, in single precision.
  virtual float SecondsSinceMidnight() = 0;
  // Local date as "mm-dd-yyyy".
  virtual std::string DateText() = 0;
  // Local time as "hh:mm:ss", 24-hour.
  virtual std::string TimeText() = 0;
};

// The machine's local clock.
class SystemClock final : public Clock {
 public:
  float SecondsSinceMidnight() override;
  std::string DateText() override;
  std::string TimeText() override;
};

// A clock that always reads the same moment; for tests and headless use.
class FixedClock final : public Clock {
 public:
  FixedClock(std::string date = "01-01-2011", std::string time = "00:00:00",
             float seconds = 0.0f)
      : date_(std::move(date)), time_(std::move(time)), seconds_(seconds) {}
  float SecondsSinceMidnight() override { return seconds_; }
  std::string DateText() override { return date_; }
  std::string TimeText() override { return time_; }

 private:
  std::string date_, time_;
  float seconds_;
};

}  // namespace gc
