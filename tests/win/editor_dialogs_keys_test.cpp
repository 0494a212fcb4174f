// The special-key picker, the About box and the input box used with the
// keyboard only: every button is a tab stop, Space and Enter press the
// focused one, Enter the default one elsewhere, Esc closes.
#include "editor_support.h"

#include "forms/AboutForm.h"
#include "forms/SpecialKeyForm.h"
#include "wingui/InputBox.h"

namespace kv {
namespace editor_test {
namespace {

class RecordingShell : public ShellApi {
public:
    void ShellOpen(WindowHandle, const std::string&, const std::string& file) override { opened.push_back(file); }
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    std::vector<std::string> opened;
};

class DialogKeysTest : public ::testing::Test {
protected:
    // Shows a form as its modal run does, without running it.
    void Shown(ModalForm& form, HWND first) {
        form_ = form.Handle();
        ShowWindow(form_, SW_SHOW);
        SetForegroundWindow(form_);
        SetFocus(first);
    }
    // The tab stops from the focused control round to it again.
    std::vector<HWND> TabCycle() {
        const HWND first = GetFocus();
        std::vector<HWND> seen;
        for (int i = 0; i < 80; ++i) {
            seen.push_back(GetFocus());
            keys_.Tab();
            if (GetFocus() == first) break;
        }
        return seen;
    }

    Win32MessageLoop loop_;
    HWND form_ = nullptr;
    Keyboard keys_{loop_, [this] { return form_; }};
    ScriptedPrompts prompts_;
};

TEST_F(DialogKeysTest, SpecialKeyPickerIsBuiltWithKeysOnly) {
    std::vector<std::string> added;
    Win32Prompts prompts;
    SpecialKeyForm picker(
        nullptr, [&](const std::string& entry) { added.push_back(entry); }, "", prompts);
    Shown(picker, picker.keysEdit.Handle());
    std::vector<HWND> expected = {picker.keysEdit.Handle()};
    for (const TFlatButton& button : picker.keyButtons) expected.push_back(button.Handle());
    expected.push_back(picker.addToListButton.Handle());
    EXPECT_EQ(TabCycle(), expected);

    keys_.Tab();  // F1
    keys_.Key(VK_SPACE);
    keys_.Tab(14);  // ENTER
    keys_.Key(VK_RETURN);
    EXPECT_EQ(picker.keysEdit.Text(), "{F1}{ENTER}");
    EXPECT_TRUE(added.empty());
    keys_.Alt('l');  // Add to &List
    EXPECT_EQ(added, std::vector<std::string>{"{F1}{ENTER}"});
    EXPECT_TRUE(picker.Closed());

    SpecialKeyForm second(
        nullptr, [&](const std::string& entry) { added.push_back(entry); }, "", prompts);
    Shown(second, second.keysEdit.Handle());
    keys_.Type("abc");
    keys_.Key(VK_ESCAPE);  // closes and adds nothing
    EXPECT_TRUE(second.Closed());
    EXPECT_EQ(added.size(), 1u);

    SpecialKeyForm third(
        nullptr, [&](const std::string& entry) { added.push_back(entry); }, "", prompts);
    Shown(third, third.keysEdit.Handle());
    keys_.Type("xyz");
    keys_.Key(VK_RETURN);  // the default button
    EXPECT_EQ(added.back(), "xyz");
}

TEST_F(DialogKeysTest, AboutBoxLinkPictureAndOk) {
    RecordingShell shell;
    AboutForm about(nullptr, shell);
    Shown(about, about.okButton.Handle());
    EXPECT_EQ(TabCycle(),
              (std::vector<HWND>{about.okButton.Handle(), about.homePageLink.Handle(), about.donatePicture.Handle()}));
    keys_.Tab();
    keys_.Key(VK_SPACE);  // the link
    keys_.Tab();
    keys_.Key(VK_RETURN);  // the donate picture
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], "http://www.keyvane.example/");
    EXPECT_NE(shell.opened[1].find("/cgi-bin/webscr"), std::string::npos);
    EXPECT_FALSE(about.Closed());
    keys_.Key(VK_ESCAPE);
    EXPECT_TRUE(about.Closed());

    AboutForm again(nullptr, shell);
    Shown(again, again.okButton.Handle());
    keys_.Key(VK_RETURN);
    EXPECT_TRUE(again.Closed());
}

TEST_F(DialogKeysTest, InputBoxEnterConfirmsAndEscCancels) {
    InputBoxWindow box(nullptr, "Add Delay", "Please enter millisecond", "7");
    Shown(box, box.valueEdit.Handle());
    EXPECT_EQ(TabCycle(),
              (std::vector<HWND>{box.valueEdit.Handle(), box.okButton.Handle(), box.cancelButton.Handle()}));
    SendMessageA(box.valueEdit.Handle(), EM_SETSEL, 0, -1);
    keys_.Type("250");
    keys_.Key(VK_RETURN);
    EXPECT_TRUE(box.Closed());

    InputBoxWindow cancelled(nullptr, "Add Delay", "Please enter millisecond", "7");
    Shown(cancelled, cancelled.valueEdit.Handle());
    keys_.Type("250");
    keys_.Key(VK_ESCAPE);
    EXPECT_TRUE(cancelled.Closed());
    // The results, through the box's own run.
    Win32Prompts prompts;
    DuringModal confirm([this] {
        keys_.Type("250");
        keys_.Key(VK_RETURN);
    });
    EXPECT_EQ(prompts.InputBox(nullptr, "Add Delay", "Please enter millisecond", ""), "250");
    DuringModal cancel([this] {
        keys_.Type("250");
        keys_.Key(VK_ESCAPE);
    });
    EXPECT_EQ(prompts.InputBox(nullptr, "Add Delay", "Please enter millisecond", "7"), "7");
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
