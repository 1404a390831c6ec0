#include "explorer/file_properties.h"

#include <array>
#include <utility>

#include "platform/file_attributes.h"
#include "snapshot/display_rules.h"

namespace Explorer {

namespace {

constexpr int kItemWidth = 1800;
constexpr int kValueWidth = 4200;

// The items the version strings show under, in the order of their names.
constexpr std::array<const char*, VersionStrings::kNames.size()> kStringItems{
    "Description:",        "Company:",       "Product Name:", "Product Version:", "Copyright:",
    "Original File Name:", "Internal Name:", "Comments:"};

std::string AttributesText(std::uint32_t attributes) {
  constexpr std::array<std::pair<std::uint32_t, const char*>, 4> kNames{{
      {platform::kAttributeReadOnly, "Read-only"},
      {platform::kAttributeHidden, "Hidden"},
      {platform::kAttributeSystem, "System"},
      {platform::kAttributeArchive, "Archive"},
  }};
  std::string text;
  for (const auto& [bit, name] : kNames) {
    if ((attributes & bit) != 0) {
      text += (text.empty() ? "" : ", ") + std::string(name);
    }
  }
  return text.empty() ? "Normal" : text;
}

// The file facts every process and module record holds.
template <class Record>
void FileItems(ListContents& sheet, const Record& record) {
  sheet.rows.push_back({"Path:", {record.msExePath}});
  sheet.rows.push_back({"Size:", {Display::Decimal(record.mlFileSize)}});
  sheet.rows.push_back({"Date:", {record.msFileDateTime}});
  sheet.rows.push_back({"Version:", {Display::VersionText(record.moVersionInfo)}});
}

}  // namespace

std::string PropertiesPath(const NodeRecord& record) {
  if (record.module != nullptr) {
    return record.module->msExePath;
  }
  return record.process != nullptr ? record.process->msExePath : "";
}

std::optional<FileProperties> PropertiesOf(const platform::FileNameRule& rule,
                                           const NodeRecord& record, const FileNow& file,
                                           bool hexIds) {
  if (record.process == nullptr && record.module == nullptr) {
    return std::nullopt;
  }
  const std::string path = PropertiesPath(record);
  FileProperties properties;
  properties.caption = rule.SplitFolderName(path).name + " Properties";
  ListContents& sheet = properties.sheet;
  sheet.columns = {{"Item", kItemWidth, Align::kLeft}, {"Value", kValueWidth, Align::kLeft}};
  if (record.module != nullptr) {
    FileItems(sheet, *record.module);
  } else {
    FileItems(sheet, *record.process);
  }
  if (file.attributes) {
    sheet.rows.push_back({"Attributes:", {AttributesText(*file.attributes)}});
  }
  if (record.module == nullptr) {
    const clsProcess& p = *record.process;
    const std::int16_t idView = hexIds ? 1 : 0;
    sheet.rows.push_back({"Process ID:", {Display::Identifier(p.mlth32ProcessID, idView)}});
    sheet.rows.push_back(
        {"Parent ProcessID:", {Display::Identifier(p.mlth32ParentProcessID, idView)}});
    sheet.rows.push_back({"Threads:", {Display::Decimal(p.mcntThreads)}});
    sheet.rows.push_back({"Priority:", {Display::PriorityName(p.mlPriority)}});
  }
  if (file.strings) {
    for (std::size_t i = 0; i < kStringItems.size(); ++i) {
      if (file.strings->values[i]) {
        sheet.rows.push_back({kStringItems[i], {*file.strings->values[i]}});
      }
    }
  }
  if (file.attributes && !file.strings) {
    sheet.rows.push_back({"Note:", {"No version information"}});
  }
  if (!file.attributes) {
    sheet.rows.push_back(
        {"Note:", {"The file could not be read; this is what the snapshot holds."}});
  }
  return properties;
}

}  // namespace Explorer
