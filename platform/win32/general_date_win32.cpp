#include "platform/win32/general_date_win32.h"

namespace platform {

namespace {

// Longer than any date or time the regional settings can ask for.
constexpr int kTextSize = 128;

}  // namespace

std::string GeneralDate(const SYSTEMTIME& moment) {
  char date[kTextSize] = {};
  char time[kTextSize] = {};
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, date, kTextSize) == 0) {
    date[0] = '\0';
  }
  if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &moment, nullptr, time, kTextSize) == 0) {
    time[0] = '\0';
  }
  return std::string(date) + " " + time;
}

std::string GeneralDateNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return GeneralDate(now);
}

}  // namespace platform
