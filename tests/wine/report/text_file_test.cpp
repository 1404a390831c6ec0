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

}  // namespace
}  // namespace kes_test
