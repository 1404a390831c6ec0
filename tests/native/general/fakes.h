#pragma once

#include <gmock/gmock.h>

#include <map>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/file_store.h"
#include "platform/shell_launcher.h"
#include "platform/system_folders.h"
#include "tests/fakes/recording_boxes.h"

namespace general_test {

// Files held in memory, by path.
class MemoryFiles : public platform::FileStore {
 public:
  void WriteTextFile(const std::string& path, const std::string& text) override {
    if (refuseWrites) throw kes::Failure(75, "Path/File access error");
    files[path] = text;
    written.push_back({path, text});
  }
  void RemoveFile(const std::string& path) override {
    if (files.erase(path) == 0) throw kes::Failure(kes::kErrFileNotFound, "File not found");
  }
  std::map<std::string, std::string> files;
  std::vector<std::pair<std::string, std::string>> written;
  bool refuseWrites = false;
};

class MockShell : public platform::ShellLauncher {
 public:
  MOCK_METHOD(platform::FoundExecutable, FindExecutableFor, (const std::string&), (override));
  MOCK_METHOD(std::intptr_t, ShellExecuteFile,
              (platform::WindowHandle, const std::string&, const std::string&, const std::string&,
               int),
              (override));
};

// A Windows directory of any length, filled in as the system call does.
class FakeFolders : public platform::SystemFolders {
 public:
  std::string ProgramFolder() override { return programFolder; }
  std::uint32_t WindowsDirectory(std::span<char> buffer) override {
    ++calls;
    offeredSize = buffer.size();
    if (failure) throw kes::Failure(5, "Invalid procedure call or argument");
    if (windowsDir.size() + 1 > buffer.size()) return windowsDir.size() + 1;
    windowsDir.copy(buffer.data(), windowsDir.size());
    buffer[windowsDir.size()] = '\0';
    return windowsDir.size();
  }
  std::uint32_t SystemDirectory(std::span<char>) override { return 0; }  // never asked
  std::string programFolder;
  std::string windowsDir;
  bool failure = false;
  int calls = 0;
  std::size_t offeredSize = 0;
};

}  // namespace general_test
