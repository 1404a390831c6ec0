#pragma once

#include <cstdint>
#include <string>

#include "settings/registry_api.h"
#include "shell/general/error_report.h"

namespace Subs {

// A calendar date on the local clock.
struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Calendar days from `from` to `to` (negative when `to` is earlier).
std::int64_t DaysBetween(const CivilDate& from, const CivilDate& to);

// The installed copy counts as old from 181 days after its file was written.
inline constexpr std::int64_t kReminderAfterDays = 180;
bool UpdateReminderDue(const CivilDate& programFileDate, const CivilDate& today);

// Platform identifiers that GetOSPlatform reports.
inline constexpr std::uint32_t kPlatformWin32Windows = 1;  // Windows 95 and 98
inline constexpr std::uint32_t kPlatformWin32NT = 2;

// What start-up reaches outside the registry.
class StartupHost {
 public:
  virtual ~StartupHost() = default;
  // The running program's own file: its folder, a backslash, its name
  // without extension and ".exe".
  virtual std::string ProgramFile() = 0;
  // The file's last-write date; throws kes::Failure (53) when it is missing.
  virtual CivilDate FileDate(const std::string& path) = 0;
  virtual CivilDate Today() = 0;
  // Shows the message window modally and returns once it has closed.
  virtual void ShowMessage(int kind, const std::string& text, bool showCheckBox) = 0;
  virtual std::uint32_t GetOSPlatform() = 0;
  // Opens the main frame window modelessly.
  virtual void ShowMainFrame() = 0;
};

// The viewer's start-up: welcome, settings, update reminder, platform check.
// True when the main frame window is open and the program runs on; false
// when start-up has ended the program.
bool Main(RegistryAPI& registry, StartupHost& host);

}  // namespace Subs
