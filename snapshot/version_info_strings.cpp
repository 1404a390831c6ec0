#include "snapshot/version_info_strings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <vector>

#include "snapshot/version_info.h"

namespace VersionStrings {

namespace {

// One block of the resource: length, value length, (in the 32-bit layout a
// type word,) the key, padding to 32 bits, the value, padding, children.
// Offsets count from the resource's start, to which the padding aligns.
struct Block {
  std::size_t end = 0;
  std::string key;
  std::size_t value = 0;
  std::size_t valueEnd = 0;
  std::size_t children = 0;
};

// The 32-bit layout's extra characters of the Western code page, 80 to 9F.
constexpr std::array<std::uint16_t, 32> kWestern80{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Western(std::uint16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
    return static_cast<char>(unit);
  }
  const auto* found = std::find(kWestern80.begin(), kWestern80.end(), unit);
  return unit != 0 && found != kWestern80.end()
             ? static_cast<char>(0x80 + (found - kWestern80.begin()))
             : '?';
}

std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

class Reader {
 public:
  Reader(std::span<const unsigned char> bytes, bool wide) : bytes_(bytes), wide_(wide) {}

  // The block at `at`, read within `limit`; none when its header does not fit.
  std::optional<Block> At(std::size_t at, std::size_t limit) const {
    const std::size_t header = wide_ ? 6 : 4;
    if (at + header > limit) {
      return std::nullopt;
    }
    const std::size_t length = Word(at);
    if (length < header) {
      return std::nullopt;
    }
    Block block;
    block.end = std::min(at + length, limit);
    std::size_t keyEnd = at + header;
    block.key = Text(keyEnd, block.end, keyEnd);
    block.value = std::min(Align4(keyEnd), block.end);
    // Texts of the 32-bit layout count their value in characters.
    const bool text = wide_ && Word(at + 4) == 1;
    block.valueEnd = std::min(block.value + std::size_t{Word(at + 2)} * (text ? 2 : 1), block.end);
    block.children = std::min(Align4(block.valueEnd), block.end);
    return block;
  }

  // The child of `parent` whose key is `key` (ignoring case), if any.
  std::optional<Block> Child(const Block& parent, const std::string& key) const {
    for (std::size_t at = parent.children; at < parent.end;) {
      auto child = At(at, parent.end);
      if (!child) {
        break;
      }
      if (SameKey(child->key, key)) {
        return child;
      }
      at = Align4(child->end);
    }
    return std::nullopt;
  }

  // The text from `at` up to its terminator or `limit`; `after` is set past
  // the terminator.
  std::string Text(std::size_t at, std::size_t limit, std::size_t& after) const {
    std::string text;
    const std::size_t unit = wide_ ? 2 : 1;
    while (at + unit <= limit) {
      const std::uint16_t c = wide_ ? Word(at) : bytes_[at];
      at += unit;
      if (c == 0) {
        break;
      }
      text += wide_ ? Western(c) : static_cast<char>(c);
    }
    after = at;
    return text;
  }

  std::uint16_t Word(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8));
  }

 private:
  static bool SameKey(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
    });
  }

  std::span<const unsigned char> bytes_;
  bool wide_;
};

// The language and code page the Translation value lists first.
std::optional<std::string> FirstTranslation(const Reader& reader, const Block& root) {
  const auto var = reader.Child(root, "VarFileInfo");
  const auto translation = var ? reader.Child(*var, "Translation") : std::nullopt;
  if (!translation || translation->value + 4 > translation->valueEnd) {
    return std::nullopt;
  }
  char table[9] = {};
  std::snprintf(table, sizeof table, "%04X%04X", reader.Word(translation->value),
                reader.Word(translation->value + 2));
  return std::string(table);
}

}  // namespace

std::optional<Strings> ReadStrings(std::span<const unsigned char> resource) {
  // The 16-bit layout has no type word: its key starts at once.
  const bool wide = !(resource.size() > 5 && resource[4] == 'V' && resource[5] == 'S');
  const Reader reader(resource, wide);
  const auto root = reader.At(0, resource.size());
  const auto files = root ? reader.Child(*root, "StringFileInfo") : std::nullopt;
  if (!files) {
    return std::nullopt;
  }
  Strings strings;
  std::optional<Block> table;
  const auto listed = FirstTranslation(reader, *root);
  if (listed) {
    table = reader.Child(*files, *listed);
    strings.table = *listed;
  }
  if (!table) {
    table = reader.Child(*files, kFallbackTable);
    strings.table = kFallbackTable;
  }
  if (!table) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (const auto entry = reader.Child(*table, kNames[i])) {
      std::size_t after = 0;
      strings.values[i] = reader.Text(entry->value, entry->end, after);
    }
  }
  return strings;
}

std::optional<Strings> FileStrings(const std::string& path, platform::FileFacts& facts) {
  try {
    std::uint32_t handle = 0;
    const std::uint32_t size =
        std::min(facts.VersionInfoSize(path, handle), clsVersionInfo::kMaxBuffer);
    std::vector<unsigned char> resource(size, 0);
    if (size == 0 || !facts.VersionInfo(path, handle, size, resource.data())) {
      return std::nullopt;
    }
    return ReadStrings(resource);
  } catch (const std::exception&) {
    // A file gone or locked since the snapshot has simply no strings.
    return std::nullopt;
  }
}

}  // namespace VersionStrings
