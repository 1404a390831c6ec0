#include "settings/win32/frm_options.h"

#include <commctrl.h>

#include <exception>

#include "platform/failure.h"
#include "platform/win32/file_attributes_win32.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/shell_links_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "settings/shortcuts.h"
#include "shell/app_strings.h"
#include "shell/general/text_helpers.h"
#include "shell/win32/layout.h"
#include "shell/win32/modal_loop.h"

namespace settingswin {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// A page holds its controls; the dialog keys walk into it.
constexpr DWORD kPageStyle = WS_CLIPSIBLINGS;
constexpr DWORD kPageExStyle = WS_EX_CONTROLPARENT;

// The client area, the tab strip and the pages on it, in twips.
constexpr int kClientWidth = 7350;
constexpr int kClientHeight = 5265;
constexpr RECT kTabStrip{60, 45, 60 + 7200, 45 + 4635};
constexpr RECT kPage{150, 375, 150 + 6990, 375 + 4185};

// The shortcut page: one block for each box, its caption over its
// explanation, and the foot label below the last. Explanations take two
// lines, the long Quick Launch one (second) three.
constexpr int kBlockTop = 45;
constexpr int kBlockGap = 60;
constexpr int kBoxLeft = 120;
constexpr int kBoxWidth = 6750;
constexpr int kBoxHeight = 255;
constexpr int kExplanationIndent = 270;
constexpr int kLineHeight = 195;
constexpr int kExplanationLines[] = {2, 3, 2, 2, 2};
constexpr int kCaptionPoints = 8;
constexpr int kTwipsPerPoint = 20;

constexpr const char* kFootText =
    "('Install' an option by selecting it.  'Uninstall' an option by deselecting it.)";
constexpr const char* kTabs[] = {"System Options", "Display"};
constexpr const char* kGetCaptions[] = {"File Date/Time", "File Size", "File Version Information"};
constexpr const char* kGetNote =
    "Note:  The less items checked means the faster the 'snapshot' process.";

constexpr int kUnusedBox = 4;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

frmOptions::frmOptions(const shellwin::ShellContext& context, Subs::OptionsServices& services)
    : context_(context), services_(services) {}

// The window goes before the font its captions use.
frmOptions::~frmOptions() { Destroy(); }

void frmOptions::ShowModal(HWND owner) {
  Load(owner);
  if (Handle() == nullptr) {
    return;
  }
  shellwin::RunModal(Handle(), owner, closed_, [this](const MSG& msg) { return PreviewKey(msg); });
  Destroy();
}

void frmOptions::Load(HWND owner) {
  const shellwin::TwipsLayout layout;
  // The caption is the first step of loading, below.
  if (CreateCentred(context_.instance, kClassName, kExStyle, "", kStyle, layout, kClientWidth,
                    kClientHeight, owner) == nullptr) {
    return;
  }
  try {
    SetWindowTextA(Handle(), kCaption);
    CreateControls();
    for (const char* item : Subs::kIdViewItems) {
      SendMessageA(cboHex_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(cboHex_, CB_SETCURSEL, 0, 0);
    ShowSelectedPage();
    SetWindowPos(fra_[0], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Subs::LoadOptions(*this, services_);
  } catch (const std::exception& failure) {
    context_.Report().ShowFailure(failure, "frmOptions", "FormLoad");
  }
}

void frmOptions::CreateControls() {
  const shellwin::TwipsLayout layout;
  HWND self = Handle();
  tabStrip_ = layout.Control(self, WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                             kTabStrip.left, kTabStrip.top, Width(kTabStrip), Height(kTabStrip),
                             kTabStripId);
  for (int i = 0; i < static_cast<int>(std::size(kTabs)); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabs[i]);
    SendMessageA(tabStrip_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  for (int i = 0; i < kPages; ++i) {
    fra_[i] = layout.Control(self, "STATIC", "", kPageStyle, kPage.left, kPage.top, Width(kPage),
                             Height(kPage), kPageId + i, kPageExStyle);
  }
  CreateShortcutPage(fra_[0]);
  CreateDisplayPage(fra_[1]);

  // The buttons, left to right below the tab strip.
  const int top = kTabStrip.bottom + 135;
  layout.Control(self, "BUTTON", "&OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 3330, top, 1215,
                 375, kOkId);
  layout.Control(self, "BUTTON", "&Cancel", WS_VISIBLE | WS_TABSTOP, 4665, top, 1215, 375,
                 kCancelId);
  layout.Control(self, "BUTTON", "&Help", WS_VISIBLE | WS_TABSTOP, 6000, top, 1215, 375, kHelpId);
}

void frmOptions::CreateShortcutPage(HWND page) {
  const shellwin::TwipsLayout layout;
  boldFont_.reset(CreateFontA(-layout.Y(kCaptionPoints * kTwipsPerPoint), 0, 0, 0, FW_BOLD, FALSE,
                              FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
  static_assert(std::size(kExplanationLines) == std::size(Subs::kShortcutBoxes));
  int top = kBlockTop;
  for (std::size_t i = 0; i < Subs::kShortcutBoxes.size(); ++i) {
    const Subs::ShortcutBoxText& box = Subs::kShortcutBoxes[i];
    HWND check =
        layout.Control(page, "BUTTON", box.caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                       kBoxLeft, top, kBoxWidth, kBoxHeight, kShortcutBoxId + box.index);
    if (boldFont_) {
      SendMessageA(check, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
    }
    chkshortcut_[box.index] = check;
    const int explanationHeight = kExplanationLines[i] * kLineHeight;
    layout.Control(page, "STATIC", box.explanation, WS_VISIBLE | SS_LEFT,
                   kBoxLeft + kExplanationIndent, top + kBoxHeight, kBoxWidth - kExplanationIndent,
                   explanationHeight, -1);
    top += kBoxHeight + explanationHeight + kBlockGap;
  }
  layout.Control(page, "STATIC", kFootText, WS_VISIBLE | SS_LEFT, kBoxLeft, top, kBoxWidth,
                 kBoxHeight, -1);
}

void frmOptions::CreateDisplayPage(HWND page) {
  const shellwin::TwipsLayout layout;
  layout.Control(page, "STATIC", "Display ID's As", WS_VISIBLE | SS_LEFT, 120, 225, 1500, 255, -1);
  cboHex_ =
      layout.Control(page, "COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                     1680, 180, 2400, 1200, kIdViewId);
  layout.Control(page, "BUTTON", "When Taking Snapshots, Get The Following...",
                 WS_VISIBLE | BS_GROUPBOX, 120, 840, 6750, 2100, -1);
  // The snapshot takes every fact whatever these say, so they are offered
  // greyed.
  for (int i = 0; i < static_cast<int>(std::size(kGetCaptions)); ++i) {
    layout.Control(page, "BUTTON", kGetCaptions[i], WS_VISIBLE | WS_DISABLED | BS_AUTOCHECKBOX, 360,
                   1170 + i * 360, 4000, 255, kGetBoxId + i);
  }
  layout.Control(page, "STATIC", kGetNote, WS_VISIBLE | SS_LEFT, 360, 2340, 6300, 435, -1);
}

void frmOptions::ShowSelectedPage() {
  // Pages 0 to 3 take turns; page 4 is never shown.
  for (int i = 0; i < kPages - 1; ++i) {
    ShowWindow(fra_[i], SW_HIDE);
  }
  const LRESULT selected = SendMessageA(tabStrip_, TCM_GETCURSEL, 0, 0);
  if (selected < 0 || selected >= kPages) {
    return;
  }
  HWND page = fra_[selected];
  ShowWindow(page, SW_SHOW);
  SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool frmOptions::PreviewKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) {
    return false;
  }
  if (msg.wParam == VK_F1) {
    Help();
    return true;
  }
  if (msg.wParam == VK_ESCAPE) {
    closed_ = true;
    return true;
  }
  return false;
}

void frmOptions::Ok() {
  if (Subs::SaveOptions(*this, services_)) {
    closed_ = true;
  }
}

void frmOptions::Help() {
  try {
    context_.web.LoadHelpPage(shellwin::AsOwner(Handle()), "options.htm");
  } catch (const std::exception&) {
    // Help failing leaves the dialog as it was.
  }
}

std::int16_t frmOptions::ShortcutBox(int index) {
  if (index < 0 || index >= kShortcutBoxes || index == kUnusedBox) {
    throw kes::Failure(340, "Control array element does not exist");
  }
  return SendMessageA(chkshortcut_[index], BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void frmOptions::SetShortcutBox(int index, std::int16_t value) {
  if (index < 0 || index >= kShortcutBoxes || index == kUnusedBox) {
    throw kes::Failure(340, "Control array element does not exist");
  }
  SendMessageA(chkshortcut_[index], BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void frmOptions::GreyShortcutBox(int index) {
  if (index < 0 || index >= kShortcutBoxes || index == kUnusedBox) {
    throw kes::Failure(340, "Control array element does not exist");
  }
  EnableWindow(chkshortcut_[index], FALSE);
}

int frmOptions::IdViewIndex() {
  return static_cast<int>(SendMessageA(cboHex_, CB_GETCURSEL, 0, 0));
}

void frmOptions::SelectIdView(int index) {
  if (SendMessageA(cboHex_, CB_SETCURSEL, index, 0) == CB_ERR) {
    throw kes::Failure(380, "Invalid property value");
  }
}

LRESULT frmOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kOkId:
          Ok();
          return 0;
        case kCancelId:
          closed_ = true;
          return 0;
        case kHelpId:
          Help();
          return 0;
        default:
          break;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == tabStrip_ && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        ShowSelectedPage();
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      closed_ = true;
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void ShowOptions(const shellwin::ShellContext& context, HWND owner) {
  platform::Win32SystemFolders folders;
  platform::Win32FileFacts files;
  platform::Win32ShellFolders shell;
  platform::Win32FileAttributes attributes;
  const std::string programFolder = Subs::AddBackslash(context.rule, folders.ProgramFolder());
  platform::Win32ShellLinks links(Subs::ShellLinkLibraryPath(folders, context.rule));
  Subs::OptionsServices services{context.registry,
                                 folders,
                                 files,
                                 shell,
                                 attributes,
                                 links,
                                 context.rule,
                                 Subs::gsAppName,
                                 programFolder + platform::RunningProgramStem() + ".exe"};
  frmOptions options(context, services);
  options.ShowModal(owner);
}

}  // namespace settingswin
