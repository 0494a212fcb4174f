// The editor and the small windows follow a change of display scaling
// (WM_DPICHANGED, as Windows sends it when a window moves to a monitor of
// another scale): client size, every control's place and size, fonts and
// pictures; and they come back exactly when the scale goes back.
#include "editor_support.h"

#include <functional>
#include <map>
#include <memory>

#include "forms/AboutForm.h"
#include "forms/SettingsForm.h"
#include "forms/SpecialKeyForm.h"
#include "wingui/CommonControls.h"
#include "wingui/InputBox.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace kv {
namespace editor_test {
namespace {

class NoShell : public ShellApi {
public:
    void ShellOpen(WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

struct Snapshot {
    SIZE client;
    SIZE outer;
    std::map<HWND, RECT> controls;  // in client coordinates
    std::map<HWND, int> fontHeights;
};

Snapshot Take(HWND form) {
    Snapshot s;
    RECT r;
    GetClientRect(form, &r);
    s.client = {r.right, r.bottom};
    GetWindowRect(form, &r);
    s.outer = {r.right - r.left, r.bottom - r.top};
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        s.controls[child] = ChildRect(child);
        LOGFONTA lf = {};
        const HFONT font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
        if (font && GetObjectA(font, sizeof(lf), &lf)) s.fontHeights[child] = lf.lfHeight;
    }
    return s;
}

void ChangeDpi(HWND form, int dpi) {
    RECT suggested;
    GetWindowRect(form, &suggested);
    OffsetRect(&suggested, 10, 10);
    SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

bool Near(int actual, int expected) { return actual >= expected - 1 && actual <= expected + 1; }

class DpiTest : public MainWindowFixture {};

TEST_F(DpiTest, EveryWindowFollowsAChangeOfScaleAndComesBack) {
    Start();
    NoShell shell;
    struct WindowCase {
        const char* name;
        std::function<std::unique_ptr<ModalForm>()> make;
        SIZE client96;   // at 96 dpi
        bool outerSize;  // the settings window is sized from the outside
    };
    const WindowCase cases[] = {
        {"editor",
         [&] {
             form_->CreateEditor(false);
             return std::unique_ptr<ModalForm>(form_->frmAdd.release());
         },
         {409, 459},
         false},
        {"special-key picker",
         [] {
             static Win32Prompts prompts;
             return std::unique_ptr<ModalForm>(new SpecialKeyForm(
                 nullptr, [](const std::string&) {}, "", prompts));
         },
         {270, 259},
         false},
        {"About box", [&] { return std::unique_ptr<ModalForm>(new AboutForm(nullptr, shell)); }, {311, 300}, false},
        {"input box",
         [] {
             return std::unique_ptr<ModalForm>(
                 new InputBoxWindow(nullptr, "Add Delay", "Please enter millisecond", ""));
         },
         {300, 96},
         false},
        {"settings window", [] { return std::unique_ptr<ModalForm>(new SettingsForm(nullptr)); }, {434, 320}, true},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ModalForm> form = c.make();
        const HWND hwnd = form->Handle();
        const Snapshot before = Take(hwnd);
        const SIZE measured = c.outerSize ? before.outer : before.client;
        ASSERT_EQ(measured.cx, c.client96.cx);
        ASSERT_EQ(measured.cy, c.client96.cy);

        ChangeDpi(hwnd, 144);
        EXPECT_EQ(form->Dpi(), 144);
        const Snapshot after = Take(hwnd);
        const SIZE scaled = c.outerSize ? after.outer : after.client;
        EXPECT_EQ(scaled.cx, Scale(c.client96.cx, 144));
        EXPECT_EQ(scaled.cy, Scale(c.client96.cy, 144));
        for (const auto& [control, r] : before.controls) {
            const RECT& now = after.controls.at(control);
            EXPECT_TRUE(Near(now.left, MulDiv(r.left, 144, 96)) && Near(now.top, MulDiv(r.top, 144, 96)) &&
                        Near(now.right - now.left, MulDiv(r.right - r.left, 144, 96)))
                << "control " << GetDlgCtrlID(control) << " at " << now.left << "," << now.top;
        }
        for (const auto& [control, height] : before.fontHeights) {
            // Made again from its point size: within a pixel of the old height scaled.
            EXPECT_TRUE(Near(after.fontHeights.at(control), MulDiv(height, 144, 96)))
                << "control " << GetDlgCtrlID(control) << ": " << after.fontHeights.at(control);
        }

        ChangeDpi(hwnd, 96);
        const Snapshot back = Take(hwnd);
        EXPECT_EQ(back.client.cx, before.client.cx);
        EXPECT_EQ(back.client.cy, before.client.cy);
        for (const auto& [control, r] : before.controls) {
            const RECT& now = back.controls.at(control);
            EXPECT_TRUE(EqualRect(&now, &r)) << "control " << GetDlgCtrlID(control);
        }
        EXPECT_EQ(back.fontHeights, before.fontHeights);
    }
}

TEST_F(DpiTest, EditorPicturesAreDrawnAgainAtTheNewSize) {
    Start();
    EditorForm& editor = form_->CreateEditor(false);
    auto pictureSize = [&] {
        int cx = 0, cy = 0;
        comctl::ImageList_GetIconSize(editor.checkAvailabilityButton.Images(), &cx, &cy);
        return cx;
    };
    EXPECT_EQ(pictureSize(), 16);
    ChangeDpi(editor.Handle(), 192);
    EXPECT_EQ(pictureSize(), 32);
    EXPECT_EQ(editor.addUrlButton.Images(), editor.checkAvailabilityButton.Images());
    ChangeDpi(editor.Handle(), 96);
    EXPECT_EQ(pictureSize(), 16);
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
