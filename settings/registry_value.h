#pragma once

#include <cstdint>
#include <string>

// The value that the registry operations read and write: empty, a text or a
// 32-bit signed integer. Storing it into a typed slot converts it; a value
// that does not fit throws kes::Failure (13 "Type mismatch" for text that is
// not a number, 6 "Overflow" for a number outside the slot's range).
class RegistryValue {
 public:
  enum class Kind { kEmpty, kText, kInteger };

  RegistryValue() = default;
  RegistryValue(std::string text);     // NOLINT: a text converts implicitly
  RegistryValue(const char* text);     // NOLINT
  RegistryValue(std::int32_t number);  // NOLINT

  Kind GetKind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::kEmpty; }

  // Into a 16-bit slot: empty gives 0, an integer must lie in -32768..32767,
  // a text must be a decimal number (see ParseDecimal) and is rounded half to
  // even.
  std::int16_t ToInt16() const;
  // Into a 32-bit slot, by the same rules with the 32-bit range.
  std::int32_t ToInt32() const;
  // Into a text slot: empty gives "", an integer its decimal digits.
  std::string ToText() const;

 private:
  Kind kind_ = Kind::kEmpty;
  std::string text_;
  std::int32_t number_ = 0;
};

bool operator==(const RegistryValue& a, const RegistryValue& b);
