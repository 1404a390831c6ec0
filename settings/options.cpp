#include "settings/options.h"

#include <exception>
#include <optional>

#include "platform/failure.h"
#include "platform/registry.h"
#include "settings/failure_handler.h"
#include "settings/registry_value.h"
#include "settings/settings_store.h"
#include "settings/shortcuts.h"

namespace Subs {

const std::array<ShortcutBoxText, 5> kShortcutBoxes = {{
    {0, "Run Kestrel At Start Up (Places Kestrel in Start Up Group)",
     "Checking this will place Kestrel in the Start Up Menu.   Each time you start Windows, "
     "Kestrel will automatically run."},
    {5, "Create Kestrel Icon In 'Quick Launch' Area",
     "Checking this will place a Kestrel icon in what's called the 'Quick Launch' area on your "
     "taskbar, which is available in Windows98 (and Windows 95 w/Active Desktop)."},
    {1, "Create Kestrel Desktop Shortcut",
     "Checking this will place a shortcut to Kestrel on your desktop for quick access."},
    {2, "Create Kestrel Icon In Start Menu",
     "Checking this will place a Kestrel icon in your Start Menu for quick access."},
    {3, "Create Kestrel Shortcut In Program Menu",
     "Checking this will place a Kestrel icon in your 'Programs' menu."},
}};

namespace {

constexpr const char* kIdView = "IDView";
// The list refuses an index it has no item for.
constexpr std::int32_t kErrInvalidPropertyValue = 380;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(const std::string& text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
  }
  return i;
}

// The place whose options check box is `box`.
const ShortcutPlaceInfo& PlaceOfBox(int box) {
  for (const ShortcutPlaceInfo& info : kShortcutPlaces) {
    if (info.optionsBox == box) {
      return info;
    }
  }
  throw kes::Failure(kErrInvalidPropertyValue, "Invalid property value");
}

bool IsFolder(OptionsServices& services, const std::string& path) {
  if (path.empty()) {
    return false;
  }
  const std::optional<std::uint32_t> attributes = services.attributes.Attributes(path);
  return attributes && (*attributes & platform::kAttributeDirectory) != 0;
}

}  // namespace

std::int32_t LeadingNumber(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) {
    return 0;
  }
  const std::size_t start = i;
  if (text[i] == '+' || text[i] == '-') {
    ++i;
  }
  const std::size_t digitsFrom = i;
  i = SkipDigits(text, i);
  std::size_t digits = i - digitsFrom;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionFrom = i + 1;
    i = SkipDigits(text, fractionFrom);
    digits += i - fractionFrom;
  }
  if (digits == 0) {
    return 0;
  }
  // An exponent counts only with digits after it: "1e" is the number 1.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      ++j;
    }
    const std::size_t exponentEnd = SkipDigits(text, j);
    if (exponentEnd > j) {
      i = exponentEnd;
    }
  }
  return RegistryValue(text.substr(start, i - start)).ToInt32();
}

void LoadOptions(OptionsForm& form, OptionsServices& services) {
  const ErrorReport& report = services.registry.Report();
  for (const ShortcutBoxText& box : kShortcutBoxes) {
    try {
      const ShortcutPlace place = PlaceOfBox(box.index).place;
      // A place that only some systems have is offered only where its
      // folder is there (Quick Launch: Internet Explorer 4's desktop).
      if (!platform::FolderOfPlace(place).madeWhenMissing &&
          !IsFolder(services,
                    PlaceFolder(services.folders, services.shell, services.rule, report, place))) {
        form.SetShortcutBox(box.index, 0);
        form.GreyShortcutBox(box.index);
        continue;
      }
      const bool exists = LinkExist(services.folders, services.shell, services.files, services.rule,
                                    report, LibraryFolder(place), services.linkName);
      form.SetShortcutBox(box.index, exists ? 1 : 0);
    } catch (const std::exception&) {
      // The box keeps its value.
    }
  }
  try {
    RegistryValue stored;
    services.registry.QueryValue(platform::kHkeyLocalMachine, kSettingsKey, kIdView, stored);
    const std::int32_t index = LeadingNumber(stored.ToText());
    if (index < 0 || index >= static_cast<std::int32_t>(kIdViewItems.size())) {
      throw kes::Failure(kErrInvalidPropertyValue, "Invalid property value");
    }
    form.SelectIdView(index);
  } catch (const std::exception&) {
    // The list keeps "Long Values".
  }
}

bool SaveOptions(OptionsForm& form, OptionsServices& services) {
  RegistryAPI& api = services.registry;
  return settings_detail::WithFailureHandler(api.Report(), "frmOptions", "SaveOptions", false, [&] {
    api.SetKeyValue(platform::kHkeyLocalMachine, kSettingsKey, kIdView,
                    std::to_string(form.IdViewIndex()), platform::kRegSz);
    LoadGlobalsFromRegistry(api, services.programFile);
    const std::string& target = services.programFile;
    return SetShortcuts(services.links, api.Report().Boxes(), services.linkName, target,
                        form.ShortcutBox(1), form.ShortcutBox(3), form.ShortcutBox(0),
                        form.ShortcutBox(2), form.ShortcutBox(5));
  });
}

}  // namespace Subs
