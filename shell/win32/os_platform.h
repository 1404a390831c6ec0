#pragma once

#include <cstdint>

namespace shellwin {

// The platform identifier GetVersionExA reports: 1 for Windows 95 and 98,
// 2 for the NT family, 0 when the call stored nothing.
std::uint32_t GetOSPlatform();

}  // namespace shellwin
