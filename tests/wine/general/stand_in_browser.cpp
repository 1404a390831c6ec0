// Stands in for the user's browser: records the arguments it was started
// with, one a line, in "browser_record.txt" beside itself, and ends.
#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char** argv) {
  char self[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder(self);
  folder.erase(folder.find_last_of('\\') + 1);
  const std::string partial = folder + "browser_record.tmp";
  {
    std::ofstream record(partial, std::ios::binary | std::ios::trunc);
    for (int i = 1; i < argc; ++i) record << argv[i] << '\n';
  }
  // The test sees the record only once it is complete.
  MoveFileA(partial.c_str(), (folder + "browser_record.txt").c_str());
  return 0;
}
