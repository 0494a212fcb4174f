#include "forms/AboutForm.h"

#include "forms/EditorPictures.h"
#include "uilogic/WebLinks.h"

namespace kv {

namespace {
const char* const kAboutClass = "TfrmAbout";
const int kClientWidth = 311;
const int kClientHeight = 300;
const char* const kNote =
    "Keyvane is a freeware program. If you want to support \r\n"
    "this program, you can make a donation via PayPal.\r\n"
    "Thank you!\r\n"
    "\r\n"
    "\r\n"
    "Version History:\r\n"
    "v1.0.1 Beta (30.01.2010): initial version.";
}  // namespace

TfrmAbout::TfrmAbout(HWND owner, ShellApi& shell) : owner_(owner), shell_(shell) {
    RegisterWindowClass(kAboutClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    dpi_ = ScreenDpi();
    font_ = MakeFont("Tahoma", 8, dpi_);
    productFont_ = MakeFont("Tahoma", 14, dpi_, true);
    {
        LOGFONTA lf = {};
        GetObjectA(font_.Get(), sizeof(lf), &lf);
        lf.lfUnderline = TRUE;
        linkFont_.Reset(CreateFontIndirectA(&lf));
    }
    CreateModalForm(kAboutClass, "About", kClientWidth, kClientHeight, dpi_, owner);

    const ControlSite site{Handle(), font_.Get(), dpi_};
    lbProduct.Create(ControlSite{Handle(), productFont_.Get(), dpi_}, "Keyvane", 12, 14, 288, 26, SS_CENTER);
    lbVersion.Create(site, "v1.0.1 Beta", 200, 40, 98, 14, SS_RIGHT);
    bvTop.Create(site, "", 8, 8, 296, 49, SS_ETCHEDFRAME | WS_CLIPSIBLINGS);
    Memo1.Create(site, 0, 12, 68, 289, 165, true, false);
    // Narrow margins, so that the note's lines fit the box as written.
    SendMessageA(Memo1.Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    Memo1.SetText(kNote);
    Memo1.SetEnabled(false);
    bvMiddle.Create(site, "", 8, 64, 297, 177, SS_ETCHEDFRAME | WS_CLIPSIBLINGS);
    Label3.Create(ControlSite{Handle(), linkFont_.Get(), dpi_}, kHomePageAddress, 48, 248, 220, 14, SS_NOTIFY,
                  idLabel3);
    Image1.Create(site, "", 10, 270, 74, 21, SS_OWNERDRAW | SS_NOTIFY, idImage1);
    btnClose.Create(site, idbtnClose, "OK", 229, 269, 75, 25, true);
}

void TfrmAbout::ShowModal() {
    closed_ = false;
    SetFocus(btnClose.Handle());
    RunModalInOwnLoop(Handle(), owner_, closed_);
}

void TfrmAbout::btnCloseClick() { closed_ = true; }

void TfrmAbout::Label3Click() { OpenWebSite(shell_, reinterpret_cast<WindowHandle>(Handle())); }

void TfrmAbout::Image1Click() { OpenDonationPage(shell_, reinterpret_cast<WindowHandle>(Handle())); }

LRESULT TfrmAbout::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case idbtnClose:
                case IDOK:
                case IDCANCEL:
                    if (HIWORD(wParam) == BN_CLICKED) btnCloseClick();
                    break;
                case idLabel3:
                    if (HIWORD(wParam) == STN_CLICKED) Label3Click();
                    break;
                case idImage1:
                    if (HIWORD(wParam) == STN_CLICKED) Image1Click();
                    break;
            }
            return 0;
        case WM_SETCURSOR: {
            const HWND over = reinterpret_cast<HWND>(wParam);
            if (over == Label3.Handle() || over == Image1.Handle() || over == btnClose.Handle()) {
                SetCursor(LoadCursor(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == Label3.Handle()) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(0, 0, 255));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->hwndItem == Image1.Handle()) {
                DrawDonatePicture(item->hDC, item->rcItem, dpi_);
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            btnCloseClick();
            return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
