#pragma once

#include <cstdint>
#include <string>

#include "platform/failure.h"

namespace kes_test {

// The number of the failure `action` raises, or 0 when it raises none.
template <class Action>
std::int32_t FailureNumber(Action&& action) {
  try {
    action();
  } catch (const kes::Failure& failure) {
    return failure.Number();
  }
  return 0;
}

// The failure `action` raises as "number - description", or "no failure".
template <class Action>
std::string FailureOf(Action&& action) {
  try {
    action();
  } catch (const kes::Failure& failure) {
    return std::to_string(failure.Number()) + " - " + failure.Description();
  }
  return "no failure";
}

}  // namespace kes_test
