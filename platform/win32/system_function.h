#pragma once

#include <windows.h>

namespace platform {

// A function that newer systems export and Windows 95 may lack, looked up in a
// library the program has already loaded instead of imported, so that the
// program still loads where it is missing. Null when it is not there.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  const HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace platform
