#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "startup/startup_view.h"
#include "tests/fakes/uninstall_fakes.h"
#include "tests/native/snapshot/fake_file_facts.h"

namespace {

using Startup::Entry;
using Startup::Place;

const Startup::ProgramSearch kSearch{"C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM\\", {"D:\\BIN"}};

struct Disk : FakeFileFacts {
  Disk() {
    for (const char* path : {"C:\\Program Files\\Tool\\tool.exe", "C:\\WINDOWS\\NOTEPAD.exe",
                             "C:\\WINDOWS\\SYSTEM\\systray.exe", "C:\\WINDOWS\\both.exe",
                             "C:\\WINDOWS\\SYSTEM\\both.exe", "D:\\BIN\\runme.bat",
                             "C:\\WINDOWS\\\x83\x5C"
                             "APP.exe"}) {
      Add(path);
    }
    AddVersioned("C:\\Tools\\tool.exe", 0x00040000, 0x000A0000);
  }
};

TEST(SplitCommand, FindsTheProgramAsWindowsRunsIt) {
  const std::string longArguments(32000, 'x');
  std::string manyWords;
  for (int i = 0; i < 16000; ++i) {
    manyWords += "a ";
  }
  struct Case {
    unsigned codePage;
    std::string command, program, arguments;
  };
  const Case cases[] = {
      {1252, "\"C:\\Program Files\\Tool\\tool.exe\" /min", "C:\\Program Files\\Tool\\tool.exe",
       "/min"},
      {1252, "C:\\Program Files\\Tool\\tool.exe /min", "C:\\Program Files\\Tool\\tool.exe", "/min"},
      {1252, "  C:\\WINDOWS\\NOTEPAD readme.txt", "C:\\WINDOWS\\NOTEPAD.exe", "readme.txt"},
      {1252, "systray.exe", "C:\\WINDOWS\\SYSTEM\\systray.exe", ""},
      {1252, "both", "C:\\WINDOWS\\both.exe", ""},
      {1252, "runme -q", "D:\\BIN\\runme.bat", "-q"},
      {1252, "\"C:\\WINDOWS\\NOTEPAD.exe", "C:\\WINDOWS\\NOTEPAD.exe", ""},
      {1252, "C:\\Nowhere\\x.exe -a", "", ""},
      {1252, "..\\NOTEPAD.exe", "", ""},
      {1252, "C:\\WINDOWS\\SYSTEM", "", ""},
      {1252, "   ", "", ""},
      {1252, "C:\\WINDOWS\\NOTEPAD.exe " + longArguments, "C:\\WINDOWS\\NOTEPAD.exe",
       longArguments},
      {1252, longArguments, "", ""},
      {1252, manyWords, "", ""},
      {932,
       "\x83\x5C"
       "APP /x",
       "C:\\WINDOWS\\\x83\x5C"
       "APP.exe",
       "/x"},
      {1252,
       "\x83\x5C"
       "APP /x",
       "", ""},
  };
  for (const Case& c : cases) {
    Disk disk;
    const platform::FileNameRule rule(platform::CodePage::Numbered(c.codePage));
    const Startup::CommandProgram found = Startup::SplitCommand(rule, disk, kSearch, c.command);
    EXPECT_EQ(found.program, c.program) << c.command.substr(0, 60);
    EXPECT_EQ(found.arguments, c.arguments) << c.command.substr(0, 60);
  }
}

class FakeValues final : public Startup::RegistryValues {
 public:
  std::vector<Startup::NamedValue> Values(platform::RegistryKey root,
                                          const std::string& subKey) override {
    const auto key = keys.find({root, subKey});
    return key == keys.end() ? std::vector<Startup::NamedValue>() : key->second;
  }
  std::map<std::pair<platform::RegistryKey, std::string>, std::vector<Startup::NamedValue>> keys;
};

class FakeShortcuts final : public Startup::ShortcutReader {
 public:
  std::optional<Startup::ShortcutTarget> Read(const std::string& path) override {
    const auto link = links.find(path);
    return link == links.end() ? std::nullopt : link->second;
  }
  std::map<std::string, std::optional<Startup::ShortcutTarget>> links;
};

TEST(ReadEntries, ReadsEveryPlaceInOrderAndBadInputIsAnEntry) {
  const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::string group = "C:\\WINDOWS\\Start Menu\\Programs\\Startup\\";
  FakeValues registry;
  registry.keys[{platform::kHkeyLocalMachine, run}] = {
      {"SysTray", platform::kRegSz, std::string("C:\\WINDOWS\\SYSTEM\\SysTray.Exe\0old", 34)},
      {"Binary", platform::kRegBinary, "\x01\x02"},
      {"", platform::kRegSz, "  "}};
  registry.keys[{platform::kHkeyCurrentUser, run + "Once"}] = {
      {"Once", platform::kRegExpandSz, "once.exe /q"}};
  FakeShortcuts shortcuts;
  shortcuts.links[group + "Tool.lnk"] = Startup::ShortcutTarget{"C:\\Tools\\tool.exe", "/min"};
  shortcuts.links[group + "Empty.LNK"] = Startup::ShortcutTarget{" ", ""};
  uninstall_test::Events events;
  uninstall_test::MemoryFolder files(events);
  for (const char* name : {"Tool.lnk", "Empty.LNK", "Broken.lnk", "DOSAPP.PIF", "desktop.ini"}) {
    files.files[group + name] = {};
  }
  files.files["C:\\WINDOWS\\WIN.INI"].content =
      "[Desktop]\r\nload=not.exe\r\n [ Windows ]\r\n; load=old.exe\r\nLoad = a.exe  b.exe\r\n"
      "run=   \r\n";
  files.files["C:\\WINDOWS\\SYSTEM.INI"].content = "[boot]\nshell=C:\\WINDOWS\\PROGMAN.EXE\n";
  Startup::StartupSources sources{registry, files, shortcuts, "C:\\WINDOWS",
                                  "C:\\WINDOWS\\Start Menu\\Programs\\Startup"};
  const platform::FileNameRule rule;

  const std::vector<Entry> expected = {
      {Place::kMachineRun, "SysTray", "C:\\WINDOWS\\SYSTEM\\SysTray.Exe", "", "", ""},
      {Place::kMachineRun, "Binary", "", "Not text", "", ""},
      {Place::kMachineRun, "(Default)", "  ", "Empty command", "", ""},
      {Place::kUserRunOnce, "Once", "once.exe /q", "", "", ""},
      {Place::kStartupGroup, "Broken.lnk", group + "Broken.lnk", "Shortcut cannot be read", "", ""},
      {Place::kStartupGroup, "DOSAPP.PIF", group + "DOSAPP.PIF", "", group + "DOSAPP.PIF", ""},
      {Place::kStartupGroup, "Empty.LNK", group + "Empty.LNK", "Shortcut points nowhere", "", ""},
      {Place::kStartupGroup, "Tool.lnk", "C:\\Tools\\tool.exe /min", "", "C:\\Tools\\tool.exe",
       "/min"},
      {Place::kWinIniLoad, "load", "a.exe", "", "", ""},
      {Place::kWinIniLoad, "load", "b.exe", "", "", ""},
      {Place::kSystemIniShell, "shell", "C:\\WINDOWS\\PROGMAN.EXE", "", "", ""},
  };
  EXPECT_EQ(Startup::ReadEntries(rule, sources), expected);

  // The usual shell is no entry of its own.
  files.files["C:\\WINDOWS\\SYSTEM.INI"].content = "[boot]\r\nshell=Explorer.exe\r\n";
  EXPECT_EQ(Startup::ReadEntries(rule, sources).size(), expected.size() - 1);
}

TEST(MatchEntries, ShowsTheRunningProcessOrTheFilesOwnFactsReadOnce) {
  Disk disk;
  kes::Collection<clsProcess> processes;
  clsProcess& systray = processes.Add(std::make_unique<clsProcess>());
  systray.msExePath = "c:\\windows\\system\\SYSTRAY.EXE";
  systray.mlth32ProcessID = 0x1A4;
  systray.msFileDateTime = "04/23/1999 10:22:00 PM";
  systray.mlFileSize = 32768;
  systray.moVersionInfo.mnFileVerMaj = 4;
  systray.moVersionInfo.mnFileVerMin = 10;
  const std::vector<Entry> entries = {
      {Place::kMachineRun, "SysTray", "systray.exe", "", "", ""},
      {Place::kMachineRunOnce, "Gone", "missing.exe", "", "", ""},
      {Place::kStartupGroup, "Tool.lnk", "C:\\Tools\\tool.exe /min", "", "C:\\Tools\\tool.exe",
       "/min"},
      {Place::kWinIniLoad, "load", "C:\\Tools\\tool.exe", "", "", ""},
      {Place::kMachineRun, "Binary", "", "Not text", "", ""},
  };
  const Startup::StartupList list =
      Startup::MatchEntries(platform::FileNameRule(), disk, kSearch, entries, std::move(processes));

  const std::vector<Explorer::Row> expected = {
      {"C:\\WINDOWS\\SYSTEM\\systray.exe",
       {"systray.exe", "Registry: Run", "1A4", "32768", "04/23/1999 10:22:00 PM", "4.10.0.0"}},
      {"File not found", {"missing.exe", "Registry: RunOnce", "No", "", "", ""}},
      {"C:\\Tools\\tool.exe",
       {"C:\\Tools\\tool.exe /min", "Startup Group", "No", "1000", "05/11/1998 08:01:00 PM",
        "4.0.10.0"}},
      {"C:\\Tools\\tool.exe",
       {"C:\\Tools\\tool.exe", "WIN.INI load=", "No", "1000", "05/11/1998 08:01:00 PM",
        "4.0.10.0"}},
      {"Not text", {"", "Registry: Run", "No", "", "", ""}},
  };
  EXPECT_EQ(Startup::StartupListContents(list, 1).rows, expected);
  EXPECT_EQ(Startup::RunningText(list.rows[0], list, 0), "420");
  EXPECT_EQ(disk.reads["resource C:\\Tools\\tool.exe"], 1);
  EXPECT_EQ(disk.reads.count("resource C:\\WINDOWS\\SYSTEM\\systray.exe"), 0u);

  platform::StringSink text;
  Startup::StartupList one;
  one.rows.push_back(list.rows[1]);
  Startup::WriteStartupText(one, "12/8/26 4:40:00 PM", 1, text);
  const std::string separator(72, '-');
  EXPECT_EQ(text.text,
            "Kestrel(tm) Startup Programs - what starts with Windows, what runs now.\r\n"
            "Output Generated On 12/8/26 4:40:00 PM\r\nTotal Entries: 1\r\n" +
                separator +
                "\r\nProgram:      File not found\r\nCommand:      missing.exe\r\n"
                "Started From: Registry: RunOnce\r\nEntry Name:   Gone\r\nRunning:      No\r\n"
                "File Size:    \r\nFile Date:    \r\nVersion:      \r\n" +
                separator + "\r\n***End Of Kestrel(tm) Startup Programs***\r\n");
}

}  // namespace
