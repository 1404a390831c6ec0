#include "platform/win32/shell_links_win32.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/failure.h"

namespace platform {

namespace {

struct LibraryFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using LoadedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

using CreateFunction = LONG(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, LPCSTR);
using RemoveFunction = LONG(WINAPI*)(LPCSTR, LPCSTR);

// A library that is there but does not load is told apart from a missing
// one, with the system's number: Windows 95 refuses a DLL with a
// thread-local-storage directory with 1114, a damaged file gives 193, and a
// library whose own DLLs are missing 126.
kes::Failure LoadFailure(const std::string& library) {
  const DWORD error = GetLastError();
  if (GetFileAttributesA(library.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return kes::Failure(kes::kErrFileNotFound, "File not found: " + library);
  }
  std::string why = "error " + std::to_string(error);
  if (error == ERROR_DLL_INIT_FAILED) {
    why += ": its initialization failed";
  } else if (error == ERROR_BAD_EXE_FORMAT) {
    why += ": not a valid Windows library";
  }
  return kes::Failure(kes::kErrLoadingDll, "Error in loading DLL: " + library + " (" + why + ")");
}

LoadedLibrary Load(const std::string& library) {
  LoadedLibrary loaded(LoadLibraryA(library.c_str()));
  if (!loaded) {
    throw LoadFailure(library);
  }
  return loaded;
}

template <typename Function>
Function EntryPoint(const LoadedLibrary& loaded, const std::string& library, const char* name) {
  const FARPROC found = GetProcAddress(loaded.get(), name);
  if (found == nullptr) {
    throw kes::Failure(kes::kErrEntryPointNotFound,
                       std::string("Can't find DLL entry point ") + name + " in " + library);
  }
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

Win32ShellLinks::Win32ShellLinks(std::string library) : library_(std::move(library)) {}

std::int32_t Win32ShellLinks::CreateShellLink(const std::string& folder, const std::string& name,
                                              const std::string& path,
                                              const std::string& arguments) {
  const LoadedLibrary loaded = Load(library_);
  const auto create = EntryPoint<CreateFunction>(loaded, library_, "fCreateShellLink");
  return create(folder.c_str(), name.c_str(), path.c_str(), arguments.c_str());
}

std::int32_t Win32ShellLinks::RemoveShellLink(const std::string& folder, const std::string& name) {
  const LoadedLibrary loaded = Load(library_);
  const auto remove = EntryPoint<RemoveFunction>(loaded, library_, "fRemoveShellLink");
  return remove(folder.c_str(), name.c_str());
}

}  // namespace platform
