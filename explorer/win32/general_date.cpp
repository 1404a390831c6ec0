#include "explorer/win32/general_date.h"

#include <windows.h>

namespace explorerwin {

std::string GeneralDateTimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[80] = {};
  char time[80] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

}  // namespace explorerwin
