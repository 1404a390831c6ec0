#include "shell/win32/frm_splash2.h"

#include "shell/app_strings.h"
#include "shell/shell_texts.h"
#include "shell/win32/frm_about.h"
#include "shell/win32/frm_message.h"
#include "shell/win32/layout.h"
#include "shell/win32/modal_loop.h"

namespace shellwin {

namespace {

constexpr const char* kClassName = "KestrelSplash";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

constexpr const char* kAdvertText =
    "Need more from Kestrel? Fernbrook Software also makes small, careful tools for looking "
    "after your PC. See them all on our web site.";
constexpr const char* kNoticeText = "Kestrel(tm) - Fernbrook Software";

}  // namespace

frmSplash2::frmSplash2(const ShellContext& context, const frmAbout& about, HWND owner)
    : context_(context) {
  Load(about, owner);
}

// The window goes before the logo copy and the link font it shows.
frmSplash2::~frmSplash2() { Destroy(); }

void frmSplash2::Load(const frmAbout& about, HWND owner) {
  const TwipsLayout layout;
  HWND self = CreateCentred(context_.instance, kClassName, kExStyle, kCaption, kStyle, layout, 9420,
                            5475, owner, true);
  if (self == nullptr) {
    return;
  }

  HWND pic =
      layout.Control(self, "STATIC", nullptr, WS_VISIBLE | SS_BITMAP, 240, 240, 960, 960, -1);
  layout.Control(self, "STATIC", "Kestrel(tm)", WS_VISIBLE, 1440, 300, 3000, 255, -1);
  layout.Control(self, "STATIC", "While Loading...", WS_VISIBLE, 240, 1440, 4300, 255, -1);
  HWND txtInfo = layout.Control(self, "EDIT", "", WS_VISIBLE | ES_MULTILINE | ES_READONLY, 240,
                                1740, 4300, 1800, kInfoId, WS_EX_CLIENTEDGE);
  layout.Control(self, "EDIT", kAdvertText, WS_VISIBLE | ES_MULTILINE | ES_READONLY, 4860, 1740,
                 4320, 1200, -1, WS_EX_CLIENTEDGE);
  HWND link =
      layout.Control(self, "STATIC", "", WS_VISIBLE | SS_NOTIFY, 4860, 3060, 4320, 255, kWebLinkId);
  layout.Control(self, "STATIC", nullptr, WS_VISIBLE | SS_ETCHEDHORZ, 240, 3780, 8940, 30, -1);
  layout.Control(self, "STATIC", "Taking Snapshot of Memory And Building View...", WS_VISIBLE, 240,
                 3960, 8940, 255, -1);
  lblStatus_ = layout.Control(self, "STATIC", "Loading Files...",
                              WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, 240, 4320, 8940,
                              255, kStatusId);
  layout.Control(self, "STATIC", kNoticeText, WS_VISIBLE, 240, 4860, 8940, 255, -1);

  // Loading order: logo, note, link, address.
  pic_.reset(static_cast<HBITMAP>(CopyImage(about.Logo(), IMAGE_BITMAP, 0, 0, 0)));
  SendMessageA(pic, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pic_.get()));
  SetWindowTextA(txtInfo, Subs::SplashNoteText().c_str());
  SetWindowTextA(link, "Click Here To Visit Our Web Site!");
  lblWebLink_ = WebLink(context_.instance, link);
  msURL = Subs::kWebSite;
}

void frmSplash2::Show() {
  if (Handle() == nullptr) {
    return;
  }
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
}

void frmSplash2::Report(const std::string& text) {
  SetWindowTextA(lblStatus_, text.c_str());
  UpdateWindow(lblStatus_);
  DoEvents();
}

LRESULT frmSplash2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (lblWebLink_.Handle(message, wParam, lParam, result)) {
    return result;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == kWebLinkId && HIWORD(wParam) == STN_CLICKED) {
    OpenWebPage(context_, Handle(), msURL);
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace shellwin
