#include "uninstall/known_files.h"

#include "platform/failure.h"

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

unsigned char UpperOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') {
    return static_cast<unsigned char>(c - 0x20);
  }
  // Windows-1252: à..þ (but not ÷) and š, œ, ž, ÿ have upper-case partners.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
    return static_cast<unsigned char>(c - 0x20);
  }
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      return c;
  }
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

PathParts SplitPath(const std::string& fullPath) {
  const auto slash = fullPath.find_last_of('\\');
  if (slash == std::string::npos) {
    return {"", fullPath};
  }
  return {fullPath.substr(0, slash + 1), fullPath.substr(slash + 1)};
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

std::vector<std::string> KnownFilesIn(const std::string& logText) {
  std::vector<std::string> list;
  for (const std::string& line : LogLines(logText)) {
    if (auto entry = KnownFileEntry(line)) {
      if (list.size() == kMaxKnownFiles) {
        throw kes::Failure(kErrSubscriptOutOfRange, "Subscript out of range");
      }
      list.push_back(std::move(*entry));
    }
  }
  return list;
}

std::string UpperCase(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) {
    c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
  }
  return upper;
}

bool IsKnownFile(const std::string& path, const std::vector<std::string>& list) {
  const std::string quoted = UpperCase("\"" + path + "\"");
  for (const std::string& entry : list) {
    if (entry.size() == quoted.size() && UpperCase(entry) == quoted) {
      return true;
    }
  }
  return false;
}

std::vector<FileAction> PlanRemoval(const std::string& folder,
                                    const std::vector<platform::FolderEntry>& listing,
                                    const std::string& logFileName,
                                    const std::vector<std::string>& list) {
  std::vector<FileAction> actions;
  const std::string upperLog = UpperCase(logFileName);
  for (const platform::FolderEntry& entry : listing) {
    // Names from the listing never hold a backslash; one that did would reach
    // outside the folder, so it is left alone like a subfolder.
    if ((entry.attributes & (platform::kAttrDirectory | platform::kAttrVolume)) != 0 ||
        entry.name.empty() || entry.name.find_first_of("\\/") != std::string::npos) {
      continue;
    }
    const std::string path = folder + entry.name;
    const bool keep =
        UpperCase(path).find(upperLog) != std::string::npos || IsKnownFile(path, list);
    actions.push_back({path, !keep});
  }
  return actions;
}

}  // namespace kesclean
