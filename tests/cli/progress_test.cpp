#include "cli/progress.h"

#include <gtest/gtest.h>

namespace gc::cli {
namespace {

TEST(ProgressBar, ShowsCardsDoneRateAndTimeLeftWithinTheWidth) {
  const std::string half = ProgressBar::Line(50, 100, 10.0, 80);
  EXPECT_NE(half.find("[####################....................]"), std::string::npos) << half;
  EXPECT_NE(half.find(" 50/100  5.0 cards/s  0:10 left"), std::string::npos) << half;
  EXPECT_NE(ProgressBar::Line(1, 10001, 1.0, 80).find("2:46:40 left"), std::string::npos);
  EXPECT_NE(ProgressBar::Line(0, 10, 0.0, 80).find("--:-- left"), std::string::npos);
  EXPECT_NE(ProgressBar::Line(10, 10, 2.0, 80).find("0:00 left"), std::string::npos);
  // A narrow terminal drops the bar first, then cuts the line.
  EXPECT_EQ(ProgressBar::Line(50, 100, 10.0, 40).find('['), std::string::npos);
  EXPECT_LE(ProgressBar::Line(50, 100, 10.0, 12).size(), 11u);
}

}  // namespace
}  // namespace gc::cli
