#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/file_attributes.h"
#include "platform/file_finder.h"
#include "platform/shell_folders.h"
#include "platform/shell_links.h"
#include "platform/system_folders.h"

namespace kes_test {

// A Windows directory and the entries below it, held in memory, and the
// shell's answers for its folders (none but those in `shellAnswers`). Paths
// ignore letter case, as the file system does.
class FakeFileSystem final : public platform::SystemFolders,
                             public platform::FileFinder,
                             public platform::FileAttributeReader,
                             public platform::ShellFolders {
 public:
  enum class Entry { kFile, kHiddenFile, kSystemFile, kFolder };

  void Add(const std::string& path, Entry entry) { entries_[Upper(path)] = entry; }

  std::string ProgramFolder() override { return programFolder; }
  std::uint32_t WindowsDirectory(std::span<char> buffer) override {
    if (windowsDir.size() + 1 > buffer.size()) return windowsDir.size() + 1;
    std::copy(windowsDir.begin(), windowsDir.end(), buffer.begin());
    buffer[windowsDir.size()] = '\0';
    return windowsDir.size();
  }
  std::uint32_t SystemDirectory(std::span<char>) override { return 0; }  // never asked
  bool FindNormalFile(const std::string& path) override {
    searched.push_back(path);
    if (searchFails) throw kes::Failure(52, "Bad file name or number");
    const auto found = entries_.find(Upper(path));
    return found != entries_.end() && found->second == Entry::kFile;
  }

  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    const auto found = entries_.find(Upper(path));
    if (found == entries_.end()) return std::nullopt;
    constexpr std::uint32_t kBits[] = {platform::kAttributeArchive, platform::kAttributeHidden,
                                       platform::kAttributeSystem, platform::kAttributeDirectory};
    return kBits[static_cast<int>(found->second)];
  }
  std::optional<std::string> Folder(platform::ShellFolderId id) override {
    const auto found = shellAnswers.find(id);
    if (found == shellAnswers.end()) return std::nullopt;
    return found->second;
  }

  std::string windowsDir = "C:\\WINDOWS";
  std::map<platform::ShellFolderId, std::string> shellAnswers;
  std::string programFolder = "C:\\Program Files\\Kestrel";
  bool searchFails = false;
  std::vector<std::string> searched;

 private:
  static std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }
  std::map<std::string, Entry> entries_;
};

// A shell that knows none of its folders, as where the places fall back to
// the Windows folder's.
class SilentShell final : public platform::ShellFolders {
 public:
  std::optional<std::string> Folder(platform::ShellFolderId) override { return std::nullopt; }
};

// The shell-link library as its callers see it: every call is recorded as
// "create|folder|name|path|arguments" or "remove|folder|name". The library
// can be missing, or fault on the calls for chosen folders.
class FakeShellLinks final : public platform::ShellLinks {
 public:
  std::int32_t CreateShellLink(const std::string& folder, const std::string& name,
                               const std::string& path, const std::string& arguments) override {
    Call("create|" + folder + "|" + name + "|" + path + "|" + arguments, folder);
    return result;
  }
  std::int32_t RemoveShellLink(const std::string& folder, const std::string& name) override {
    Call("remove|" + folder + "|" + name, folder);
    return result;
  }

  bool missing = false;
  std::set<std::string> faultingFolders;
  std::int32_t result = 1;
  std::vector<std::string> calls;

 private:
  void Call(const std::string& call, const std::string& folder) {
    if (missing) throw kes::Failure(kes::kErrFileNotFound, "File not found: keslink.dll");
    calls.push_back(call);
    if (faultingFolders.count(folder) != 0) throw kes::Failure(5, "Invalid procedure call");
  }
};

}  // namespace kes_test
