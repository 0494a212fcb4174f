#pragma once
// The About box: the product name and version, a short note with the
// version history, the link to the home page and the donate picture. The
// link and the picture are tab stops too: Space or Enter open them.
#include <windows.h>

#include "platform/ShellApi.h"
#include "wingui/Controls.h"
#include "wingui/ModalForm.h"

namespace kv {

class AboutForm : public ModalForm {
public:
    // Creates the box hidden, owned by owner; its commands go through shell.
    AboutForm(HWND owner, ShellApi& shell);

    enum Control : int { idHomePageLink = 100, idDonatePicture, idOkButton };

    void OnOk();
    void OnHomePage();  // the home page
    void OnDonate();    // the donation page, without asking

    LabelControl topBevel, noteBevel;  // the framed band and area
    LabelControl productLabel, versionLabel;
    MemoControl noteMemo;
    LabelControl homePageLink;
    LabelControl donatePicture;
    ButtonControl okButton;

protected:
    void OnCommand(int id, int code, HWND control) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    ShellApi& shell_;
};

}  // namespace kv
