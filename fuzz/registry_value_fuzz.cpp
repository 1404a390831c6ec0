// RegistryValue's conversions over any stored value: each slot either takes
// the value or fails with "Overflow" or "Type mismatch", and the slots agree
// with one another.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/require.h"
#include "platform/failure.h"
#include "settings/registry_value.h"

namespace {

// What storing into a slot gave: the number, or the failure it raised.
struct Outcome {
  bool ok = false;
  std::int64_t number = 0;
  std::int32_t failure = 0;
};

template <class Convert>
Outcome Store(Convert convert) {
  Outcome outcome;
  try {
    outcome.number = convert();
    outcome.ok = true;
  } catch (const kes::Failure& failure) {
    if (failure.Number() != kes::kErrOverflow && failure.Number() != kes::kErrTypeMismatch) {
      std::abort();
    }
    outcome.failure = failure.Number();
  }
  return outcome;
}

RegistryValue FromInput(const std::uint8_t* data, std::size_t size) {
  switch (data[0] % 3) {
    case 0:
      return {};
    case 1:
      return RegistryValue(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    default: {
      std::uint32_t bits = 0;
      std::memcpy(&bits, data + 1, size - 1 < sizeof bits ? size - 1 : sizeof bits);
      return RegistryValue(static_cast<std::int32_t>(bits));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const RegistryValue value = FromInput(data, size);
  const Outcome wide = Store([&] { return value.ToInt32(); });
  const Outcome narrow = Store([&] { return value.ToInt16(); });
  const std::string text = value.ToText();

  Require(value == value);
  // Both slots read the same number; the narrow one only overflows sooner.
  if (narrow.ok) {
    Require(wide.ok && wide.number == narrow.number);
  }
  if (wide.ok) {
    const bool fits16 = wide.number >= -32768 && wide.number <= 32767;
    Require(narrow.ok == fits16);
    Require(fits16 || narrow.failure == kes::kErrOverflow);
    // The number's own digits read back as the same number.
    Require(RegistryValue(std::to_string(wide.number)).ToInt32() == wide.number);
  } else {
    Require(narrow.failure == wide.failure);
  }
  switch (value.GetKind()) {
    case RegistryValue::Kind::kEmpty:
      Require(wide.ok && wide.number == 0 && text.empty());
      break;
    case RegistryValue::Kind::kInteger:
      // Every 32-bit integer fits the 32-bit slot, and its text reads back.
      Require(wide.ok && RegistryValue(text).ToInt32() == wide.number);
      break;
    case RegistryValue::Kind::kText:
      Require(text.size() == size - 1);
      break;
  }
  return 0;
}
