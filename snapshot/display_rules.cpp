#include "snapshot/display_rules.h"

#include <climits>
#include <type_traits>

namespace Display {

namespace {

struct PriorityClass {
  std::int32_t value;
  const char* name;
};
constexpr PriorityClass kPriorityClasses[] = {
    {128, "High"}, {64, "Idle"}, {32, "Normal"}, {256, "Realtime"}};
constexpr const char* kUndetermined = "Undetermined";

// The digits are written backwards from the end of a small buffer, with
// 32-bit arithmetic for every 32-bit value: a report formats thousands of
// numbers, and 64-bit division is a library call on the 32-bit target.
template <class Unsigned>
char* PutDecimal(char* end, Unsigned value) {
  do {
    *--end = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  return end;
}

template <class Signed>
char* PutSignedDecimal(char* end, Signed value) {
  using Unsigned = std::make_unsigned_t<Signed>;
  if (value >= 0) {
    return PutDecimal(end, static_cast<Unsigned>(value));
  }
  char* first = PutDecimal(end, Unsigned{0} - static_cast<Unsigned>(value));
  *--first = '-';
  return first;
}

template <class Unsigned>
char* PutHex(char* end, Unsigned value) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  do {
    *--end = kHexDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  return end;
}

// The text from `first` to the end of the room.
std::string_view Tail(const TextRoom& room, const char* first) {
  return {first, static_cast<std::size_t>(room.data() + room.size() - first)};
}

bool Fits32(std::int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

}  // namespace

std::string_view FormatDecimal(TextRoom& room, std::int32_t value) {
  return Tail(room, PutSignedDecimal(room.data() + room.size(), value));
}

void AppendDecimal(std::string& out, std::int32_t value) {
  TextRoom room;
  out.append(FormatDecimal(room, value));
}

std::string Decimal(std::int32_t value) {
  TextRoom room;
  return std::string(FormatDecimal(room, value));
}

std::string_view FormatIdentifier(TextRoom& room, std::int32_t value, std::int16_t idView) {
  char* const end = room.data() + room.size();
  // The bits as they are: a negative value is its two's complement.
  return Tail(room, idView == 0 ? PutSignedDecimal(end, value)
                                : PutHex(end, static_cast<std::uint32_t>(value)));
}

std::string_view FormatDecimal(TextRoom& room, std::int64_t value) {
  if (Fits32(value)) {
    return FormatDecimal(room, static_cast<std::int32_t>(value));
  }
  return Tail(room, PutSignedDecimal(room.data() + room.size(), value));
}

std::string Decimal(std::int64_t value) {
  TextRoom room;
  return std::string(FormatDecimal(room, value));
}

std::string_view FormatIdentifier(TextRoom& room, std::int64_t value, std::int16_t idView) {
  if (Fits32(value)) {
    return FormatIdentifier(room, static_cast<std::int32_t>(value), idView);
  }
  char* const end = room.data() + room.size();
  return Tail(room, idView == 0 ? PutSignedDecimal(end, value)
                                : PutHex(end, static_cast<std::uint64_t>(value)));
}

std::string Identifier(std::int64_t value, std::int16_t idView) {
  TextRoom room;
  return std::string(FormatIdentifier(room, value, idView));
}

void AppendIdentifier(std::string& out, std::int32_t value, std::int16_t idView) {
  TextRoom room;
  out.append(FormatIdentifier(room, value, idView));
}

std::string Identifier(std::int32_t value, std::int16_t idView) {
  TextRoom room;
  return std::string(FormatIdentifier(room, value, idView));
}

const char* PriorityName(std::int32_t mlPriority) {
  for (const PriorityClass& priority : kPriorityClasses) {
    if (priority.value == mlPriority) {
      return priority.name;
    }
  }
  return kUndetermined;
}

bool PriorityFromName(std::string_view name, std::int32_t& mlPriority) {
  for (const PriorityClass& priority : kPriorityClasses) {
    if (name == priority.name) {
      mlPriority = priority.value;
      return true;
    }
  }
  mlPriority = 0;
  return name == kUndetermined;
}

std::string_view FormatVersion(TextRoom& room, const clsVersionInfo& version) {
  // Four parts of at most five digits and three stops fit the room.
  char* first = PutDecimal(room.data() + room.size(), version.mnFileVerRevLo);
  *--first = '.';
  first = PutDecimal(first, version.mnFileVerRevHi);
  *--first = '.';
  first = PutDecimal(first, version.mnFileVerMin);
  *--first = '.';
  first = PutDecimal(first, version.mnFileVerMaj);
  return Tail(room, first);
}

void AppendVersion(std::string& out, const clsVersionInfo& version) {
  TextRoom room;
  out.append(FormatVersion(room, version));
}

std::string VersionText(const clsVersionInfo& version) {
  TextRoom room;
  return std::string(FormatVersion(room, version));
}

}  // namespace Display
