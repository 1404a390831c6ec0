#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "snapshot/version_info.h"

// How record members are shown, the same in the explorer's list and in the
// report. The Append forms add to a line being built, and the Format forms
// write into a small room on the stack, so long reports do not make a string
// per value.
namespace Display {

// Room for the text of any one value below: a 64-bit number in decimal with
// its sign or in hexadecimal, or the four parts of a version.
using TextRoom = std::array<char, 24>;

// Signed decimal: how every number that is no identifier is shown.
void AppendDecimal(std::string& out, std::int32_t value);
std::string Decimal(std::int32_t value);
std::string_view FormatDecimal(TextRoom& room, std::int32_t value);
// A value wider than 32 bits (a kes::Address of the 64-bit build) in full.
std::string Decimal(std::int64_t value);
std::string_view FormatDecimal(TextRoom& room, std::int64_t value);

// An identifier: upper-case hexadecimal without prefix or leading zeros when
// `idView` is non-zero (a negative value shows as its eight-digit two's
// complement), signed decimal when it is 0.
void AppendIdentifier(std::string& out, std::int32_t value, std::int16_t idView);
std::string Identifier(std::int32_t value, std::int16_t idView);
std::string_view FormatIdentifier(TextRoom& room, std::int32_t value, std::int16_t idView);
// A wider value that fits 32 signed bits shows as above, so a 64-bit build
// shows what the 32-bit programs show for it; a larger one in full.
std::string Identifier(std::int64_t value, std::int16_t idView);
std::string_view FormatIdentifier(TextRoom& room, std::int64_t value, std::int16_t idView);

// The name of a priority class: "High", "Idle", "Normal", "Realtime", or
// "Undetermined" for any other value (0 when it could not be read).
const char* PriorityName(std::int32_t mlPriority);
// Reads a name of PriorityName back: "Undetermined" gives 0. False (and 0)
// for a text that is no such name.
bool PriorityFromName(std::string_view name, std::int32_t& mlPriority);

// The four version parts in decimal joined with full stops, e.g. 4.10.0.1998.
void AppendVersion(std::string& out, const clsVersionInfo& version);
std::string VersionText(const clsVersionInfo& version);
std::string_view FormatVersion(TextRoom& room, const clsVersionInfo& version);

}  // namespace Display
