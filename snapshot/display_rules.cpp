#include "snapshot/display_rules.h"

#include <charconv>

namespace Display {

namespace {

constexpr std::int32_t kHighPriorityClass = 128;
constexpr std::int32_t kIdlePriorityClass = 64;
constexpr std::int32_t kNormalPriorityClass = 32;
constexpr std::int32_t kRealtimePriorityClass = 256;

// Room for any 32-bit number in any base the rules use, sign included.
constexpr std::size_t kDigits = 16;

void AppendNumber(std::string& out, std::int64_t value, int base) {
  char digits[kDigits];
  const auto end = std::to_chars(digits, digits + kDigits, value, base).ptr;
  const std::size_t from = out.size();
  out.append(digits, end);
  if (base == 16) {
    // to_chars writes lower-case letters; the digits stay as they are.
    for (std::size_t i = from; i < out.size(); ++i) {
      if (out[i] >= 'a' && out[i] <= 'f') {
        out[i] = static_cast<char>(out[i] - 'a' + 'A');
      }
    }
  }
}

}  // namespace

void AppendDecimal(std::string& out, std::int32_t value) { AppendNumber(out, value, 10); }

std::string Decimal(std::int32_t value) {
  std::string text;
  AppendDecimal(text, value);
  return text;
}

void AppendIdentifier(std::string& out, std::int32_t value, std::int16_t idView) {
  if (idView == 0) {
    AppendDecimal(out, value);
    return;
  }
  // The bits as they are: a negative value is its two's complement.
  AppendNumber(out, static_cast<std::uint32_t>(value), 16);
}

std::string Identifier(std::int32_t value, std::int16_t idView) {
  std::string text;
  AppendIdentifier(text, value, idView);
  return text;
}

const char* PriorityName(std::int32_t mlPriority) {
  switch (mlPriority) {
    case kHighPriorityClass:
      return "High";
    case kIdlePriorityClass:
      return "Idle";
    case kNormalPriorityClass:
      return "Normal";
    case kRealtimePriorityClass:
      return "Realtime";
    default:
      return "Undetermined";
  }
}

void AppendVersion(std::string& out, const clsVersionInfo& version) {
  AppendNumber(out, version.mnFileVerMaj, 10);
  out += '.';
  AppendNumber(out, version.mnFileVerMin, 10);
  out += '.';
  AppendNumber(out, version.mnFileVerRevHi, 10);
  out += '.';
  AppendNumber(out, version.mnFileVerRevLo, 10);
}

std::string VersionText(const clsVersionInfo& version) {
  std::string text;
  AppendVersion(text, version);
  return text;
}

}  // namespace Display
