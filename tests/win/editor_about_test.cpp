// The About box on the real platform: its window, its note, and the
// addresses its link and its donate picture hand to the shell.
#include "win_test_support.h"

#include <string>
#include <vector>

#include "forms/AboutForm.h"
#include "uilogic/WebLinks.h"
#include "wingui/Controls.h"

namespace kv {
namespace {

using win_test::ChildRect;

class RecordingShell : public ShellApi {
public:
    void ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file) override {
        opened.push_back({owner, verb, file});
    }
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override { boxes.push_back(text); }

    struct Opened {
        WindowHandle owner;
        std::string verb;
        std::string file;
    };
    std::vector<Opened> opened;
    std::vector<std::string> boxes;
};

void Clicked(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

TEST(AboutBox, WindowNoteAndPlaces) {
    RecordingShell shell;
    AboutForm about(nullptr, shell);
    EXPECT_EQ(WindowText(about.Handle()), "About");
    RECT client;
    GetClientRect(about.Handle(), &client);
    EXPECT_EQ(client.right, 311);
    EXPECT_EQ(client.bottom, 300);
    const LONG style = GetWindowLongA(about.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    EXPECT_EQ(about.productLabel.Text(), "Keyvane");
    EXPECT_EQ(about.versionLabel.Text(), "v1.0.1 Beta");
    EXPECT_EQ(about.noteMemo.Text(),
              "Keyvane is a freeware program. If you want to support \r\n"
              "this program, you can make a donation via PayPal.\r\n"
              "Thank you!\r\n\r\n\r\n"
              "Version History:\r\n"
              "v1.0.1 Beta (30.01.2010): initial version.");
    EXPECT_TRUE(about.noteMemo.ReadOnly());
    EXPECT_FALSE(about.noteMemo.Enabled());
    EXPECT_EQ(about.homePageLink.Text(), "http://www.keyvane.example/");
    EXPECT_EQ(about.okButton.Text(), "OK");

    const struct {
        HWND control;
        RECT bounds;
    } places[] = {
        {about.topBevel.Handle(), {8, 8, 304, 57}},      {about.noteBevel.Handle(), {8, 64, 305, 241}},
        {about.noteMemo.Handle(), {12, 68, 301, 233}},   {about.donatePicture.Handle(), {10, 270, 84, 291}},
        {about.okButton.Handle(), {229, 269, 304, 294}},
    };
    for (const auto& p : places) {
        const RECT rc = ChildRect(p.control);
        EXPECT_EQ(rc.left, p.bounds.left);
        EXPECT_EQ(rc.top, p.bounds.top);
        EXPECT_EQ(rc.right, p.bounds.right);
        EXPECT_EQ(rc.bottom, p.bounds.bottom);
    }
    EXPECT_EQ(ChildRect(about.homePageLink.Handle()).left, 48);
    EXPECT_EQ(ChildRect(about.homePageLink.Handle()).top, 248);
}

TEST(AboutBox, LinkAndDonatePictureOpenTheirAddressesAtOnce) {
    RecordingShell shell;
    AboutForm about(nullptr, shell);
    Clicked(about.homePageLink.Handle(), STN_CLICKED);
    Clicked(about.donatePicture.Handle(), STN_CLICKED);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0].file, "http://www.keyvane.example/");
    EXPECT_EQ(shell.opened[1].file, DonationAddress());
    for (const auto& o : shell.opened) {
        EXPECT_EQ(o.verb, "open");
        EXPECT_EQ(o.owner, reinterpret_cast<WindowHandle>(about.Handle()));
    }
    EXPECT_TRUE(shell.boxes.empty());  // no question, no thanks
    EXPECT_FALSE(about.Closed());
}

TEST(AboutBox, OkAndTheCloseBoxEndIt) {
    RecordingShell shell;
    {
        AboutForm about(nullptr, shell);
        SendMessageA(about.okButton.Handle(), BM_CLICK, 0, 0);
        EXPECT_TRUE(about.Closed());
    }
    AboutForm about(nullptr, shell);
    SendMessageA(about.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(about.Closed());
    EXPECT_TRUE(IsWindow(about.Handle()));  // hidden, then destroyed with the object
}

}  // namespace
}  // namespace kv
