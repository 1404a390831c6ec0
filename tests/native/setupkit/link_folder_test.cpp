#include "setupkit/link_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ResolveLinkFolder, FoldersAreTakenFromTheProgramsMenu) {
  const struct {
    const char* windows;
    const char* folder;
    const char* resolved;
  } cases[] = {
      {"C:\\WINDOWS", "", "C:\\WINDOWS\\Start Menu\\Programs"},
      {"C:\\WINDOWS\\", "\\Startup", "C:\\WINDOWS\\Start Menu\\Programs\\Startup"},
      {"C:\\WINDOWS", "..\\..\\Desktop", "C:\\WINDOWS\\Desktop"},
      {"C:\\WINDOWS", "..\\..\\Start Menu", "C:\\WINDOWS\\Start Menu"},
      {"C:\\WINDOWS", "..\\..\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch",
       "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch"},
      {"C:\\WINDOWS", "Games\\.\\Cards\\", "C:\\WINDOWS\\Start Menu\\Programs\\Games\\Cards"},
      {"C:\\WINDOWS", "..\\..\\..\\..\\..\\Top", "C:\\Top"},
      {"C:\\WINDOWS", "..\\..\\..", "C:\\"},
      // A Windows folder on the network keeps its share.
      {"\\\\server\\share\\WINDOWS", "..\\..\\Desktop", "\\\\server\\share\\WINDOWS\\Desktop"},
      {"\\\\server\\share\\WINDOWS", "..\\..\\..\\..", "\\\\server\\share\\"},
      {"WINDOWS", "", ""},  // no full path, no folder
  };
  for (const auto& c : cases) {
    EXPECT_EQ(setupkit::ResolveLinkFolder(platform::FileNameRule(), c.windows, c.folder),
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
