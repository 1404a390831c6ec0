#pragma once

#include <cstdint>
#include <string>

#include "snapshot/version_info.h"

namespace Explorer {

// How the detail list shows record members; the report follows the same
// rules.

// An identifier: upper-case hexadecimal without prefix or leading zeros (a
// negative value as its eight-digit two's complement) when `hex`, otherwise
// signed decimal.
std::string IdText(std::int32_t value, bool hex);

// Any other number: signed decimal.
std::string NumberText(std::int32_t value);

// "High", "Idle", "Normal", "Realtime" for the four priority classes,
// "Undetermined" for anything else.
std::string PriorityName(std::int32_t priority);

// The four version parts in decimal, joined with full stops.
std::string VersionText(const clsVersionInfo& version);

}  // namespace Explorer
