#pragma once

#include <string>

namespace Subs {

// The path with exactly one trailing backslash; empty text gives "\".
std::string AddBackslash(const std::string& path);

// The text without its trailing NUL characters.
std::string StripTrailingNulls(const std::string& text);

}  // namespace Subs
