#include "snapshot/file_date_text.h"

#include <cstdio>

namespace {

std::string TwoDigits(int value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", value);
  return digits;
}

}  // namespace

std::string FileDateText(const platform::FileDateTime& when,
                         const platform::DateTimeSeparators& separators) {
  const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
  char year[16];
  std::snprintf(year, sizeof year, "%04d", when.year);
  return TwoDigits(when.month) + separators.date + TwoDigits(when.day) + separators.date + year +
         " " + TwoDigits(hour12) + separators.time + TwoDigits(when.minute) + separators.time +
         TwoDigits(when.second) + (when.hour < 12 ? " AM" : " PM");
}
