#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "platform/message_box.h"

namespace Subs {

inline constexpr const char* kViewerErrorTitle = "Kestrel Application Error";

// The text of the one error report, lines joined by line feeds alone.
std::string ErrorReportText(std::int32_t number, const std::string& description,
                            const std::string& module, const std::string& routine,
                            const std::string& additionalInfo);

// Shows the error report that every routine's failure handler uses. The
// viewer titles it "Kestrel Application Error"; the uninstaller passes its own.
class ErrorReport {
 public:
  explicit ErrorReport(platform::MessageBoxes& boxes, std::string title = kViewerErrorTitle);

  void ShowErrorReport(std::int32_t number, const std::string& description,
                       const std::string& module, const std::string& routine,
                       const std::string& additionalInfo = {}) const;

  // Reports a caught exception: a kes::Failure with its own number and
  // description, anything else with a number and text that describe it.
  void ShowFailure(const std::exception& failure, const std::string& module,
                   const std::string& routine, const std::string& additionalInfo = {}) const;

  platform::MessageBoxes& Boxes() const { return boxes_; }

 private:
  platform::MessageBoxes& boxes_;
  std::string title_;
};

}  // namespace Subs
