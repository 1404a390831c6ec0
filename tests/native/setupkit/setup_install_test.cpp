#include "setupkit/setup/setup_install.h"

#include <gtest/gtest.h>

#include "setupkit/setup/setup_plan.h"
#include "tests/fakes/uninstall_fakes.h"

namespace uninstall_test {
namespace {

const std::string kShortcut = "C:\\WINDOWS\\Start Menu\\Programs\\Kestrel.LNK";

// Copies keep the source's attributes, as the system's copy does.
class MemoryTransfer final : public platform::FileTransfer {
 public:
  explicit MemoryTransfer(MemoryFolder& disk) : disk_(disk) {}
  void Copy(const std::string& from, const std::string& to) override {
    if (disk_.Attributes(to)) throw kes::Failure(58, "File already exists");
    disk_.files[to] = disk_.files.at(from);
  }
  void Rename(const std::string& from, const std::string& to) override {
    if (disk_.Attributes(to)) throw kes::Failure(58, "File already exists");
    auto file = disk_.files.extract(from);
    file.key() = to;
    disk_.files.insert(std::move(file));
  }
  void MakeFolder(const std::string&) override {}
  void CheckReplaceable(const std::string&) override {}
  std::optional<std::uint64_t> FileVersion(const std::string&) override { return std::nullopt; }

 private:
  MemoryFolder& disk_;
};

// The Programs menu shortcut as a file that holds its target.
class MemoryLinks final : public platform::ShellLinks {
 public:
  explicit MemoryLinks(MemoryFolder& disk) : disk_(disk) {}
  std::int32_t CreateShellLink(const std::string&, const std::string&, const std::string& path,
                               const std::string&) override {
    disk_.files[kShortcut] = {0, path};
    return 1;
  }
  std::int32_t RemoveShellLink(const std::string&, const std::string&) override { return 1; }

 private:
  MemoryFolder& disk_;
};

std::map<std::string, std::pair<std::uint32_t, std::string>> State(const MemoryFolder& disk) {
  std::map<std::string, std::pair<std::uint32_t, std::string>> state;
  for (const auto& [path, file] : disk.files) state[path] = {file.attributes, file.content};
  return state;
}

// From a read-only package, over an earlier install in C:\A: a failure
// leaves every file, the shortcut and the entry's values as they were, or
// names what stayed; an install makes ordinary files.
TEST(SetupInstallTest, AFailureIsUndoneToTheStateBefore) {
  const std::string entry = setup::kUninstallKey;
  const struct {
    std::string failingValue, blocked;  // a value whose writing fails; a file that stays
    std::vector<std::string> stayed;
  } cases[] = {
      {"", "", {}},
      {"UninstallString", "", {}},
      {"", "C:\\B\\options.htm.NEW", {"C:\\B\\kesview.exe.NEW"}},
  };
  for (const auto& c : cases) {
    Events events;
    MemoryFolder disk(events);
    for (const char* name : setup::kProgramFiles) {
      disk.files[std::string("C:\\Pkg\\") + name] = {platform::kAttrReadOnly, name};
    }
    disk.files["C:\\Pkg\\ST5UNST.EXE"] = {platform::kAttrReadOnly, "new"};
    disk.files["C:\\WINDOWS\\ST5UNST.EXE"] = {platform::kAttrReadOnly, "old"};
    disk.files[kShortcut] = {0, "C:\\A\\kesview.exe"};
    if (!c.blocked.empty()) {
      disk.files[c.blocked] = {};
      disk.inUse = {"C:\\B\\OPTIONS.HTM.NEW", "C:\\B\\KESVIEW.EXE.NEW"};
    }
    kes_test::FakeRegistry registry;
    registry.PutText(entry, "UninstallString", std::string("old\0", 4));
    if (!c.failingValue.empty()) {
      registry.failingValue = c.failingValue;
      registry.setResult = platform::kErrorAccessDenied;
    }
    const auto before = State(disk);
    MemoryTransfer transfer(disk);
    MemoryLinks links(disk);
    WindowsAt folders;
    const setup::Outcome outcome =
        setup::Install("C:\\Pkg", "C:\\B", {disk, disk, transfer, registry, links, folders});
    const bool failed = !c.failingValue.empty() || !c.blocked.empty();
    EXPECT_EQ(outcome.installed, !failed) << outcome.message;
    if (!failed) {
      EXPECT_EQ(disk.files.at("C:\\B\\kesview.exe").attributes, 0u);
      EXPECT_EQ(disk.files.at(kShortcut).content, "C:\\B\\kesview.exe");
      continue;
    }
    auto after = State(disk);
    for (const std::string& path : c.stayed) after.erase(path);
    EXPECT_EQ(after, before) << outcome.message;
    const std::vector<std::uint8_t> old = registry.Get(entry, "UninstallString")->data;
    EXPECT_EQ(std::string(old.begin(), old.end()), std::string("old\0", 4));
    EXPECT_FALSE(registry.Get(entry, "DisplayName").has_value());
    EXPECT_EQ(outcome.message.find("These stayed:\n" + (c.stayed.empty() ? "" : c.stayed[0])) !=
                  std::string::npos,
              !c.stayed.empty())
        << outcome.message;
  }
}

}  // namespace
}  // namespace uninstall_test
