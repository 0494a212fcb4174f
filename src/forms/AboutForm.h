#pragma once
// The About box: the product name and version, a short note with the
// version history, the link to the home page and the donate picture.
#include <windows.h>

#include "platform/ShellApi.h"
#include "wingui/Controls.h"
#include "wingui/Win.h"
#include "wingui/Window.h"

namespace kv {

class TfrmAbout : public Window {
public:
    // Creates the box hidden, owned by owner; its commands go through shell.
    TfrmAbout(HWND owner, ShellApi& shell);

    // Shows it modally until OK or the close box.
    void ShowModal();
    bool Closed() const { return closed_; }

    enum Control : int { idLabel3 = 100, idImage1, idbtnClose };

    void btnCloseClick();
    void Label3Click();  // the home page
    void Image1Click();  // the donation page, without asking

    TLabel bvTop, bvMiddle;  // the framed band and area
    TLabel lbProduct, lbVersion;
    TMemo Memo1;
    TLabel Label3;
    TLabel Image1;
    TButton btnClose;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HWND owner_;
    ShellApi& shell_;
    int dpi_ = 96;
    OwnedFont font_;
    OwnedFont productFont_;
    OwnedFont linkFont_;
    bool closed_ = false;
};

}  // namespace kv
