#include <gtest/gtest.h>

#include <string>

#include "platform/win32/text_file_win32.h"
#include "tests/fakes/failure_of.h"
#include "tests/fakes/win32_helpers.h"

namespace kes_test {
namespace {

class TextFileTest : public testing::Test {
 protected:
  void TearDown() override { DeleteFileA(path.c_str()); }
  const std::string path = TempPath("kes-text-file.txt");
  platform::Win32TextFiles files;
};

TEST_F(TextFileTest, ManyShortWritesAcrossSeveralBlocksArriveWholeAndInOrder) {
  std::string expected;
  {
    auto file = files.Create(path);
    for (int i = 0; i < 40000; ++i) {
      const std::string line = "line " + std::to_string(i) + "\r\n";
      file->Write(line);
      expected += line;
    }
    file->Close();
    file->Close();  // a second close does nothing
  }
  ASSERT_GT(expected.size(), 3u * 64 * 1024);
  EXPECT_EQ(files.Read(path), expected);
}

TEST_F(TextFileTest, APieceLargerThanABlockArrivesWholeBetweenShortOnes) {
  const std::string large(200 * 1024, 'x');
  {
    auto file = files.Create(path);
    file->Write("before\r\n");
    file->Write(large);
    file->Write("after\r\n");
    file->Close();
  }
  EXPECT_EQ(files.Read(path), "before\r\n" + large + "after\r\n");
}

TEST_F(TextFileTest, AFileDroppedWithoutCloseKeepsWhatWasWritten) {
  files.Create(path)->Write("kept\r\n");
  EXPECT_EQ(files.Read(path), "kept\r\n");
}

TEST_F(TextFileTest, CreatingEmptiesAnExistingFile) {
  files.Create(path)->Write(std::string(100000, 'x'));
  files.Create(path)->Write("new\r\n");
  EXPECT_EQ(files.Read(path), "new\r\n");
}

TEST_F(TextFileTest, AWriteAfterCloseAndMissingPlacesFail) {
  auto file = files.Create(path);
  file->Close();
  EXPECT_NE(FailureNumber([&] { file->Write("late"); }), 0);
  EXPECT_EQ(FailureOf([&] { files.Create(TempPath("no-such-folder\\x.txt")); }),
            "76 - Path not found: " + TempPath("no-such-folder\\x.txt"));
  EXPECT_EQ(FailureNumber([&] { files.Read(TempPath("no-such-file.txt")); }), 53);
}

// A console on the NT family fails a single write of tens of kilobytes, so
// character devices are written 16 KB at a time; files and pipes 64 KB.
TEST_F(TextFileTest, ACharacterDeviceTakesSixteenKilobytesAWrite) {
  // A console of the test's own: the one it starts with under Wine cannot be
  // opened.
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  HANDLE pipeRead = nullptr, pipeWrite = nullptr;
  ASSERT_TRUE(CreatePipe(&pipeRead, &pipeWrite, nullptr, 0));
  const auto open = [](const char* name, DWORD creation) {
    return CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  struct Case {
    const char* name;
    platform::ScopedHandle handle;
    std::size_t largest;
  };
  const Case cases[] = {
      {"console", platform::ScopedHandle(open("CONOUT$", OPEN_EXISTING)), 16384},
      {"NUL", platform::ScopedHandle(open("NUL", OPEN_EXISTING)), 16384},
      {"file", platform::ScopedHandle(open(path.c_str(), CREATE_ALWAYS)), 65536},
      {"pipe", platform::ScopedHandle(pipeWrite), 65536},
  };
  const platform::ScopedHandle reading(pipeRead);
  for (const Case& c : cases) {
    ASSERT_TRUE(c.handle.Valid()) << c.name;
    EXPECT_EQ(platform::LargestWrite(c.handle.Get()), c.largest) << c.name;
  }
  FreeConsole();
}

}  // namespace
}  // namespace kes_test
