#include "shell/win32/frm_about.h"

#include "shell/app_strings.h"
#include "shell/res/resource.h"
#include "shell/shell_texts.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/layout.h"
#include "shell/win32/modal_loop.h"

namespace shellwin {

namespace {

constexpr const char* kClassName = "KestrelAbout";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

constexpr const char* kInfoText =
    "We would like to hear from you! Questions, ideas for the next version and reports of "
    "anything that did not work as you expected are all welcome.";
constexpr const char* kContactText =
    "Company:\tFernbrook Software\r\n"
    "E-mail:\tkestrel@fernbrook.example\r\n"
    "Support:\tsupport@fernbrook.example\r\n"
    "Phone:\t(555) 010-4477";
constexpr const char* kNoticeText =
    "Kestrel(tm) is a trademark of Fernbrook Software. Copyright (c) Fernbrook Software. All "
    "rights reserved.";

}  // namespace

frmAbout::frmAbout(const ShellContext& context) : context_(context) { Load(); }

// The window goes before the logo and the link font it shows.
frmAbout::~frmAbout() { Destroy(); }

void frmAbout::Load() {
  const TwipsLayout layout;
  // The caption is set later in the loading order.
  HWND self = CreateCentred(context_.instance, kClassName, kExStyle, "", kStyle, layout, 9060, 4440,
                            nullptr);
  if (self == nullptr) {
    return;
  }

  logo_.reset(static_cast<HBITMAP>(LoadImageA(context_.instance, MAKEINTRESOURCEA(IDB_LOGO),
                                              IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  HWND picLogo =
      layout.Control(self, "STATIC", nullptr, WS_VISIBLE | SS_BITMAP, 240, 240, 960, 960, -1);
  SendMessageA(picLogo, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo_.get()));

  layout.Control(self, "STATIC", "Kestrel(tm)", WS_VISIBLE, 1440, 240, 3000, 255, -1);
  HWND lblVersion =
      layout.Control(self, "STATIC", "", WS_VISIBLE, 1440, 525, 3000, 255, kVersionId);
  HWND txtInfo = layout.Control(self, "EDIT", "", WS_VISIBLE | ES_MULTILINE | ES_READONLY, 1440,
                                900, 3300, 1200, -1);
  layout.Control(self, "STATIC", nullptr, WS_VISIBLE | SS_ETCHEDHORZ, 240, 2280, 4500, 30, -1);
  layout.Control(self, "STATIC", "Visit Our Web Site:", WS_VISIBLE, 240, 2460, 4500, 255, -1);
  HWND link = layout.Control(self, "STATIC", Subs::kWebSite, WS_VISIBLE | SS_NOTIFY, 240, 2760,
                             4500, 255, kWebLinkId);
  layout.Control(self, "STATIC", "Contact Information:", WS_VISIBLE, 4980, 240, 3840, 255, -1);
  HWND txt = layout.Control(self, "EDIT", "", WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY,
                            4980, 540, 3840, 1560, kContactId, WS_EX_CLIENTEDGE);
  layout.Control(self, "STATIC", nullptr, WS_VISIBLE | SS_ETCHEDHORZ, 240, 3240, 8580, 30, -1);
  HWND notice = layout.Control(self, "STATIC", "", WS_VISIBLE, 240, 3420, 6300, 780, -1);
  layout.Control(self, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 7500, 3720, 1320,
                 420, IDOK);

  // Loading order: note, link cursor, caption, version, contacts, notice.
  SetWindowTextA(txtInfo, kInfoText);
  lblWebLink_ = WebLink(context_.instance, link);
  SetWindowTextA(self, kCaption);
  SetWindowTextA(lblVersion, Subs::VersionLine().c_str());
  // Tab stops line the values up after their labels.
  const INT tabStop = 40;
  SendMessageA(txt, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
  SetWindowTextA(txt, kContactText);
  SetWindowTextA(notice, kNoticeText);
}

void frmAbout::ShowModal(HWND owner) {
  if (Handle() == nullptr) {
    return;
  }
  // An owned window stays out of the task bar.
  SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  hidden_ = false;
  RunModal(Handle(), owner, hidden_, [this](const MSG& msg) { return PreviewKey(msg); });
}

bool frmAbout::PreviewKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1) {
    return false;
  }
  try {
    context_.web.LoadHelpPage(AsOwner(Handle()), "contact.htm");
  } catch (const std::exception&) {
  }
  return true;
}

void frmAbout::OpenWebLink(int item) {
  // Only link item 0 has an address.
  OpenWebPage(context_, Handle(), item == 0 ? Subs::kWebSite : "");
}

LRESULT frmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (lblWebLink_.Handle(message, wParam, lParam, result)) {
    return result;
  }
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        hidden_ = true;  // the modal loop hides the window
        return 0;
      }
      if (LOWORD(wParam) == kWebLinkId && HIWORD(wParam) == STN_CLICKED) {
        OpenWebLink(0);
        return 0;
      }
      break;
    case WM_CLOSE:
      hidden_ = true;
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace shellwin
