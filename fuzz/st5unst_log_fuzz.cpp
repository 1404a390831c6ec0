// ST5UNST.EXE's reading of its arguments and its log, and the canonical form
// of the paths the log names, over any input; then a whole run over a disk in
// memory. Whatever the log says, nothing outside the log's folder goes, and
// neither a System nor a hidden file nor the log while a named file stays,
// nor a registry key that is not Kestrel's.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "platform/full_path.h"
#include "setupkit/st5unst/st5unst_log.h"
#include "setupkit/st5unst/st5unst_removal.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell_places.h"
#include "tests/fakes/uninstall_fakes.h"
#include "uninstall/known_files.h"

namespace {

const std::string kFolder = "C:\\K\\";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  st5unst::LogPathFromArguments(st5unst::ArgumentsOf(text));

  // A canonical path is full, has no "." or ".." or empty steps, and is its
  // own canonical form; its parent is a prefix of it. So in a one-byte code
  // page and in a double-byte one, whose trail bytes may read as separators.
  const platform::FileNameRule rules[] = {
      platform::FileNameRule(), platform::FileNameRule(platform::CodePage::Numbered(932))};
  for (const platform::FileNameRule& rule : rules) {
    for (const std::string& entry : kesclean::PrivateFileEntries(text)) {
      const auto path = kesclean::EntryPath(rule, entry);
      if (!path) {
        continue;
      }
      Require(platform::SplitFullPath(rule, *path).has_value());
      const auto canonical = platform::CanonicalPath(rule, *path);
      if (!canonical) {
        continue;
      }
      const auto split = platform::SplitFullPath(rule, *canonical);
      Require(split.has_value());
      for (const std::string& step : split->steps) {
        Require(!step.empty() && step != "." && step != ".." &&
                rule.LastOf(step, "\\/*?") == std::string::npos &&
                rule.WholeCharacters(step) == step);
      }
      Require(platform::CanonicalPath(rule, *canonical) == canonical);
      Require(canonical->starts_with(platform::ParentOf(rule, *canonical)));
    }
  }

  // A run with the input as the log.
  uninstall_test::Events events;
  uninstall_test::MemoryFolder disk(events);
  disk.files = {{kFolder + "a.exe", {}},
                {kFolder + "sub\\b.dll", {platform::kAttrReadOnly, ""}},
                {kFolder + "IO.SYS", {platform::kAttrSystem, ""}},
                {kFolder + "hidden", {platform::kAttrHidden, ""}},
                {"C:\\outside.txt", {}},
                {"C:\\KX\\a.exe", {}},
                {kFolder + "ST5UNST.LOG", {0, text}}};
  disk.shortNames["C:\\K~1"] = "C:\\K";
  platform::FileNameRule rule;
  uninstall_test::WindowsAt folders;
  uninstall_test::FakeClock clock;
  uninstall_test::AnsweringBoxes boxes;
  kes_test::FakeRegistry registry;
  kes_test::SilentShell shell;
  const std::string others[] = {"SOFTWARE\\Microsoft",
                                "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other"};
  for (const std::string& key : others) {
    registry.PutText(key, "UninstallString", "ST5UNST.EXE -n \"" + kFolder + "ST5UNST.LOG\"");
  }
  const int status =
      st5unst::RemoveLoggedFiles("-n \"" + kFolder + "ST5UNST.LOG\"",
                                 {disk, disk, rule, folders, clock, boxes, registry, shell});
  Require(status == st5unst::kAllGone || status == st5unst::kSomethingLeft);
  Require(disk.files.count("C:\\outside.txt") == 1 && disk.files.count("C:\\KX\\a.exe") == 1);
  Require(disk.files.count(kFolder + "IO.SYS") == 1 && disk.files.count(kFolder + "hidden") == 1);
  Require((status == st5unst::kAllGone) == (disk.files.count(kFolder + "ST5UNST.LOG") == 0));
  Require((status == st5unst::kAllGone) == boxes.shown.empty());
  Require(registry.HasKey(others[0]) && registry.HasKey(others[1]));
  return 0;
}
