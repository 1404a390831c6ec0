// The uninstaller's reading of a setup log and its path split, over any
// input: the log's entries, the path split and the keep-or-delete decision
// hold their promises whatever the text holds.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz/require.h"
#include "platform/failure.h"
#include "platform/folder_files.h"
#include "uninstall/known_files.h"

namespace {

constexpr std::uint32_t kLeftOut =
    platform::kAttrDirectory | platform::kAttrVolume | platform::kAttrSystem;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  platform::FileNameRule rule;

  // The log: every entry is trimmed, and the limit is a failure, not a crash.
  std::vector<std::string> list;
  try {
    list = kesclean::KnownFilesIn(text);
  } catch (const kes::Failure& failure) {
    Require(failure.Number() == kes::kErrSubscriptOutOfRange);
  }
  Require(list.size() <= kesclean::kMaxKnownFiles);
  for (const std::string& entry : list) {
    Require(entry.empty() || (entry.front() != ' ' && entry.back() != ' '));
    Require(entry.find_first_of("\r\n") == std::string::npos);
  }

  // The path split: the parts make the whole, the file name holds no
  // backslash, and the folder ends in one unless it is empty.
  for (const std::string& line : kesclean::LogLines(text)) {
    const kesclean::PathParts parts = kesclean::SplitPath(rule, line);
    Require(parts.folder + parts.fileName == line);
    Require(parts.fileName.find('\\') == std::string::npos);
    Require(parts.folder.empty() || parts.folder.back() == '\\');
  }

  // Every line taken as a file name in a folder: a file whose key the log
  // lists is never deleted, System files and folders are never touched, and
  // nothing outside the folder is ever named.
  std::set<std::string> known;
  for (const std::string& entry : list) {
    if (const auto path = kesclean::EntryPath(rule, entry)) {
      known.insert(rule.Folded(*path));
    }
  }
  std::vector<platform::FolderEntry> listing;
  for (const std::string& line : kesclean::LogLines(text)) {
    listing.push_back({line, static_cast<std::uint32_t>(line.size() % 64)});
  }
  const std::string folder = "C:\\Kestrel\\";
  std::size_t ordinary = 0;
  for (const platform::FolderEntry& entry : listing) {
    ordinary += (entry.attributes & kLeftOut) == 0 ? 1 : 0;
  }
  const auto actions = kesclean::PlanRemoval(folder, listing, "ST5UNST.LOG", known, rule);
  Require(actions.size() <= ordinary);
  for (const kesclean::FileAction& action : actions) {
    Require(action.path.compare(0, folder.size(), folder) == 0);
    Require(action.path.find('\\', folder.size()) == std::string::npos);
    Require(!(action.remove && known.count(rule.Folded(action.path)) != 0));
  }
  return 0;
}
