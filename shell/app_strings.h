#pragma once

#include <string>

#include "kestrel_version.h"

namespace Subs {

// The program's name: every shortcut carries it. Set by Main before anything
// else runs.
extern std::string gsAppName;

inline constexpr const char* kAppName = "Kestrel";
// Message boxes that name no title carry this one.
inline constexpr const char* kAppTitle = "Kestrel";
inline constexpr const char* kMakerName = "Fernbrook Software";
// The maker's web site, an absolute address without a trailing slash.
inline constexpr const char* kWebSite = "http://www.fernbrook.example";

// Line breaks: messages use a line feed alone; the web notice and the update
// reminder a carriage return and line feed.
inline constexpr const char* kLF = "\n";
inline constexpr const char* kCRLF = "\r\n";

// The program's own version numbers.
inline constexpr int kVersionMajor = KESTREL_VERSION_MAJOR;
inline constexpr int kVersionMinor = KESTREL_VERSION_MINOR;
inline constexpr int kVersionRevision = KESTREL_VERSION_PATCH;

}  // namespace Subs
