#pragma once

#include <string>

namespace explorerwin {

// The current local date and time in the user's general format: the short
// date, a blank and the long time.
std::string GeneralDateTimeNow();

}  // namespace explorerwin
