#pragma once

#include <windows.h>

#include <string>

namespace shellwin {

// The frame's common file dialog: holds what the Save As and Open dialogs
// are asked with and what the user chose.
class CommonDialog {
 public:
  std::string DialogTitle;
  // Pairs of description and pattern separated by '|', e.g.
  // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*".
  std::string Filter;
  std::string DefaultExt;  // without the full stop
  std::string FileName;    // the proposed name in, the chosen path out
  std::string InitDir;     // the folder it opens in; empty for the system's choice
  DWORD Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  // The filter pair shown first, counting from 1; after the dialog, the pair
  // the user last chose.
  DWORD FilterIndex = 1;

  // GetSaveFileNameA; false when the user cancelled. Throws kes::Failure,
  // numbered with the dialog's extended error, when the dialog fails.
  bool ShowSave(HWND owner);
  // GetOpenFileNameA, likewise.
  bool ShowOpen(HWND owner);

 private:
  bool Show(HWND owner, bool open);
};

}  // namespace shellwin
