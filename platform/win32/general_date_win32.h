#pragma once

#include <windows.h>

#include <string>

namespace platform {

// A moment in the user's general date-and-time form: the short date, a
// blank, the long time (12/6/99 3:04:05 PM with United States settings).
std::string GeneralDate(const SYSTEMTIME& moment);
// The current local date and time in that form.
std::string GeneralDateNow();

}  // namespace platform
