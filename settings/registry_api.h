#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "settings/registry_value.h"
#include "shell/general/error_report.h"

// <windows.h> maps the name RegDeleteKeyEx onto a later system function
// (RegDeleteKeyExA). The operation below keeps its own name: a file that
// includes <windows.h> must include it before this header.
#ifdef RegDeleteKeyEx
#undef RegDeleteKeyEx
#endif

// The one module through which the programs touch the registry. Every
// operation opens its key, does one thing and closes the key again; no key
// handle outlives a call. Unexpected failures are shown with the error report
// (module "RegistryAPI") and the operation returns false (a non-zero code for
// SetValueEx).
class RegistryAPI {
 public:
  RegistryAPI(platform::Registry& registry, const Subs::ErrorReport& report);

  // True if the key can be opened.
  bool RegKeyExist(platform::RegistryKey root, const std::string& keyPath);
  // True if the key was created or already existed.
  bool CreateNewKey(platform::RegistryKey root, const std::string& keyPath);
  // Writes one value into an open key: platform::kRegSz writes the text with
  // its NUL counted, platform::kRegDword the 32-bit integer; any other type
  // writes nothing and returns 0. Returns the registry's code, 0 = success.
  std::int32_t SetValueEx(platform::RegistryKey key, const std::string& valueName,
                          std::uint32_t valueType, const RegistryValue& value);
  // Writes one value into an existing key; never creates the key.
  bool SetKeyValue(platform::RegistryKey root, const std::string& keyPath,
                   const std::string& valueName, const RegistryValue& value,
                   std::uint32_t valueType);
  // Reads one value of an open key: 0 = read; 5 = not readable (missing);
  // -1 = a type other than REG_SZ and REG_DWORD; any other code = the data
  // read failed. Reports nothing; leaves `value` alone unless it was read
  // (a failed REG_SZ data read makes it empty).
  std::int32_t QueryValueEx(platform::RegistryKey key, const std::string& valueName,
                            RegistryValue& value);
  // False if the key or the value is missing, leaving `value` unchanged.
  // Otherwise true with the value read; a value of another type, or one whose
  // data could not be read, counts as found and reads as empty.
  bool QueryValue(platform::RegistryKey root, const std::string& keyPath,
                  const std::string& valueName, RegistryValue& value);
  // Reads the value into the slot; a missing value is first written as REG_SZ
  // with the default, which the slot then takes. False (slot unchanged) when
  // the value cannot be written ("Couldn't Set Key Value In Registry!") or
  // does not convert into the slot (error report "GetSetRegValue").
  bool GetSetRegValue(platform::RegistryKey root, const std::string& keyPath,
                      const std::string& valueName, const RegistryValue& defaultValue,
                      std::int16_t& slot);
  bool GetSetRegValue(platform::RegistryKey root, const std::string& keyPath,
                      const std::string& valueName, const RegistryValue& defaultValue,
                      std::string& slot);
  // Deletes the key `keyPath` below `key`; true if it was deleted.
  bool RegDeleteKeyEx(platform::RegistryKey key, const std::string& keyPath);

  const Subs::ErrorReport& Report() const { return report_; }

 private:
  enum class Lookup { kFound, kMissing, kFailed };
  // QueryValue, telling a missing value apart from a failure it reported.
  Lookup Find(platform::RegistryKey root, const std::string& keyPath, const std::string& valueName,
              RegistryValue& value);
  template <typename Slot>
  bool GetSetInto(platform::RegistryKey root, const std::string& keyPath,
                  const std::string& valueName, const RegistryValue& defaultValue, Slot& slot);

  platform::Registry& registry_;
  const Subs::ErrorReport& report_;
};
