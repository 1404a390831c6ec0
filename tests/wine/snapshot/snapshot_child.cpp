// A process for the snapshot tests to find: it loads the libraries named on
// its command line, then tells the test it is ready and waits to be stopped.
//   snapshot_child NAME library...   signals NAME-ready, waits for NAME-stop
//   snapshot_child - library...      ends as soon as the libraries are loaded
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  for (int i = 2; i < argc; ++i) {
    if (LoadLibraryA(argv[i]) == nullptr) return 3;
  }
  const std::string name = argv[1];
  if (name == "-") return 0;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "-ready").c_str());
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, (name + "-stop").c_str());
  if (ready == nullptr || stop == nullptr) return 4;
  SetEvent(ready);
  // Never outlive a test that failed to stop it.
  WaitForSingleObject(stop, 120000);
  CloseHandle(ready);
  CloseHandle(stop);
  return 0;
}
