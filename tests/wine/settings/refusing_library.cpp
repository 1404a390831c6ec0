#include <windows.h>

// A library whose initialization fails, as Windows 95 fails any library that
// carries a thread-local-storage directory: loading it gives error 1114.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) { return reason != DLL_PROCESS_ATTACH; }
