#include "shell/startup.h"

#include <exception>

#include "platform/failure.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "settings/settings_store.h"
#include "shell/app_strings.h"
#include "shell/general/failure_handler.h"
#include "shell/shell_texts.h"

namespace Subs {

namespace {

// Days since 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t DayNumber(const CivilDate& date) {
  const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t monthFromMarch = (date.month + 9) % 12;
  const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr int kReminderKind = 4;

void ShowUpdateReminderIfDue(StartupHost& host) {
  CivilDate fileDate;
  try {
    fileDate = host.FileDate(host.ProgramFile());
  } catch (const kes::Failure& failure) {
    // Without the program file its age is unknown: no reminder.
    if (failure.Number() == kes::kErrFileNotFound) {
      return;
    }
    throw;
  }
  if (UpdateReminderDue(fileDate, host.Today())) {
    host.ShowMessage(kReminderKind, UpdateReminderText(), true);
  }
}

// What start-up does, under Main's failure handler.
bool StartUp(RegistryAPI& registry, StartupHost& host) {
  platform::MessageBoxes& boxes = registry.Report().Boxes();
  gsAppName = kAppName;

  if (!registry.RegKeyExist(platform::kHkeyLocalMachine, kSettingsKey)) {
    boxes.Show(0, WelcomeText(), kWelcomeTitle, platform::kMbOk | platform::kMbIconInformation);
  }
  // CreateRegKeys has told the user why it failed.
  if (!CreateRegKeys(registry)) {
    return false;
  }
  if (!LoadGlobalsFromRegistry(registry, host.ProgramFile())) {
    boxes.Show(0, kSettingsLoadFailed, kAppTitle, platform::kMbOk | platform::kMbIconStop);
    return false;
  }

  if (giShowMsg4 != 0) {
    ShowUpdateReminderIfDue(host);
  }

  switch (host.GetOSPlatform()) {
    case kPlatformWin32Windows:
      host.ShowMainFrame();
      return true;
    case kPlatformWin32NT:
      boxes.Show(0, kWrongPlatform, kAppTitle, platform::kMbOk | platform::kMbIconInformation);
      return false;
    default:
      return false;
  }
}

}  // namespace

std::int64_t DaysBetween(const CivilDate& from, const CivilDate& to) {
  return DayNumber(to) - DayNumber(from);
}

bool UpdateReminderDue(const CivilDate& programFileDate, const CivilDate& today) {
  return DaysBetween(programFileDate, today) > kReminderAfterDays;
}

bool Main(RegistryAPI& registry, StartupHost& host) {
  return WithFailureHandler(registry.Report(), "Subs", "Main", false, [&] {
    try {
      return StartUp(registry, host);
    } catch (const kes::Failure& failure) {
      // A missing file elsewhere in start-up is not worth a report either.
      if (failure.Number() == kes::kErrFileNotFound) {
        return false;
      }
      throw;
    }
  });
}

}  // namespace Subs
