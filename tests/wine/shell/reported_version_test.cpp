// Built into the start-up tests that the project's prefix runs as Windows 95:
// the start-up tests beside it then show that the platform check passes and
// the frame opens there too.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(ReportedVersion, WineReportsWindows95ToThisProgram) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
  EXPECT_EQ(version.dwMajorVersion, 4u);
  EXPECT_EQ(version.dwMinorVersion, 0u);
}

}  // namespace
