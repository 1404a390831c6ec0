#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// A file's attributes, with the platform's own bits.
inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;

// Reads a file's attributes; it never changes them.
class FileAttributeReader {
 public:
  virtual ~FileAttributeReader() = default;
  // None when the file is not there or cannot be asked.
  virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
};

}  // namespace platform
