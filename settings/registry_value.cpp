#include "settings/registry_value.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <utility>

#include "platform/failure.h"

namespace {

// What counts as a decimal number: optional blanks (spaces, tabs) around it,
// an optional sign, digits with an optional decimal point and fraction (at
// least one digit in all), and an optional exponent ("e" or "E", optional
// sign, digits). So " 1 ", "+1", "-0", "2.5", ".5", "5." and "1e3" are
// numbers; "", " ", "abc", "1abc", "1 2", "0x10", "&H10", "1,000", "inf" and
// "nan" are not. The value is rounded to the nearest integer, a half going to
// the even neighbour, exactly: the digits are never passed through a
// floating-point type, so "2.5000000000000000001" rounds up and huge numbers
// only overflow.
struct Decimal {
  bool negative = false;
  std::string digits;      // mantissa digits without the point
  std::int64_t point = 0;  // how many of them stand before the point
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<Decimal> ParseDecimal(const std::string& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) {
    ++i;
  }
  Decimal d;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    d.negative = text[i++] == '-';
  }
  while (i < n && IsDigit(text[i])) {
    d.digits += text[i++];
  }
  d.point = static_cast<std::int64_t>(d.digits.size());
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) {
      d.digits += text[i++];
    }
  }
  if (d.digits.empty()) {
    return std::nullopt;
  }
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i++] == '-';
    }
    if (i >= n || !IsDigit(text[i])) {
      return std::nullopt;
    }
    // Exponents beyond a billion say nothing more: the value is 0 or overflows.
    constexpr std::int64_t kExponentLimit = 1'000'000'000;
    std::int64_t exponent = 0;
    while (i < n && IsDigit(text[i])) {
      if (exponent < kExponentLimit) {
        exponent = exponent * 10 + (text[i] - '0');
      }
      ++i;
    }
    d.point += negativeExponent ? -exponent : exponent;
  }
  while (i < n && IsBlank(text[i])) {
    ++i;
  }
  if (i != n) {
    return std::nullopt;
  }
  return d;
}

[[noreturn]] void ThrowOverflow() { throw kes::Failure(kes::kErrOverflow, "Overflow"); }

// The decimal rounded half to even, within [low, high]; outside it overflows.
std::int64_t RoundDecimal(const Decimal& d, std::int64_t low, std::int64_t high) {
  const auto first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return 0;
  }
  const std::int64_t count = static_cast<std::int64_t>(d.digits.size());
  const std::int64_t firstDigit = static_cast<std::int64_t>(first);
  // More than 18 significant integer digits cannot fit any slot.
  if (d.point - firstDigit > 18) {
    ThrowOverflow();
  }

  std::int64_t whole = 0;
  for (std::int64_t k = firstDigit; k < d.point; ++k) {
    whole = whole * 10 + (k < count ? d.digits[static_cast<std::size_t>(k)] - '0' : 0);
  }
  // Compare the fraction with one half: its first digit, then any non-zero
  // digit after it.
  const std::int64_t fractionStart = d.point < 0 ? 0 : d.point;
  const int half = d.point >= 0 && fractionStart < count
                       ? d.digits[static_cast<std::size_t>(fractionStart)] - '0'
                       : 0;
  bool beyondHalf = false;
  if (d.point >= 0 && fractionStart + 1 < count) {
    beyondHalf = d.digits.find_first_not_of('0', static_cast<std::size_t>(fractionStart + 1)) !=
                 std::string::npos;
  }
  if (half > 5 || (half == 5 && (beyondHalf || whole % 2 != 0))) {
    ++whole;
  }

  const std::int64_t value = d.negative ? -whole : whole;
  if (value < low || value > high) {
    ThrowOverflow();
  }
  return value;
}

template <typename Int>
Int ToInteger(RegistryValue::Kind kind, const std::string& text, std::int32_t number) {
  constexpr std::int64_t low = std::numeric_limits<Int>::min();
  constexpr std::int64_t high = std::numeric_limits<Int>::max();
  switch (kind) {
    case RegistryValue::Kind::kEmpty:
      return 0;
    case RegistryValue::Kind::kInteger:
      if (number < low || number > high) {
        ThrowOverflow();
      }
      return static_cast<Int>(number);
    case RegistryValue::Kind::kText:
      break;
  }
  const auto decimal = ParseDecimal(text);
  if (!decimal) {
    throw kes::Failure(kes::kErrTypeMismatch, "Type mismatch");
  }
  return static_cast<Int>(RoundDecimal(*decimal, low, high));
}

}  // namespace

RegistryValue::RegistryValue(std::string text) : kind_(Kind::kText), text_(std::move(text)) {}

RegistryValue::RegistryValue(const char* text) : RegistryValue(std::string(text)) {}

RegistryValue::RegistryValue(std::int32_t number) : kind_(Kind::kInteger), number_(number) {}

std::int16_t RegistryValue::ToInt16() const {
  return ToInteger<std::int16_t>(kind_, text_, number_);
}

std::int32_t RegistryValue::ToInt32() const {
  return ToInteger<std::int32_t>(kind_, text_, number_);
}

std::string RegistryValue::ToText() const {
  switch (kind_) {
    case Kind::kEmpty:
      return {};
    case Kind::kInteger:
      return std::to_string(number_);
    case Kind::kText:
      break;
  }
  return text_;
}

bool operator==(const RegistryValue& a, const RegistryValue& b) {
  if (a.GetKind() != b.GetKind()) {
    return false;
  }
  return a.GetKind() == RegistryValue::Kind::kInteger ? a.ToInt32() == b.ToInt32()
                                                      : a.ToText() == b.ToText();
}
