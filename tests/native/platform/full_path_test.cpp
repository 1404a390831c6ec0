#include "platform/full_path.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(CanonicalPathTest, OneSpellingOrNothing) {
  const struct {
    std::string path;
    std::optional<std::string> canonical;
  } cases[] = {
      {"C:\\Program Files\\Kestrel\\kesview.exe", "C:\\Program Files\\Kestrel\\kesview.exe"},
      {"c:/K//.\\sub\\..\\a.exe\\", "C:\\K\\a.exe"},
      {"C:\\", "C:\\"},
      {"C:\\K\\..", "C:\\"},
      {"\\\\server\\share\\K\\..\\a.dll", "\\\\server\\share\\a.dll"},
      {"\\\\server\\share", "\\\\server\\share\\"},
      {"C:\\..\\WINDOWS\\win.ini", std::nullopt},  // above the root
      {"\\\\server\\share\\..\\other\\a", std::nullopt},
      {"C:\\K\\...\\a", std::nullopt},
      {"C:\\K\\a.exe.", std::nullopt},
      {"C:\\K\\a.exe ", std::nullopt},
      {"C:\\K\\*.*", std::nullopt},
      {"C:\\K\\a?.exe", std::nullopt},
      {"C:\\K\\a:stream", std::nullopt},
      {"C:\\K\\a\tb", std::nullopt},
      {"C:\\K\\NUL", std::nullopt},
      {"C:\\K\\com1.txt", std::nullopt},
      {"C:\\K\\COM10", "C:\\K\\COM10"},
      {"C:kesview.exe", std::nullopt},
      {"kesview.exe", std::nullopt},
      {"\\K\\kesview.exe", std::nullopt},
      {"\\\\server", std::nullopt},
      {"\\\\.\\C:\\a", std::nullopt},
      {"\\\\?\\C:\\a", std::nullopt},
      {"\\\\\\server\\share\\a", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::CanonicalPath(platform::FileNameRule(), c.path), c.canonical) << c.path;
  }
}

TEST(ParentOfTest, TheFolderAboveOrTheRoot) {
  const struct {
    std::string path;
    std::string parent;
  } cases[] = {
      {"C:\\K\\a.exe", "C:\\K"},         {"C:\\a.exe", "C:\\"}, {"C:\\", "C:\\"},
      {"\\\\s\\h\\a.exe", "\\\\s\\h\\"}, {"relative", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::ParentOf(platform::FileNameRule(), c.path), c.parent) << c.path;
  }
}

}  // namespace
