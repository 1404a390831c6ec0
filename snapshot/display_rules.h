#pragma once

#include <cstdint>
#include <string>

#include "snapshot/version_info.h"

// How record members are shown, the same in the explorer's list and in the
// report. The Append forms add to a line being built, so long reports do not
// make a string per value.
namespace Display {

// Signed decimal: how every number that is no identifier is shown.
void AppendDecimal(std::string& out, std::int32_t value);
std::string Decimal(std::int32_t value);

// An identifier: upper-case hexadecimal without prefix or leading zeros when
// `idView` is non-zero (a negative value shows as its eight-digit two's
// complement), signed decimal when it is 0.
void AppendIdentifier(std::string& out, std::int32_t value, std::int16_t idView);
std::string Identifier(std::int32_t value, std::int16_t idView);

// The name of a priority class: "High", "Idle", "Normal", "Realtime", or
// "Undetermined" for any other value (0 when it could not be read).
const char* PriorityName(std::int32_t mlPriority);

// The four version parts in decimal joined with full stops, e.g. 4.10.0.1998.
void AppendVersion(std::string& out, const clsVersionInfo& version);
std::string VersionText(const clsVersionInfo& version);

}  // namespace Display
