// Imports functions that a plain Windows 95 does not export, so the import
// check must name each of them: GetFileAttributesExA, IsDebuggerPresent and
// InterlockedCompareExchange came with Windows 98, __iob_func with the
// msvcrt.dll of Windows XP. Declared by hand: windows.h makes
// InterlockedCompareExchange an intrinsic that imports nothing.
extern "C" {
__declspec(dllimport) int __stdcall GetFileAttributesExA(const char* name, int level, void* data);
__declspec(dllimport) int __stdcall IsDebuggerPresent();
__declspec(dllimport) long __stdcall InterlockedCompareExchange(long volatile* target, long value,
                                                                long comparand);
__declspec(dllimport) void* __cdecl __iob_func();
}

int main() {
  char data[36] = {};
  static long volatile flag = 0;
  return GetFileAttributesExA("C:\\", 0, data) + IsDebuggerPresent() +
         static_cast<int>(InterlockedCompareExchange(&flag, 1, 0)) + (__iob_func() != nullptr);
}
