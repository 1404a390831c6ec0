// Shows how the time of a snapshot grows with the number of processes, on a
// platform held in memory: 2,000 and 4,000 processes of 60 modules each,
// drawn from a pool of shared libraries. Linear growth keeps the second time
// within about twice the first.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "bench/median.h"
#include "bench/silent.h"
#include "platform/message_box.h"
#include "platform/progress.h"
#include "platform/tool_help.h"
#include "shell/general/error_report.h"
#include "snapshot/module_list95.h"

namespace {

constexpr std::uint32_t kModulesPerProcess = 60;
constexpr std::uint32_t kSharedLibraries = 400;

template <std::size_t N>
void Put(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

std::string ProcessPath(std::uint32_t id) { return "C:\\APPS\\APP" + std::to_string(id) + ".EXE"; }
std::string LibraryPath(std::uint32_t n) {
  return "C:\\WINDOWS\\SYSTEM\\LIB" + std::to_string(n) + ".DLL";
}

// Processes 1..count; process i loads 60 libraries starting at i.
class GeneratedToolHelp : public platform::ToolHelp {
 public:
  explicit GeneratedToolHelp(std::uint32_t count) : count_(count) {}

  std::unique_ptr<platform::ProcessList> SnapProcesses() override {
    return std::make_unique<Processes>(count_);
  }
  std::unique_ptr<platform::ModuleList> SnapModules(std::uint32_t id) override {
    return std::make_unique<Modules>(id);
  }
  std::uintptr_t OpenProcess(std::uint32_t, bool, std::uint32_t id) override { return id * 4; }
  std::uint32_t GetPriorityClass(std::uintptr_t) override { return 32; }
  void CloseHandle(std::uintptr_t) override {}
  bool HasEnded(std::uint32_t) override { return false; }

 private:
  class Processes : public platform::ProcessList {
   public:
    explicit Processes(std::uint32_t count) : count_(count) {}
    bool First(platform::ProcessEntry& entry) override {
      next_ = 1;
      return Next(entry);
    }
    bool Next(platform::ProcessEntry& entry) override {
      if (next_ > count_) {
        return false;
      }
      entry.th32ProcessID = next_;
      entry.cntThreads = 2;
      Put(entry.szExeFile, ProcessPath(next_++));
      return true;
    }

   private:
    std::uint32_t count_;
    std::uint32_t next_ = 1;
  };
  class Modules : public platform::ModuleList {
   public:
    explicit Modules(std::uint32_t id) : id_(id) {}
    bool First(platform::ModuleEntry& entry) override {
      next_ = 0;
      return Next(entry);
    }
    bool Next(platform::ModuleEntry& entry) override {
      if (next_ >= kModulesPerProcess) {
        return false;
      }
      const std::uint32_t library = (id_ + next_++) % kSharedLibraries;
      entry.th32ProcessID = id_;
      Put(entry.szModule, "LIB" + std::to_string(library) + ".DLL");
      Put(entry.szExePath, LibraryPath(library));
      return true;
    }

   private:
    std::uint32_t id_;
    std::uint32_t next_ = 0;
  };

  std::uint32_t count_;
};

// Every file exists, is normal and carries version 4.40000.0.1998.
class GeneratedFiles : public platform::FileFacts {
 public:
  bool FindNormalFile(const std::string&) override { return true; }
  platform::FileDateTime LastWriteLocalTime(const std::string&) override {
    return {1998, 5, 11, 20, 1, 0};
  }
  std::int32_t Length(const std::string& path) override {
    return static_cast<std::int32_t>(path.size() * 1024);
  }
  platform::DateTimeSeparators Separators() override { return {}; }
  std::optional<platform::FileEntry> Entry(const std::string&) override { return std::nullopt; }
  std::uint32_t VersionInfoSize(const std::string&, std::uint32_t& handle) override {
    handle = 0;
    return 400;
  }
  bool VersionInfo(const std::string&, std::uint32_t, std::uint32_t size, void* data) override {
    if (size < 92) {
      return false;
    }
    const std::uint32_t words[] = {0x00049C40, 0x000007CE};
    std::memcpy(static_cast<unsigned char*>(data) + 40 + 8, words, sizeof words);
    return true;
  }
  bool QueryVersionValue(const void* block, const std::string&, const void*& buffer,
                         std::uint32_t& length) override {
    buffer = static_cast<const unsigned char*>(block) + 40;
    length = 52;
    return true;
  }
};

double TimeSnapshot(std::uint32_t processes, std::int32_t& modules) {
  GeneratedToolHelp toolHelp(processes);
  GeneratedFiles files;
  Silent silent;
  const Subs::ErrorReport report(silent);
  kes::Collection<clsProcess> records;
  const double start = CpuMilliseconds();
  ModuleList95::FillProcessList95(records, toolHelp, files, silent, report);
  const double ms = CpuMilliseconds() - start;
  modules = 0;
  for (std::int32_t i = 1; i <= records.Count(); ++i) {
    modules += records.Item(i).mcolModules.Count();
  }
  return ms;
}

}  // namespace

int main() {
  std::int32_t smallModules = 0, largeModules = 0;
  const auto [s, l] = AlternatedMedians(
      [&](int processes) {
        return TimeSnapshot(static_cast<std::uint32_t>(processes),
                            processes == 2000 ? smallModules : largeModules);
      },
      2000, 4000);
  std::printf("2000 processes, %d modules: %.1f ms\n", static_cast<int>(smallModules), s);
  std::printf("4000 processes, %d modules: %.1f ms\n", static_cast<int>(largeModules), l);
  std::printf("snapshot growth: ratio=%.2f (linear growth stays within 2.2)\n", l / s);
  return 0;
}
