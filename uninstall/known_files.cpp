#include "uninstall/known_files.h"

#include "platform/failure.h"
#include "platform/full_path.h"
#include "uninstall/file_identity.h"

namespace kesclean {

namespace {

constexpr const char* kKeyword = "PrivateFile:";

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::string> KnownFileEntry(const std::string& line) {
  const auto at = line.find(kKeyword);
  if (at == std::string::npos) {
    return std::nullopt;
  }
  const auto from = at + std::char_traits<char>::length(kKeyword) + 1;  // after the separator
  return TrimBlanks(from < line.size() ? line.substr(from) : std::string());
}

PathParts SplitPath(const platform::FileNameRule& rule, const std::string& fullPath) {
  platform::FileNameRule::FolderAndName parts = rule.SplitFolderName(fullPath);
  return {std::move(parts.folder), std::move(parts.name)};
}

std::vector<std::string> LogLines(const std::string& logText) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < logText.size()) {
    auto end = logText.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      end = logText.size();
    }
    lines.push_back(logText.substr(start, end - start));
    // A carriage return and line feed end one line together.
    start = end + (logText.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::vector<std::string> PrivateFileEntries(const std::string& logText) {
  std::vector<std::string> list;
  for (const std::string& line : LogLines(logText)) {
    if (auto entry = KnownFileEntry(line)) {
      list.push_back(std::move(*entry));
    }
  }
  return list;
}

std::vector<std::string> KnownFilesIn(const std::string& logText) {
  std::vector<std::string> list = PrivateFileEntries(logText);
  if (list.size() > kMaxKnownFiles) {
    throw kes::Failure(kes::kErrSubscriptOutOfRange, "Subscript out of range");
  }
  return list;
}

std::optional<std::string> Unquoted(const std::string& text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
    return std::nullopt;
  }
  std::string inner = text.substr(1, text.size() - 2);
  if (inner.find('"') != std::string::npos) {
    return std::nullopt;
  }
  return inner;
}

std::optional<std::string> EntryPath(const platform::FileNameRule& rule, const std::string& entry) {
  std::optional<std::string> path = Unquoted(entry);
  if (!path || !platform::SplitFullPath(rule, *path)) {
    return std::nullopt;
  }
  return path;
}

std::optional<std::set<std::string>> KnownFileKeys(const std::vector<std::string>& list,
                                                   platform::FolderFiles& files,
                                                   const platform::FileNameRule& rule) {
  std::set<std::string> keys;
  for (const std::string& entry : list) {
    const std::optional<std::string> path = EntryPath(rule, entry);
    if (!path) {
      return std::nullopt;
    }
    const std::optional<std::string> key = FileKey(*path, files, rule);
    keys.insert(key ? *key : rule.Folded(*path));
  }
  return keys;
}

std::vector<FileAction> PlanRemoval(const std::string& folder,
                                    const std::vector<platform::FolderEntry>& listing,
                                    const std::string& logFileName,
                                    const std::set<std::string>& known,
                                    const platform::FileNameRule& rule) {
  std::vector<FileAction> actions;
  const std::string upperLog = rule.Folded(logFileName);
  // System files are the system's business: the search that picks the
  // sweep's files takes hidden and archive files besides ordinary ones only.
  constexpr std::uint32_t kLeftOut =
      platform::kAttrDirectory | platform::kAttrVolume | platform::kAttrSystem;
  for (const platform::FolderEntry& entry : listing) {
    // Names from the listing never hold a backslash; one that did would reach
    // outside the folder, so it is left alone like a subfolder.
    if ((entry.attributes & kLeftOut) != 0 || entry.name.empty() ||
        rule.LastOf(entry.name, "\\/") != std::string::npos) {
      continue;
    }
    const std::string path = folder + entry.name;
    const std::string key = rule.Folded(path);
    const bool keep = rule.Find(key, upperLog) != std::string::npos || known.count(key) != 0;
    actions.push_back({path, !keep});
  }
  return actions;
}

}  // namespace kesclean
