#include "snapshot/distinct_modules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/fakes/recording_boxes.h"

namespace {

kes::Collection<clsProcess> Processes(const std::vector<std::vector<std::string>>& modulePaths) {
  kes::Collection<clsProcess> processes;
  for (const auto& paths : modulePaths) {
    auto process = std::make_unique<clsProcess>();
    for (const std::string& path : paths) {
      auto module = std::make_unique<clsModule>();
      module->msExePath = path;
      process->mcolModules.Add(std::move(module));
    }
    processes.Add(std::move(process));
  }
  return processes;
}

using Found = std::vector<std::tuple<std::int32_t, std::int32_t, std::string>>;

// Each distinct module found, which is also the path the progress names.
Found Distinct(const kes::Collection<clsProcess>& processes) {
  kes::Collection<clsUniqueModule> unique;
  kes_test::RecordingProgress progress;
  FindDistinctModules(processes, unique, &progress);
  Found found;
  for (std::int32_t k = 1; k <= unique.Count(); ++k) {
    const clsUniqueModule& u = unique.Item(k);
    found.emplace_back(u.mlProcID, u.mlModID, u.msExePath);
    EXPECT_EQ(progress.reported.at(static_cast<std::size_t>(k - 1)), u.msExePath);
  }
  EXPECT_EQ(progress.reported.size(), found.size());
  return found;
}

TEST(FindDistinctModules, EachPathOnceWhereItFirstOccursWithLetterCaseCounting) {
  const auto processes = Processes(
      {{"A.DLL", "K.DLL"}, {}, {"K.DLL", "B.DLL", "A.DLL"}, {"k.dll", "B.DLL", "K.DLL", "C.DLL"}});
  EXPECT_EQ(
      Distinct(processes),
      (Found{{1, 1, "A.DLL"}, {1, 2, "K.DLL"}, {3, 2, "B.DLL"}, {4, 1, "k.dll"}, {4, 4, "C.DLL"}}));
}

TEST(FindDistinctModules, NoModulesGiveNoDistinctModules) {
  EXPECT_TRUE(Distinct(Processes({})).empty());
  EXPECT_TRUE(Distinct(Processes({{}, {}})).empty());
}

}  // namespace
