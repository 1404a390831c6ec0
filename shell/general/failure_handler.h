#pragma once

#include <exception>
#include <string>
#include <utility>

#include "shell/general/error_report.h"

namespace Subs {

// A routine's failure handler, the one way every routine that has one is
// written: the body runs, and an unexpected failure is shown with the error
// report naming the module and routine (with the additional information, if
// any), after which the routine returns `onFailure`.
template <typename Result, typename Body>
Result WithFailureHandler(const ErrorReport& report, const char* module, const char* routine,
                          const std::string& additionalInfo, Result onFailure, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (const std::exception& failure) {
    report.ShowFailure(failure, module, routine, additionalInfo);
    return onFailure;
  }
}

template <typename Result, typename Body>
Result WithFailureHandler(const ErrorReport& report, const char* module, const char* routine,
                          Result onFailure, Body&& body) {
  return WithFailureHandler(report, module, routine, std::string(), std::move(onFailure),
                            std::forward<Body>(body));
}

// A routine without a result.
template <typename Body>
void WithFailureHandler(const ErrorReport& report, const char* module, const char* routine,
                        Body&& body) {
  WithFailureHandler(report, module, routine, std::string(), false, [&body] {
    std::forward<Body>(body)();
    return true;
  });
}

}  // namespace Subs
