#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/file_attributes.h"
#include "platform/file_finder.h"
#include "platform/file_name_rule.h"
#include "platform/shell_folders.h"
#include "platform/shell_links.h"
#include "platform/system_folders.h"
#include "settings/registry_api.h"

namespace Subs {

// The options dialog's controls as its routines see them: the shortcut check
// boxes chkshortcut(0..5) (value 0 or 1; index 4 is not used) and the ID
// display list cboHex.
class OptionsForm {
 public:
  virtual ~OptionsForm() = default;
  virtual std::int16_t ShortcutBox(int index) = 0;
  virtual void SetShortcutBox(int index, std::int16_t value) = 0;
  // Greys the box: its place does not exist on this system.
  virtual void GreyShortcutBox(int index) = 0;
  virtual int IdViewIndex() = 0;
  virtual void SelectIdView(int index) = 0;
};

// What the dialog's routines reach besides its controls.
struct OptionsServices {
  RegistryAPI& registry;
  platform::SystemFolders& folders;
  platform::FileFinder& files;
  platform::ShellFolders& shell;
  platform::FileAttributeReader& attributes;
  platform::ShellLinks& links;
  const platform::FileNameRule& rule;
  // The shortcuts' name (gsAppName).
  std::string linkName;
  // The running program's own file: the shortcuts' target.
  std::string programFile;
};

// cboHex's items: index 0 shows IDs as decimal numbers, index 1 as hexadecimal.
inline constexpr std::array<const char*, 2> kIdViewItems = {"Long Values", "Hex Values"};

// A shortcut check box of the first page, top to bottom.
struct ShortcutBoxText {
  int index;  // chkshortcut index
  const char* caption;
  const char* explanation;
};
extern const std::array<ShortcutBoxText, 5> kShortcutBoxes;

// The leading decimal number of the text (blanks, sign, digits, fraction,
// exponent), rounded half to even; 0 when the text starts with none. Throws
// kes::Failure (6) when it does not fit 32 bits.
std::int32_t LeadingNumber(const std::string& text);

// Sets the controls: each shortcut box from whether its shortcut exists, the
// ID display from the stored "IDView" (an index other than 0 or 1 leaves the
// list as it was). A step that faults is skipped.
void LoadOptions(OptionsForm& form, OptionsServices& services);

// Writes "IDView" from the list, reloads the settings and brings the five
// shortcuts into line with the boxes. True on success; a fault is reported
// (module "frmOptions", routine "SaveOptions") and gives false, leaving done
// what was done.
bool SaveOptions(OptionsForm& form, OptionsServices& services);

}  // namespace Subs
