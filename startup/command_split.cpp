#include "startup/command_split.h"

#include <array>
#include <optional>

#include "platform/full_path.h"

namespace Startup {

namespace {

// MAX_PATH without its closing NUL: no file's path is longer.
constexpr std::size_t kLongestPath = 259;
constexpr std::array<const char*, 4> kExtensions{".exe", ".com", ".bat", ".pif"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string WithoutLeadingBlanks(const std::string& text, std::size_t from) {
  while (from < text.size() && IsBlank(text[from])) {
    ++from;
  }
  return from < text.size() ? text.substr(from) : std::string();
}

// A name with neither folder nor drive, which the search folders complete.
bool IsBareName(const platform::FileNameRule& rule, const std::string& name) {
  return rule.LastOf(name, "\\/:") == std::string::npos;
}

bool HasExtension(const platform::FileNameRule& rule, const std::string& candidate) {
  const std::size_t folderEnd = rule.LastOf(candidate, "\\/:");
  const std::size_t dot = rule.LastOf(candidate, ".");
  return dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd);
}

// The program file `candidate` names, with the extension and folder search.
std::string Resolve(const platform::FileNameRule& rule, platform::FileFinder& files,
                    const ProgramSearch& search, const std::string& candidate) {
  if (candidate.empty() || candidate.size() > kLongestPath) {
    return {};
  }
  std::vector<std::string> names;
  if (HasExtension(rule, candidate)) {
    names.push_back(candidate);
  } else {
    for (const char* extension : kExtensions) {
      names.push_back(candidate + extension);
    }
  }
  std::vector<std::string> folders{""};
  if (IsBareName(rule, candidate)) {
    folders = {search.windowsFolder, search.systemFolder};
    folders.insert(folders.end(), search.pathFolders.begin(), search.pathFolders.end());
  }
  for (const std::string& folder : folders) {
    // Without the folder a bare name would be looked for in the current one.
    if (folder.empty() && folders.size() > 1) {
      continue;
    }
    const std::string prefix = folder.empty() ? folder : rule.AddBackslash(folder);
    for (const std::string& name : names) {
      std::string found = ExistingFile(rule, files, prefix + name);
      if (!found.empty()) {
        return found;
      }
    }
  }
  return {};
}

}  // namespace

std::vector<std::string> PathFolders(const platform::FileNameRule& rule, const std::string& path) {
  std::vector<std::string> folders;
  std::size_t from = 0;
  while (from <= path.size()) {
    std::size_t end = rule.Find(path, ";", from);
    if (end == std::string::npos) {
      end = path.size();
    }
    std::string folder = WithoutLeadingBlanks(path.substr(from, end - from), 0);
    while (!folder.empty() && IsBlank(folder.back())) {
      folder.pop_back();
    }
    if (!folder.empty()) {
      folders.push_back(std::move(folder));
    }
    from = end + 1;
  }
  return folders;
}

std::string ExistingFile(const platform::FileNameRule& rule, platform::FileFinder& files,
                         const std::string& path) {
  if (path.size() > kLongestPath) {
    return {};
  }
  const std::optional<std::string> canonical = platform::CanonicalPath(rule, path);
  if (!canonical || !files.FindNormalFile(*canonical)) {
    return {};
  }
  return *canonical;
}

CommandProgram SplitCommand(const platform::FileNameRule& rule, platform::FileFinder& files,
                            const ProgramSearch& search, const std::string& command) {
  std::size_t start = 0;
  while (start < command.size() && IsBlank(command[start])) {
    ++start;
  }
  if (start < command.size() && command[start] == '"') {
    const std::size_t close = rule.Find(command, "\"", start + 1);
    const std::size_t end = close == std::string::npos ? command.size() : close;
    const std::string program =
        Resolve(rule, files, search, command.substr(start + 1, end - start - 1));
    return {program, program.empty() || close == std::string::npos
                         ? std::string()
                         : WithoutLeadingBlanks(command, close + 1)};
  }
  // Where each word ends, as long as the words before it could be a path.
  std::vector<std::size_t> wordEnds;
  const platform::CodePage& characters = rule.Characters();
  for (std::size_t at = start; at < command.size() && at - start <= kLongestPath;) {
    const std::size_t size = characters.CharSize(command, at);
    const bool endsWord = at + size == command.size() || IsBlank(command[at + size]);
    at += size;
    if (!IsBlank(command[at - size]) && endsWord) {
      wordEnds.push_back(at);
    }
  }
  for (auto end = wordEnds.rbegin(); end != wordEnds.rend(); ++end) {
    std::string program = Resolve(rule, files, search, command.substr(start, *end - start));
    if (!program.empty()) {
      return {std::move(program), WithoutLeadingBlanks(command, *end)};
    }
  }
  return {};
}

}  // namespace Startup
