// The machine's clock as the flow reads it: formats and agreement between
// the count of seconds and the time text.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace gc {
namespace {

TEST(SystemClock, FormatsAndAgreement) {
  SystemClock c;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::string time = c.TimeText();
    const float seconds = c.SecondsSinceMidnight();
    const std::string date = c.DateText();
    ASSERT_TRUE(std::regex_match(date, std::regex(R"((0[1-9]|1[0-2])-(0[1-9]|[12]\d|3[01])-\d{4})"))) << date;
    ASSERT_TRUE(std::regex_match(time, std::regex(R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)"))) << time;
    ASSERT_GE(seconds, 0.0f);
    ASSERT_LT(seconds, 86400.0f);
    const int from_text = std::stoi(time.substr(0, 2)) * 3600 + std::stoi(time.substr(3, 2)) * 60 +
                          std::stoi(time.substr(6, 2));
    // Read a moment apart; only a passing midnight may break the agreement.
    if (std::fabs(seconds - from_text) < 2.0f) return;
  }
  FAIL() << "seconds since midnight disagree with the time text";
}

}  // namespace
}  // namespace gc
