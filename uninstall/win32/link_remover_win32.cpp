#include "uninstall/win32/link_remover_win32.h"

#include <windows.h>

#include <utility>

#include "platform/failure.h"

namespace kesclean {

namespace {

constexpr std::int32_t kErrEntryPointNotFound = 453;

using RemoveShellLinkCall = LONG(WINAPI*)(LPCSTR folder, LPCSTR linkName);

// Lets the library go once.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(HMODULE module) : module_(module) {}
  ~LoadedLibrary() {
    if (module_ != nullptr) {
      FreeLibrary(module_);
    }
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};

}  // namespace

Win32LinkRemover::Win32LinkRemover(std::string library) : library_(std::move(library)) {}

void Win32LinkRemover::RemoveShellLink(const std::string& folder, const std::string& linkName) {
  const LoadedLibrary library(LoadLibraryA(library_.c_str()));
  if (library.Get() == nullptr) {
    throw kes::Failure(kes::kErrFileNotFound, "File not found: " + library_);
  }
  const auto call = reinterpret_cast<RemoveShellLinkCall>(
      reinterpret_cast<void (*)()>(GetProcAddress(library.Get(), "fRemoveShellLink")));
  if (call == nullptr) {
    throw kes::Failure(kErrEntryPointNotFound,
                       "Can't find DLL entry point fRemoveShellLink in " + library_);
  }
  call(folder.c_str(), linkName.c_str());
}

}  // namespace kesclean
