#include "forms/AboutForm.h"

#include "forms/EditorPictures.h"
#include "uilogic/WebLinks.h"
#include "wingui/CommonControls.h"
#include "wingui/ModalForm.h"

namespace kv {

namespace {

const char* const kNote =
    "Keyvane is a freeware program. If you want to support \r\n"
    "this program, you can make a donation via PayPal.\r\n"
    "Thank you!\r\n"
    "\r\n"
    "\r\n"
    "Version History:\r\n"
    "v1.0.1 Beta (30.01.2010): initial version.";

const Command<AboutForm> kCommands[] = {
    {AboutForm::idOkButton, &AboutForm::OnOk},
    {IDOK, &AboutForm::OnOk},
    {AboutForm::idHomePageLink, &AboutForm::OnHomePage, STN_CLICKED},
    {AboutForm::idDonatePicture, &AboutForm::OnDonate, STN_CLICKED},
};

const UINT_PTR kLinkKeysSubclass = 1;

// The link and the picture are static controls: as tab stops they take
// Space and Enter as a click, and show a focus rectangle.
LRESULT CALLBACK LinkKeysProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (msg) {
        case WM_GETDLGCODE: {
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE)) {
                return DLGC_WANTMESSAGE;
            }
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, TRUE); break;
        case WM_PAINT:
            // An owner-drawn picture draws its own focus rectangle.
            if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_TYPEMASK) != SS_OWNERDRAW && GetFocus() == hwnd &&
                !KeyboardCueHidden(hwnd, UISF_HIDEFOCUS)) {
                const LRESULT result = comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
                HDC dc = GetDC(hwnd);
                RECT rc;
                GetClientRect(hwnd, &rc);
                DrawFocusRect(dc, &rc);
                ReleaseDC(hwnd, dc);
                return result;
            }
            break;
        case WM_NCDESTROY: comctl::RemoveWindowSubclass(hwnd, LinkKeysProc, kLinkKeysSubclass); break;
    }
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

void ActLikeLink(const LabelControl& label) {
    SetWindowLongPtrA(label.Handle(), GWL_STYLE, GetWindowLongPtrA(label.Handle(), GWL_STYLE) | WS_TABSTOP);
    comctl::SetWindowSubclass(label.Handle(), LinkKeysProc, kLinkKeysSubclass, 0);
}

}  // namespace

AboutForm::AboutForm(HWND owner, ShellApi& shell)
    : ModalForm(ModalFormArgs{"TfrmAbout", "About", 311, 300, owner}), shell_(shell) {
    const HFONT productFont = AddFont(FontArgs{"Tahoma", 14, true});
    const HFONT linkFont = AddFont(FontArgs{"Tahoma", 8, false, true});
    const ControlSite site = Site();
    productLabel.Create(Site(productFont), "Keyvane", 12, 14, 288, 26, SS_CENTER);
    versionLabel.Create(site, "v1.0.1 Beta", 200, 40, 98, 14, SS_RIGHT);
    topBevel.Create(site, "", 8, 8, 296, 49, SS_ETCHEDFRAME | WS_CLIPSIBLINGS);
    noteMemo.Create(site, 0, 12, 68, 289, 165, true, false);
    // Narrow margins, so that the note's lines fit the box as written.
    SendMessageA(noteMemo.Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    noteMemo.SetText(kNote);
    noteMemo.SetEnabled(false);
    noteBevel.Create(site, "", 8, 64, 297, 177, SS_ETCHEDFRAME | WS_CLIPSIBLINGS);
    homePageLink.Create(Site(linkFont), kHomePageAddress, 48, 248, 220, 14, SS_NOTIFY | SS_NOPREFIX, idHomePageLink);
    donatePicture.Create(site, "", 10, 270, 74, 21, SS_OWNERDRAW | SS_NOTIFY, idDonatePicture);
    okButton.Create(site, idOkButton, "OK", 229, 269, 75, 25, true);
    ActLikeLink(homePageLink);
    ActLikeLink(donatePicture);
    SetDefaultButton(idOkButton);
    SetFirstFocus(okButton.Handle());
}

void AboutForm::OnOk() { Close(); }

void AboutForm::OnHomePage() { OpenWebSite(shell_, reinterpret_cast<WindowHandle>(Handle())); }

void AboutForm::OnDonate() { OpenDonationPage(shell_, reinterpret_cast<WindowHandle>(Handle())); }

void AboutForm::OnCommand(int id, int code, HWND) { RunCommand(*this, kCommands, id, code); }

LRESULT AboutForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETCURSOR: {
            const HWND over = reinterpret_cast<HWND>(wParam);
            if (over == homePageLink.Handle() || over == donatePicture.Handle() || over == okButton.Handle()) {
                SetCursor(LoadCursor(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == homePageLink.Handle()) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(0, 0, 255));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->hwndItem == donatePicture.Handle()) {
                DrawDonatePicture(item->hDC, item->rcItem, Dpi());
                if ((item->itemState & ODS_FOCUS) || GetFocus() == item->hwndItem) {
                    if (!KeyboardCueHidden(Handle(), UISF_HIDEFOCUS)) {
                        RECT focus = item->rcItem;
                        InflateRect(&focus, -2, -2);
                        DrawFocusRect(item->hDC, &focus);
                    }
                }
                return TRUE;
            }
            break;
        }
    }
    return ModalForm::WndProc(msg, wParam, lParam);
}

}  // namespace kv
