#include "shell/win32/mdi_main.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/registry.h"
#include "settings/settings_store.h"
#include "shell/frame_menus.h"
#include "shell/general/failure_handler.h"
#include "shell/res/resource.h"
#include "shell/shell_texts.h"
#include "shell/status_bar_layout.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/layout.h"
#include "shell/win32/modal_loop.h"
#include "shell/win32/toolbar_pictures.h"

namespace shellwin {

namespace {

constexpr const char* kClassName = "KestrelMDIMain";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kToolbarId = 1;
constexpr int kStatusBarId = 2;
constexpr int kImageSize = 16;
constexpr int kImageCount = 7;
constexpr COLORREF kMaskColour = RGB(0xC0, 0xC0, 0xC0);
constexpr int kSpacerWidth = 8;
// Room on either side of a status-bar panel's text.
constexpr int kPanelPaddingTwips = 90;

int MenuBase(Subs::FrameMenu menu) {
  switch (menu) {
    case Subs::FrameMenu::kFile:
      return MDIMain::kFileBase;
    case Subs::FrameMenu::kView:
      return MDIMain::kViewBase;
    case Subs::FrameMenu::kTools:
      return MDIMain::kToolsBase;
    case Subs::FrameMenu::kWindow:
      return MDIMain::kWindowBase;
    case Subs::FrameMenu::kHelp:
      return MDIMain::kHelpBase;
    case Subs::FrameMenu::kHelpWeb:
      return MDIMain::kHelpWebBase;
    case Subs::FrameMenu::kEdit:
      break;
  }
  return 0;
}

HMENU BuildPopup(const Subs::FrameMenuSpec& menuLayout, HMENU webSubmenu) {
  HMENU popup = CreatePopupMenu();
  const int base = MenuBase(menuLayout.menu);
  for (std::size_t i = 0; i < menuLayout.items.size(); ++i) {
    const Subs::MenuItemSpec& item = menuLayout.items[i];
    const int index = static_cast<int>(i);
    if (item.caption == nullptr) {
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
    if (menuLayout.menu == Subs::FrameMenu::kHelp && index == Subs::kHelpWebItem) {
      AppendMenuA(popup, MF_POPUP | state, reinterpret_cast<UINT_PTR>(webSubmenu),
                  Subs::WebSubmenuCaption().c_str());
      continue;
    }
    std::string caption = item.caption;
    if (item.shortcut != nullptr) {
      caption += std::string("\t") + item.shortcut;
    }
    AppendMenuA(popup, MF_STRING | state, MDIMain::MenuCommand(base, index), caption.c_str());
  }
  return popup;
}

// The width of `text` in the font the control draws with.
int TextWidth(HWND control, const std::string& text) {
  WindowDC dc(control);
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = SelectObject(dc.Get(), font != nullptr ? font : DialogFont());
  SIZE size{};
  GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc.Get(), previous);
  return size.cx;
}

void SaveBarSetting(const ShellContext& context, const char* valueName, bool show) {
  context.registry.SetKeyValue(platform::kHkeyLocalMachine, Subs::kSettingsKey, valueName,
                               show ? "1" : "0", platform::kRegSz);
}

}  // namespace

MDIMain::MDIMain(const ShellContext& context, FrameCommands commands)
    : context_(context), commands_(std::move(commands)) {}

// The frame's window goes first: its children may still use the image list.
MDIMain::~MDIMain() { Destroy(); }

void MDIMain::Load() {
  loading_ = true;
  Subs::WithFailureHandler(context_.Report(), "MDIMain", "FormLoad", [&] {
    CreateFrame();
    ShowToolbar(Subs::giToolbar == 1);
    ShowStatusBar(Subs::giStatusBar == 1);
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    DoEvents();
    // A close among the pending messages ends the load before the first
    // snapshot is taken.
    if (!closePending_) {
      About();
      OpenExplorer();
    }
  });
  loading_ = false;
  if (closePending_ && Handle() != nullptr) {
    RequestClose();
  }
}

void MDIMain::CreateFrame() {
  // The MDI client paints the workspace colour; the face shows behind the bars.
  RegisterClassOnce(context_.instance, kClassName, GetSysColorBrush(COLOR_BTNFACE),
                    LoadIconA(context_.instance, MAKEINTRESOURCEA(IDI_KESVIEW)));
  CreateMenus();
  const TwipsLayout layout;
  const SIZE size = layout.OuterSize(kStyle, 0, true, 9540, 6030);
  Create(context_.instance, kClassName, 0, Subs::kFrameCaption, kStyle, CW_USEDEFAULT,
         CW_USEDEFAULT, size.cx, size.cy, nullptr, menu_);
  if (Handle() == nullptr) {
    const DWORD code = GetLastError();
    DestroyMenu(menu_);
    menu_ = nullptr;
    throw kes::Failure(
        kes::kErrWindowNotCreated,
        "The frame window could not be created (system error " + std::to_string(code) + ")");
  }

  CLIENTCREATESTRUCT clientInfo{windowMenu_, static_cast<UINT>(kFirstChildId)};
  client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                            WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0,
                            0, 0, Handle(), nullptr, context_.instance, &clientInfo);

  imageList_.reset(
      ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, kImageCount, 0));
  OwnedBitmap strip(static_cast<HBITMAP>(
      LoadImageA(context_.instance, MAKEINTRESOURCEA(IDB_IMAGELIST), IMAGE_BITMAP, 0, 0, 0)));
  if (strip) {
    ImageList_AddMasked(imageList_.get(), strip.get(), kMaskColour);
  }

  CreateToolbar();
  CreateStatusBar();

  std::array<ACCEL, 2> keys{
      {{FVIRTKEY, VK_F1, static_cast<WORD>(MenuCommand(kHelpBase, Subs::kHelpContents))},
       {FVIRTKEY | FCONTROL, 'O',
        static_cast<WORD>(MenuCommand(kFileBase, Subs::kFileOpenReport))}}};
  accelerators_.reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
}

void MDIMain::CreateMenus() {
  menu_ = CreateMenu();
  HMENU web = BuildPopup(Subs::WebSubmenu(), nullptr);
  for (const Subs::FrameMenuSpec& menuLayout : Subs::FrameMenuBar()) {
    HMENU popup = BuildPopup(menuLayout, web);
    if (menuLayout.menu == Subs::FrameMenu::kWindow) {
      windowMenu_ = popup;
    }
    AppendMenuA(menu_, MF_POPUP | (menuLayout.enabled ? MF_ENABLED : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(popup), menuLayout.caption);
  }
}

void MDIMain::CreateToolbar() {
  toolbar_ = CreateWindowExA(
      0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_TOP, 0, 0, 0,
      0, Handle(), reinterpret_cast<HMENU>(kToolbarId), context_.instance, nullptr);
  SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  AddToolbarPictures(toolbar_, context_.instance, IDB_IMAGELIST, kImageCount, kImageSize);

  const auto buttonLayouts = Subs::ToolbarButtons();
  std::vector<TBBUTTON> buttons(buttonLayouts.size());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    TBBUTTON& button = buttons[i];
    button.idCommand = kToolbarBase + static_cast<int>(i) + 1;
    button.fsState = TBSTATE_ENABLED;
    if (buttonLayouts[i].caption == nullptr) {
      button.fsStyle = TBSTYLE_SEP;
      button.iBitmap = kSpacerWidth;
      continue;
    }
    // A caption list ends in two NULs; its index is what the button names.
    std::string caption = buttonLayouts[i].caption;
    caption.append(2, '\0');
    button.iString =
        SendMessageA(toolbar_, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    button.iBitmap = buttonLayouts[i].image - 1;
    button.fsStyle = TBSTYLE_BUTTON;
  }
  SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

void MDIMain::EnableAgainButton(bool enabled) const {
  SendMessageA(toolbar_, TB_ENABLEBUTTON, kToolbarBase + Subs::kButtonAgain,
               enabled ? TRUE : FALSE);
}

void MDIMain::CreateStatusBar() {
  statusBar_ =
      CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, Handle(),
                      reinterpret_cast<HMENU>(kStatusBarId), context_.instance, nullptr);
  // The panels first: a text for a panel the bar does not have yet is lost.
  SizeStatusPanels();
  const std::string web = Subs::StatusBarWebText();
  SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(web.c_str()));
  SendMessageA(statusBar_, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(Subs::VersionLine().c_str()));
}

void MDIMain::SizeStatusPanels() {
  // The first and third panels fit their texts in the bar's own font, which
  // grows with the display's resolution; the second takes the rest.
  RECT bar{};
  GetClientRect(statusBar_, &bar);
  const auto edges = Subs::StatusBarPanelEdges(
      bar.right, TextWidth(statusBar_, Subs::StatusBarWebText()),
      TextWidth(statusBar_, Subs::VersionLine()), TwipsLayout().X(kPanelPaddingTwips),
      GetSystemMetrics(SM_CXVSCROLL));
  SendMessageA(statusBar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

bool MDIMain::BarVisible(HWND bar) {
  return bar != nullptr && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0;
}

void MDIMain::Layout() {
  if (Handle() == nullptr) {
    return;
  }
  RECT area{};
  GetClientRect(Handle(), &area);
  int top = 0;
  int bottom = area.bottom;
  if (BarVisible(toolbar_)) {
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    RECT bar{};
    GetWindowRect(toolbar_, &bar);
    top = bar.bottom - bar.top;
  }
  if (BarVisible(statusBar_)) {
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(statusBar_, &bar);
    bottom -= bar.bottom - bar.top;
    SizeStatusPanels();
  }
  if (client_ != nullptr) {
    MoveWindow(client_, 0, top, area.right, std::max(0, bottom - top), TRUE);
  }
}

void MDIMain::ShowToolbar(bool show) {
  ShowWindow(toolbar_, show ? SW_SHOW : SW_HIDE);
  CheckMenuItem(menu_, MenuCommand(kViewBase, Subs::kViewToolbar),
                MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
  SaveBarSetting(context_, "Toolbar", show);
  Layout();
}

void MDIMain::ShowStatusBar(bool show) {
  ShowWindow(statusBar_, show ? SW_SHOW : SW_HIDE);
  CheckMenuItem(menu_, MenuCommand(kViewBase, Subs::kViewStatusBar),
                MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
  SaveBarSetting(context_, "StatusBar", show);
  Layout();
}

frmAbout& MDIMain::About() {
  if (!about_) {
    about_ = std::make_unique<frmAbout>(context_);
  }
  return *about_;
}

void MDIMain::OpenExplorer() {
  if (commands_.openExplorer) {
    commands_.openExplorer(*this);
  }
}

void MDIMain::OpenOptions() {
  Subs::WithFailureHandler(context_.Report(), "MDIMain", "mnutools", [&] {
    if (commands_.openOptions) {
      commands_.openOptions(*this);
    }
  });
}

void MDIMain::RequestClose() {
  // While a modal window is up over the frame (which it disables), or the
  // frame or an explorer window is loading, that code still runs beneath this
  // message and uses the windows a close would free. The close waits for it:
  // the modal windows are asked to close, and once the frame is enabled
  // again (WM_ENABLE) the close comes back through the message loop.
  if (loading_ || !IsWindowEnabled(Handle())) {
    closePending_ = true;
    CloseOwnedWindows(Handle());
    return;
  }
  Close();
}

void MDIMain::Close() {
  // Closing is never cancelled: the hidden about window goes, then the frame
  // with every child window in it.
  about_.reset();
  Destroy();
}

void MDIMain::mnuFile_Hook(std::int16_t index) {
  Subs::WithFailureHandler(context_.Report(), "MDIMain", "mnuFile", [&] {
    if (index == Subs::kFileExit) {
      SendMessageA(Handle(), WM_CLOSE, 0, 0);
    } else if (index == Subs::kFileOpenReport && commands_.openReport) {
      commands_.openReport(*this);
    }
  });
}

void MDIMain::mnuView_Hook(std::int16_t index) {
  switch (index) {
    case Subs::kViewExplorer:
      OpenExplorer();
      break;
    case Subs::kViewToolbar:
      ShowToolbar(!BarVisible(toolbar_));
      break;
    case Subs::kViewStatusBar:
      ShowStatusBar(!BarVisible(statusBar_));
      break;
    default:
      break;
  }
}

void MDIMain::mnuTools_Hook(std::int16_t index) {
  if (index == Subs::kToolsOptions) {
    OpenOptions();
  } else if (index == Subs::kToolsStartup && commands_.openStartup) {
    try {
      commands_.openStartup(*this);
    } catch (const std::exception& failure) {
      context_.Report().ShowFailure(failure, "MDIMain", "mnutools");
    }
  }
}

void MDIMain::mnuWindow_Hook(std::int16_t index) {
  switch (index) {
    case 0:
      SendMessageA(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
      break;
    case 1:
      SendMessageA(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
      break;
    case 2:
      SendMessageA(client_, WM_MDICASCADE, 0, 0);
      break;
    case 3:
      SendMessageA(client_, WM_MDIICONARRANGE, 0, 0);
      break;
    default:
      break;
  }
}

void MDIMain::mnuHelp_Hook(std::int16_t index) {
  // Help failures are skipped; LoadWebBrowser reports its own.
  try {
    if (index == Subs::kHelpContents) {
      context_.web.LoadHelpPage(AsOwner(Handle()), "index.htm");
    } else if (index == Subs::kHelpAbout) {
      About().ShowModal(Handle());
    }
  } catch (const std::exception&) {
  }
}

void MDIMain::mnuHelpWeb_Hook(std::int16_t index) {
  // Failures are skipped; LoadWebBrowser reports its own.
  try {
    OpenWebPage(context_, Handle(), Subs::WebAddressForIndex(index));
  } catch (const std::exception&) {
  }
}

bool MDIMain::OnCommand(int command) {
  struct Range {
    int base;
    void (MDIMain::*hook)(std::int16_t);
  };
  static constexpr std::array<Range, 6> kRanges{{
      {kFileBase, &MDIMain::mnuFile_Hook},
      {kViewBase, &MDIMain::mnuView_Hook},
      {kToolsBase, &MDIMain::mnuTools_Hook},
      {kWindowBase, &MDIMain::mnuWindow_Hook},
      {kHelpBase, &MDIMain::mnuHelp_Hook},
      {kHelpWebBase, &MDIMain::mnuHelpWeb_Hook},
  }};
  for (const Range& range : kRanges) {
    if (command >= range.base && command < range.base + 100) {
      (this->*range.hook)(static_cast<std::int16_t>(command - range.base));
      return true;
    }
  }
  switch (command - kToolbarBase) {
    case Subs::kButtonExplore:
      OpenExplorer();
      return true;
    case Subs::kButtonAgain:
      if (commands_.snapshotAgain) {
        commands_.snapshotAgain(*this);
      }
      return true;
    case Subs::kButtonOptions:
      OpenOptions();
      return true;
    case Subs::kButtonAbout:
      mnuHelp_Hook(Subs::kHelpAbout);
      return true;
    default:
      return false;
  }
}

bool MDIMain::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) {
    return false;
  }
  const int button = static_cast<int>(header.idFrom) - kToolbarBase;
  const auto buttonLayouts = Subs::ToolbarButtons();
  if (button < 1 || button > static_cast<int>(buttonLayouts.size())) {
    return false;
  }
  const char* tip = buttonLayouts[button - 1].toolTip;
  if (tip == nullptr) {
    return false;
  }
  // The text is copied into the notification's own buffer, which outlives it.
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = *reinterpret_cast<NMTTDISPINFOA*>(&header);
    lstrcpynA(info.szText, tip, sizeof info.szText);
    info.lpszText = info.szText;
  } else {
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(&header);
    // A tip too long for the buffer fails the call and may leave it unended.
    if (MultiByteToWideChar(CP_ACP, 0, tip, -1, info.szText, ARRAYSIZE(info.szText)) == 0) {
      info.szText[0] = L'\0';
    }
    info.lpszText = info.szText;
  }
  result = 0;
  return true;
}

bool MDIMain::PreTranslate(MSG& msg) {
  if (client_ != nullptr && TranslateMDISysAccel(client_, &msg)) {
    return true;
  }
  if (accelerators_ && TranslateAcceleratorA(Handle(), accelerators_.get(), &msg)) {
    return true;
  }
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || msg.hwnd == nullptr) {
    return false;
  }
  // The top-level window the key went to (GetAncestor is not on Windows 95).
  HWND top = msg.hwnd;
  while ((GetWindowLongA(top, GWL_STYLE) & WS_CHILD) != 0 && GetParent(top) != nullptr) {
    top = GetParent(top);
  }
  HWND target = nullptr;
  if (top == Handle() && client_ != nullptr) {
    target = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
  } else if (GetWindow(top, GW_OWNER) == Handle()) {
    target = top;
  }
  return target != nullptr &&
         SendMessageA(target, kPreviewKey, 0, reinterpret_cast<LPARAM>(&msg)) == TRUE;
}

LRESULT MDIMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // The frame places its client between the bars itself.
      Layout();
      return 0;
    case WM_COMMAND: {
      const int command = LOWORD(wParam);
      if (OnCommand(command)) {
        return 0;
      }
      // The active child's own menu items; the system's frame procedure
      // only handles the window list's.
      HWND active = client_ != nullptr
                        ? reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0))
                        : nullptr;
      if (active != nullptr && lParam == 0 && command < kFirstChildId) {
        SendMessageA(active, WM_COMMAND, wParam, lParam);
        return 0;
      }
      break;
    }
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
        return result;
      }
      break;
    }
    case WM_CLOSE:
      RequestClose();
      return 0;
    case WM_ENABLE:
      if (wParam != FALSE && closePending_ && !loading_) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
      }
      break;
    case WM_DESTROY:
      client_ = nullptr;
      toolbar_ = nullptr;
      statusBar_ = nullptr;
      menu_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

LRESULT MDIMain::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcA(Handle(), client_, message, wParam, lParam);
}

}  // namespace shellwin
