#include "settings/registry_api.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "platform/failure.h"
#include "platform/message_box.h"
#include "shell/general/failure_handler.h"
#include "shell/general/text_helpers.h"

using platform::RegistryKey;

namespace {

constexpr const char* kModule = "RegistryAPI";

// A key opened or created for one operation, closed when the operation ends.
class KeyHolder {
 public:
  explicit KeyHolder(platform::Registry& registry) : registry_(registry) {}
  KeyHolder(const KeyHolder&) = delete;
  KeyHolder& operator=(const KeyHolder&) = delete;
  ~KeyHolder() {
    if (key_ != 0) {
      registry_.CloseKey(key_);
    }
  }

  std::int32_t Open(RegistryKey root, const std::string& path) {
    return Keep(registry_.OpenKey(root, path, platform::kKeyAccess, key_));
  }
  std::int32_t Create(RegistryKey root, const std::string& path) {
    return Keep(registry_.CreateKey(root, path, platform::kKeyAccess, key_));
  }
  RegistryKey Get() const { return key_; }

 private:
  // A failed call hands out no key, whatever it left in the handle.
  std::int32_t Keep(std::int32_t code) {
    if (code != platform::kErrorSuccess) {
      key_ = 0;
    }
    return code;
  }

  platform::Registry& registry_;
  RegistryKey key_ = 0;
};

std::int32_t FromLittleEndian(const std::uint8_t (&bytes)[4]) {
  const std::uint32_t raw =
      bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(raw);
}

void StoreInto(const RegistryValue& value, std::int16_t& slot) { slot = value.ToInt16(); }
void StoreInto(const RegistryValue& value, std::string& slot) { slot = value.ToText(); }

}  // namespace

RegistryAPI::RegistryAPI(platform::Registry& registry, const Subs::ErrorReport& report)
    : registry_(registry), report_(report) {}

bool RegistryAPI::RegKeyExist(RegistryKey root, const std::string& keyPath) {
  return Subs::WithFailureHandler(report_, kModule, "RegKeyExist", false, [&] {
    KeyHolder key(registry_);
    return key.Open(root, keyPath) == platform::kErrorSuccess;
  });
}

bool RegistryAPI::CreateNewKey(RegistryKey root, const std::string& keyPath) {
  return Subs::WithFailureHandler(report_, kModule, "CreateNewKey", false, [&] {
    KeyHolder key(registry_);
    return key.Create(root, keyPath) == platform::kErrorSuccess;
  });
}

std::int32_t RegistryAPI::SetValueEx(RegistryKey key, const std::string& valueName,
                                     std::uint32_t valueType, const RegistryValue& value) {
  // A value that cannot be converted is written nowhere; it returns a failure
  // code so that SetKeyValue does not report it as written.
  return Subs::WithFailureHandler(
      report_, kModule, "SetValueEx", platform::kErrorInvalidData, [&]() -> std::int32_t {
        if (valueType == platform::kRegSz) {
          std::string text = value.ToText();
          text.push_back('\0');  // the terminating NUL is stored and counted
          if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
            throw kes::Failure(kes::kErrOverflow, "Overflow");
          }
          return registry_.SetValue(key, valueName, platform::kRegSz,
                                    reinterpret_cast<const std::uint8_t*>(text.data()),
                                    static_cast<std::uint32_t>(text.size()));
        }
        if (valueType == platform::kRegDword) {
          const auto number = static_cast<std::uint32_t>(value.ToInt32());
          const std::uint8_t bytes[4] = {
              static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
              static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
          return registry_.SetValue(key, valueName, platform::kRegDword, bytes, sizeof bytes);
        }
        return platform::kErrorSuccess;
      });
}

bool RegistryAPI::SetKeyValue(RegistryKey root, const std::string& keyPath,
                              const std::string& valueName, const RegistryValue& value,
                              std::uint32_t valueType) {
  return Subs::WithFailureHandler(report_, kModule, "SetKeyValue", false, [&] {
    KeyHolder key(registry_);
    if (key.Open(root, keyPath) != platform::kErrorSuccess) {
      return false;
    }
    return SetValueEx(key.Get(), valueName, valueType, value) == platform::kErrorSuccess;
  });
}

std::int32_t RegistryAPI::QueryValueEx(RegistryKey key, const std::string& valueName,
                                       RegistryValue& value) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (registry_.QueryValue(key, valueName, &type, nullptr, &size) != platform::kErrorSuccess) {
    return platform::kErrorAccessDenied;
  }
  // The data is read into a buffer of its own size, and only the bytes the
  // call reports as stored are used: a value edited in the meantime, or text
  // stored without a terminating NUL, can never be read past the buffer.
  if (type == platform::kRegSz) {
    std::string buffer(size, '\0');
    std::uint32_t stored = size;
    const std::int32_t code = registry_.QueryValue(
        key, valueName, &type, reinterpret_cast<std::uint8_t*>(buffer.data()), &stored);
    if (code == platform::kErrorSuccess) {
      buffer.resize(std::min<std::size_t>(stored, buffer.size()));
      value = RegistryValue(Subs::StripTrailingNulls(buffer));
    } else {
      value = RegistryValue();
    }
    return code;
  }
  if (type == platform::kRegDword) {
    // The buffer's own size goes in, not the stored size, which someone may
    // have made larger than four bytes.
    std::uint8_t bytes[4] = {};
    std::uint32_t stored = sizeof bytes;
    const std::int32_t code = registry_.QueryValue(key, valueName, &type, bytes, &stored);
    if (code == platform::kErrorSuccess) {
      value = RegistryValue(FromLittleEndian(bytes));
    }
    return code;
  }
  return -1;
}

bool RegistryAPI::QueryValue(RegistryKey root, const std::string& keyPath,
                             const std::string& valueName, RegistryValue& value) {
  return Find(root, keyPath, valueName, value) == Lookup::kFound;
}

RegistryAPI::Lookup RegistryAPI::Find(RegistryKey root, const std::string& keyPath,
                                      const std::string& valueName, RegistryValue& value) {
  return Subs::WithFailureHandler(report_, kModule, "Query Value", Lookup::kFailed, [&] {
    RegistryValue read;
    std::int32_t code = platform::kErrorAccessDenied;
    {
      KeyHolder key(registry_);
      if (key.Open(root, keyPath) == platform::kErrorSuccess) {
        code = QueryValueEx(key.Get(), valueName, read);
      }
    }
    if (code == platform::kErrorAccessDenied) {
      return Lookup::kMissing;
    }
    value = read;
    return Lookup::kFound;
  });
}

template <typename Slot>
bool RegistryAPI::GetSetInto(RegistryKey root, const std::string& keyPath,
                             const std::string& valueName, const RegistryValue& defaultValue,
                             Slot& slot) {
  return Subs::WithFailureHandler(report_, kModule, "GetSetRegValue", false, [&] {
    RegistryValue stored;
    switch (Find(root, keyPath, valueName, stored)) {
      case Lookup::kFound:
        StoreInto(stored, slot);
        return true;
      case Lookup::kFailed:
        // Reported already; a value that could not be read may still exist
        // and must not be overwritten with the default.
        return false;
      case Lookup::kMissing:
        break;
    }
    if (!SetKeyValue(root, keyPath, valueName, defaultValue, platform::kRegSz)) {
      report_.Boxes().Show(0, "Couldn't Set Key Value In Registry!", "Error",
                           platform::kMbOk | platform::kMbIconStop);
      return false;
    }
    StoreInto(defaultValue, slot);
    return true;
  });
}

bool RegistryAPI::GetSetRegValue(RegistryKey root, const std::string& keyPath,
                                 const std::string& valueName, const RegistryValue& defaultValue,
                                 std::int16_t& slot) {
  return GetSetInto(root, keyPath, valueName, defaultValue, slot);
}

bool RegistryAPI::GetSetRegValue(RegistryKey root, const std::string& keyPath,
                                 const std::string& valueName, const RegistryValue& defaultValue,
                                 std::string& slot) {
  return GetSetInto(root, keyPath, valueName, defaultValue, slot);
}

bool RegistryAPI::RegDeleteKeyEx(RegistryKey key, const std::string& keyPath) {
  return Subs::WithFailureHandler(report_, kModule, "RegDeleteKeyEx", false, [&] {
    return registry_.DeleteKey(key, keyPath) == platform::kErrorSuccess;
  });
}
