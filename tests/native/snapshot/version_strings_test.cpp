#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "snapshot/version_info_strings.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Pad(Bytes& bytes) {
  while (bytes.size() % 4 != 0) {
    bytes.push_back(0);
  }
}

Bytes Utf16(const std::u16string& text) {
  Bytes bytes;
  for (const char16_t c : text + u'\0') {
    bytes.push_back(static_cast<unsigned char>(c & 0xFF));
    bytes.push_back(static_cast<unsigned char>(c >> 8));
  }
  return bytes;
}

// A block of the 32-bit layout as resource compilers write it.
Bytes Node(const std::u16string& key, const Bytes& value, std::uint16_t valueLength,
           std::uint16_t type, std::initializer_list<Bytes> children = {}) {
  Bytes bytes(6, 0);
  auto append = [&bytes](const Bytes& part) {
    bytes.insert(bytes.end(), part.begin(), part.end());
    Pad(bytes);
  };
  append(Utf16(key));
  append(value);
  for (const Bytes& child : children) {
    append(child);
  }
  const std::uint16_t words[] = {static_cast<std::uint16_t>(bytes.size()), valueLength, type};
  for (int i = 0; i < 3; ++i) {
    bytes[std::size_t{2} * i] = static_cast<unsigned char>(words[i] & 0xFF);
    bytes[std::size_t{2} * i + 1] = static_cast<unsigned char>(words[i] >> 8);
  }
  return bytes;
}

Bytes Text(const std::u16string& name, const std::u16string& value) {
  return Node(name, Utf16(value), static_cast<std::uint16_t>(value.size() + 1), 1);
}

Bytes Resource(std::initializer_list<Bytes> tables, std::optional<Bytes> translation) {
  Bytes files = Node(u"StringFileInfo", {}, 0, 1, tables);
  return Node(u"VS_VERSION_INFO", Bytes(52, 0), 52, 0,
              {files, translation ? Node(u"VarFileInfo", {}, 0, 1,
                                         {Node(u"Translation", *translation, 4, 0)})
                                  : Bytes{}});
}

const Bytes kGerman = Node(u"040704B0", {}, 0, 1,
                           {Text(u"FileDescription", u"Dateiverwaltung"),
                            Text(u"CompanyName", u"Caf\u00E9 \u20AC \u4E2D")});
const Bytes kEnglish =
    Node(u"040904E4", {}, 0, 1,
         {Text(u"FileDescription", u"File manager"), Text(u"CompanyName", u"Fernbrook Software")});
const Bytes kListsGerman{0x07, 0x04, 0xB0, 0x04};
const Bytes kListsJapanese{0x11, 0x04, 0xB0, 0x04};

// An English table whose comment runs past its block, cut after "Run".
Bytes CutShort() {
  Bytes comment = Text(u"Comments", u"Runs past its block");
  comment[0] = 24 + 6;  // header and key, then three characters
  return Node(u"040904E4", {}, 0, 1, {Text(u"FileDescription", u"Cut"), comment});
}

TEST(VersionStrings, TheFirstListedTableElseUsEnglishWesternWithTextsInTheirBlocks) {
  struct Case {
    const char* name;
    Bytes resource;
    const char* table;  // "" for no strings
    const char* description;
    std::optional<std::string> company;
    std::optional<std::string> comments;
  };
  const Bytes kWhole = Resource({kEnglish}, kListsGerman);
  const Case cases[] = {
      {"listed first", Resource({kEnglish, kGerman}, kListsGerman), "040704B0", "Dateiverwaltung",
       "Caf\xE9 \x80 ?", std::nullopt},
      {"no translation table", Resource({kGerman, kEnglish}, std::nullopt), "040904E4",
       "File manager", "Fernbrook Software", std::nullopt},
      {"listed table missing", Resource({kEnglish}, kListsJapanese), "040904E4", "File manager",
       "Fernbrook Software", std::nullopt},
      {"neither table", Resource({kGerman}, std::nullopt), "", "", std::nullopt, std::nullopt},
      {"text past its block", Resource({CutShort()}, std::nullopt), "040904E4", "Cut", std::nullopt,
       "Run"},
      {"cut inside the root", Bytes(kWhole.begin(), kWhole.begin() + 30), "", "", std::nullopt,
       std::nullopt},
  };
  for (const Case& c : cases) {
    const auto strings = VersionStrings::ReadStrings(c.resource);
    ASSERT_EQ(strings.has_value(), *c.table != '\0') << c.name;
    if (!strings) {
      continue;
    }
    EXPECT_EQ(strings->table, c.table) << c.name;
    EXPECT_EQ(strings->values[0], std::optional<std::string>(c.description)) << c.name;
    EXPECT_EQ(strings->values[1], c.company) << c.name;
    EXPECT_EQ(strings->values[7], c.comments) << c.name;
  }
}

}  // namespace
