#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "platform/file_facts.h"

namespace VersionStrings {

// The strings of a version resource that a file's properties show, in the
// order they show them.
inline constexpr std::array<const char*, 8> kNames{
    "FileDescription", "CompanyName",      "ProductName",  "ProductVersion",
    "LegalCopyright",  "OriginalFilename", "InternalName", "Comments"};

struct Strings {
  // The table read: language and code page as eight hexadecimal digits.
  std::string table;
  // By the position of the name in kNames; none where the table lacks it.
  std::array<std::optional<std::string>, kNames.size()> values;
};

// The table the platform falls back on: U.S. English, Western code page.
inline constexpr const char* kFallbackTable = "040904E4";

// The strings of a raw version resource as the version library hands it
// back: the 32-bit layout with UTF-16 texts (turned into the Western code
// page, '?' for what it lacks) or the 16-bit one with 8-bit texts. Read
// from the string table of the language and code page the resource's
// Translation value lists first, else from kFallbackTable; none when it has
// neither. Every block is read only within its parent, and a text only
// within its own block.
std::optional<Strings> ReadStrings(std::span<const unsigned char> resource);

// Reads the version resource of `path` through the version library, at most
// as many bytes as the snapshot's version reading, and its strings; none
// when the file has no resource or it cannot be read.
std::optional<Strings> FileStrings(const std::string& path, platform::FileFacts& facts);

}  // namespace VersionStrings
