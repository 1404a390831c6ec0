#pragma once

#include <string>

#include "platform/file_name_rule.h"

namespace Subs {

// The path with exactly one trailing backslash; empty text gives "\". A
// folder whose last character ends in the byte of a backslash (a double-byte
// character) still gets one.
std::string AddBackslash(const platform::FileNameRule& rule, const std::string& path);

// The text without its trailing NUL characters.
std::string StripTrailingNulls(const std::string& text);

}  // namespace Subs
