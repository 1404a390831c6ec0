#pragma once

#include <exception>
#include <utility>

#include "shell/general/error_report.h"

namespace settings_detail {

// Runs a routine's body under its failure handler: an unexpected failure is
// shown with the error report naming the module and routine, and the routine
// returns `onFailure`.
template <typename Result, typename Body>
Result WithFailureHandler(const Subs::ErrorReport& report, const char* module, const char* routine,
                          Result onFailure, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (const std::exception& failure) {
    report.ShowFailure(failure, module, routine);
    return onFailure;
  }
}

}  // namespace settings_detail
