#include "setupkit/link_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/shortcut_places.h"
#include "tests/fakes/fake_shell_places.h"

namespace {

using platform::ShellFolderId;

// A German Windows 98's shell folders.
const std::map<ShellFolderId, std::string> kGerman = {
    {ShellFolderId::kPrograms, "C:\\WINDOWS\\Startmen\xFC\\Programme"},
    {ShellFolderId::kStartup, "C:\\WINDOWS\\Startmen\xFC\\Programme\\Autostart\\"},
    {ShellFolderId::kStartMenu, "C:\\WINDOWS\\Startmen\xFC"},
    {ShellFolderId::kDesktopDirectory, "C:\\WINDOWS\\Desktop"},
    {ShellFolderId::kAppData, "C:\\WINDOWS\\Anwendungsdaten"},
};

TEST(ResolveLinkFolder, PlacesAreTheShellsFoldersOrElseTheWindowsFolders) {
  const struct {
    std::map<ShellFolderId, std::string> shell;
    const char* windows;
    const char* folder;
    const char* resolved;
  } cases[] = {
      {kGerman, "C:\\WINDOWS", "", "C:\\WINDOWS\\Startmen\xFC\\Programme"},
      {kGerman, "C:\\WINDOWS", "\\Startup", "C:\\WINDOWS\\Startmen\xFC\\Programme\\Autostart"},
      {kGerman, "C:\\WINDOWS", "..\\..\\Desktop", "C:\\WINDOWS\\Desktop"},
      {kGerman, "C:\\WINDOWS", "..\\..\\START MENU", "C:\\WINDOWS\\Startmen\xFC"},
      {kGerman, "C:\\WINDOWS",
       "..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch",
       "C:\\WINDOWS\\Anwendungsdaten\\Microsoft\\Internet Explorer\\Quick Launch"},
      {kGerman, "C:\\WINDOWS", "Zubeh\xF6r\\..\\Spiele",
       "C:\\WINDOWS\\Startmen\xFC\\Programme\\Spiele"},
      // An answer that is no full path is none.
      {{{ShellFolderId::kPrograms, "Programme"}},
       "C:\\WINDOWS",
       "",
       "C:\\WINDOWS\\Start Menu\\Programs"},
      // Without the shell's answers: the folders of an English Windows 95.
      {{}, "C:\\WINDOWS", "", "C:\\WINDOWS\\Start Menu\\Programs"},
      {{}, "C:\\WINDOWS\\", "\\Startup", "C:\\WINDOWS\\Start Menu\\Programs\\Startup"},
      {{}, "C:\\WINDOWS", "..\\..\\Desktop", "C:\\WINDOWS\\Desktop"},
      {{}, "C:\\WINDOWS", "..\\..\\Start Menu", "C:\\WINDOWS\\Start Menu"},
      {{},
       "C:\\WINDOWS",
       "..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch",
       "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch"},
      {{}, "C:\\WINDOWS", "Games\\.\\Cards\\", "C:\\WINDOWS\\Start Menu\\Programs\\Games\\Cards"},
      {{}, "C:\\WINDOWS", "..\\..\\..\\..\\..\\Top", "C:\\Top"},
      {{}, "C:\\WINDOWS", "..\\..\\..", "C:\\"},
      // A Windows folder on the network keeps its share.
      {{}, "\\\\server\\share\\WINDOWS", "..\\..\\Desktop", "\\\\server\\share\\WINDOWS\\Desktop"},
      {{}, "\\\\server\\share\\WINDOWS", "..\\..\\..\\..", "\\\\server\\share\\"},
      {{}, "WINDOWS", "", ""},  // no full path, no folder
  };
  for (const auto& c : cases) {
    kes_test::FakeFileSystem shell;
    shell.shellAnswers = c.shell;
    EXPECT_EQ(platform::ResolveLinkFolder(platform::FileNameRule(), shell, c.windows, c.folder),
              c.resolved)
        << c.folder;
  }
}

TEST(FolderChain, LeadsFromBelowTheRootToThePath) {
  EXPECT_EQ(setupkit::FolderChain(platform::FileNameRule(), "C:\\WINDOWS\\Start Menu\\Programs"),
            (std::vector<std::string>{"C:\\WINDOWS", "C:\\WINDOWS\\Start Menu",
                                      "C:\\WINDOWS\\Start Menu\\Programs"}));
  EXPECT_EQ(setupkit::FolderChain(platform::FileNameRule(), "\\\\server\\share\\WINDOWS\\Desktop"),
            (std::vector<std::string>{"\\\\server\\share\\WINDOWS",
                                      "\\\\server\\share\\WINDOWS\\Desktop"}));
  EXPECT_TRUE(setupkit::FolderChain(platform::FileNameRule(), "C:\\").empty());
}

}  // namespace
