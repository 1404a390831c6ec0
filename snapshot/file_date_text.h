#pragma once

#include <string>

#include "platform/file_facts.h"

// "mm/dd/yyyy hh:mm:ss AM/PM" on the 12-hour clock (midnight and noon are
// 12), with the user's own separators in place of the slashes and colons.
std::string FileDateText(const platform::FileDateTime& when,
                         const platform::DateTimeSeparators& separators);
