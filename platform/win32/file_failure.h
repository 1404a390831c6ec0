#pragma once

#include <string>

#include "platform/failure.h"

namespace platform {

// The failure matching the system's last error after a file call on `path`,
// with the path in its text.
kes::Failure FileFailure(const std::string& path);

}  // namespace platform
