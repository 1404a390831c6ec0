#include "snapshot/file_date_text.h"

#include <gtest/gtest.h>

namespace {

std::string Text(int year, int month, int day, int hour, int minute, int second,
                 platform::DateTimeSeparators separators = {}) {
  return FileDateText({year, month, day, hour, minute, second}, separators);
}

TEST(FileDateText, UsesTwoDigitFieldsOnTheTwelveHourClock) {
  EXPECT_EQ(Text(1998, 5, 11, 20, 1, 0), "05/11/1998 08:01:00 PM");
  EXPECT_EQ(Text(1999, 12, 31, 9, 5, 7), "12/31/1999 09:05:07 AM");
  EXPECT_EQ(Text(2001, 1, 2, 23, 59, 59), "01/02/2001 11:59:59 PM");
}

TEST(FileDateText, MidnightAndNoonAreTwelve) {
  EXPECT_EQ(Text(1998, 5, 11, 0, 0, 0), "05/11/1998 12:00:00 AM");
  EXPECT_EQ(Text(1998, 5, 11, 12, 0, 0), "05/11/1998 12:00:00 PM");
  EXPECT_EQ(Text(1998, 5, 11, 0, 30, 0), "05/11/1998 12:30:00 AM");
}

TEST(FileDateText, UsesTheUsersSeparators) {
  EXPECT_EQ(Text(1998, 5, 11, 20, 1, 0, {".", "."}), "05.11.1998 08.01.00 PM");
  EXPECT_EQ(Text(1998, 5, 11, 8, 1, 0, {"-", ":"}), "05-11-1998 08:01:00 AM");
  EXPECT_EQ(Text(1998, 5, 11, 8, 1, 0, {"", ""}), "05111998 080100 AM");
}

}  // namespace
