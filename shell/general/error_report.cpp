#include "shell/general/error_report.h"

#include <new>
#include <utility>

#include "platform/failure.h"

namespace Subs {

std::string ErrorReportText(std::int32_t number, const std::string& description,
                            const std::string& module, const std::string& routine,
                            const std::string& additionalInfo) {
  // Numbers outside the 16-bit range (system and component codes) are shown
  // in full rather than cut down, so the user can quote the real code.
  std::string text = "The Following Error Occurred:\n\n";
  text += std::to_string(number) + " - " + description + "\n\n";
  text += "Module:  " + module + "\n\n";
  text += "Routine: " + routine + "\n\n";
  text += "Additional Info: " + additionalInfo;
  return text;
}

ErrorReport::ErrorReport(platform::MessageBoxes& boxes, std::string title)
    : boxes_(boxes), title_(std::move(title)) {}

void ErrorReport::ShowErrorReport(std::int32_t number, const std::string& description,
                                  const std::string& module, const std::string& routine,
                                  const std::string& additionalInfo) const {
  boxes_.Show(0, ErrorReportText(number, description, module, routine, additionalInfo), title_,
              platform::kMbOk | platform::kMbIconStop);
}

void ErrorReport::ShowFailure(const std::exception& failure, const std::string& module,
                              const std::string& routine, const std::string& additionalInfo) const {
  // A kes::Failure knows its number and description. Running out of memory
  // is reported as failure 7 "Out of memory"; any other exception comes from
  // the library or a fault in the program and is reported as 51 (internal
  // error) with the exception's own text, which names what went wrong.
  if (const auto* known = dynamic_cast<const kes::Failure*>(&failure)) {
    ShowErrorReport(known->Number(), known->Description(), module, routine, additionalInfo);
  } else if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
    ShowErrorReport(kes::kErrOutOfMemory, "Out of memory", module, routine, additionalInfo);
  } else {
    ShowErrorReport(kes::kErrInternal, failure.what(), module, routine, additionalInfo);
  }
}

}  // namespace Subs
