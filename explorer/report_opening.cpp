#include "explorer/report_opening.h"

#include <string_view>
#include <unordered_map>

#include "platform/message_box.h"

namespace Explorer {

ReportOpening OpenReportOutcome(const Report::ParsedReport& report, const std::string& path) {
  if (report.errorLine != 0) {
    return {
        false,
        "Cannot open " + path + "\nLine " + std::to_string(report.errorLine) + ": " + report.error,
        platform::kMbOk | platform::kMbIconExclamation};
  }
  if (!report.complete) {
    return {true,
            "The report " + path + " is cut short: it stops after line " +
                std::to_string(report.linesRead) + ".\nWhat was read before is shown.",
            platform::kMbOk | platform::kMbIconExclamation};
  }
  return {true, {}, 0};
}

void ShareModuleFileFacts(Report::ParsedReport& report) {
  std::unordered_map<std::string_view, const clsModule*> first;
  for (std::int32_t k = 1; k <= report.uniqueModules.Count(); ++k) {
    const clsUniqueModule& unique = report.uniqueModules.Item(k);
    first.emplace(unique.msExePath,
                  &report.processes.Item(unique.mlProcID).mcolModules.Item(unique.mlModID));
  }
  for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
    kes::Collection<clsModule>& modules = report.processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      clsModule& module = modules.Item(j);
      const auto found = first.find(module.msExePath);
      if (found != first.end() && found->second != &module) {
        module.mmodBaseSize = found->second->mmodBaseSize;
        module.mGlblcntUsage = found->second->mGlblcntUsage;
      }
    }
  }
}

std::string FileNameOf(const platform::FileNameRule& rule, const std::string& path) {
  const std::size_t cut = rule.LastOf(path, "\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ReportCaption(const platform::FileNameRule& rule, const std::string& path,
                          const std::string& snapshotCaption) {
  return "Report " + FileNameOf(rule, path) + " - " + snapshotCaption;
}

}  // namespace Explorer
