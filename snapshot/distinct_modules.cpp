#include "snapshot/distinct_modules.h"

#include <memory>
#include <string_view>
#include <unordered_set>

void FindDistinctModules(const kes::Collection<clsProcess>& processes,
                         kes::Collection<clsUniqueModule>& unique, platform::Progress* progress) {
  std::unordered_set<std::string_view> seen;
  for (std::int32_t k = 1; k <= unique.Count(); ++k) {
    seen.insert(unique.Item(k).msExePath);
  }
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    const kes::Collection<clsModule>& modules = processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      const std::string& path = modules.Item(j).msExePath;
      if (seen.count(path) != 0) {
        continue;
      }
      auto record = std::make_unique<clsUniqueModule>();
      record->mlProcID = i;
      record->mlModID = j;
      record->msExePath = path;
      if (progress != nullptr) {
        progress->Report(path);
      }
      // The view points into the record, which the collection keeps in place.
      seen.insert(unique.Add(std::move(record)).msExePath);
    }
  }
}
