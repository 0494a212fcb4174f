// The editor's lists and their buttons on the real platform: the key page's
// choices, counts and list buttons, the special-key picker, the program and
// URL lists, the capture folder and the input box of Add Delay.
#include "editor_support.h"

#include "forms/SpecialKeyForm.h"
#include "wingui/InputBox.h"

namespace kv {
namespace editor_test {
namespace {

TEST_F(EditorTest, KeyPageChoicesCountsAndLists) {
    Start();
    EditorForm& editor = NewEditor();
    Pick(editor.categoryCombo.Handle(), pgKeyEvents);

    Pick(editor.windowTypeCombo.Handle(), 1);
    EXPECT_TRUE(editor.windowNameEdit.Enabled());
    EXPECT_EQ(editor.windowNameEdit.Text(), "Active Window");
    editor.windowNameEdit.SetText("Notepad");
    Pick(editor.windowTypeCombo.Handle(), 0);
    EXPECT_EQ(editor.windowNameEdit.Text(), "Active Window");
    EXPECT_FALSE(editor.windowNameEdit.Enabled());

    Pick(editor.keyRepeatCombo.Handle(), 1);
    EXPECT_TRUE(editor.keyTimesEdit.Enabled());
    editor.keyTimesEdit.SetText("");
    Type(editor.keyTimesEdit.Handle(), "1a2-");
    EXPECT_EQ(editor.keyTimesEdit.Text(), "12");
    Type(editor.keyTimesEdit.Handle(), "\b");
    EXPECT_EQ(editor.keyTimesEdit.Text(), "1");
    Pick(editor.keyRepeatCombo.Handle(), 0);
    EXPECT_EQ(editor.keyTimesEdit.Text(), "0");
    EXPECT_FALSE(editor.keyTimesEdit.Enabled());

    // Load a key list with every kind of line end, change it, save it.
    const std::string in = TempFile("in.lst");
    const std::string out = TempFile("out.lst");
    WriteBytes(in, std::string("{F1}\r\n\r\nabc\rx\ny", 15) + std::string("\0ignored", 8));
    prompts_.fileAnswers.push_back(in);
    Click(editor.keyPanel.loadListButton.Handle());
    EXPECT_EQ(prompts_.Last().file.filter, "Key List (*.lst)|*.lst|All Files (*.*)|*.*");
    EXPECT_EQ(prompts_.Last().file.defaultExtension, "lst");
    EXPECT_FALSE(prompts_.Last().file.save);
    EXPECT_EQ(editor.keyPanel.list.Items(), (std::vector<std::string>{"{F1}", "", "abc", "x", "y"}));
    editor.keyPanel.list.SetItemIndex(4);
    Click(editor.keyPanel.removeButton.Handle());  // Remove
    editor.keyPanel.list.SetItemIndex(3);
    Click(editor.keyPanel.removeButton.Handle());
    editor.keyPanel.list.SetItemIndex(0);
    Click(editor.keyPanel.downButton.Handle());  // Down
    EXPECT_EQ(editor.keyPanel.list.ItemIndex(), 1);
    Click(editor.keyPanel.upButton.Handle());  // Up
    EXPECT_EQ(editor.keyPanel.list.ItemIndex(), 0);
    Click(editor.keyPanel.upButton.Handle());  // Up on the first: nothing
    prompts_.fileAnswers.push_back(out);
    Click(editor.keyPanel.saveListButton.Handle());
    EXPECT_EQ(prompts_.Last().file.fileName, "Keylist.lst");
    EXPECT_TRUE(prompts_.Last().file.save);
    EXPECT_EQ(ReadBytes(out), "{F1}\r\n\r\nabc\r\n");

    // The empty entry would be lost: the commit refuses it.
    Click(editor.commitButton.Handle());
    EXPECT_NE(prompts_.Last().text.find("empty entry"), std::string::npos);

    // Load List offers the file chosen last; a cancelled dialog changes nothing.
    Click(editor.keyPanel.loadListButton.Handle());
    EXPECT_EQ(prompts_.Last().file.fileName, in);
    EXPECT_EQ(editor.keyPanel.list.Count(), 3);

    // A file that cannot be opened.
    const std::string missing = dir_ + "\\missing.lst";
    prompts_.fileAnswers.push_back(missing);
    Click(editor.keyPanel.loadListButton.Handle());
    EXPECT_EQ(prompts_.Last().text.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << prompts_.Last().text;
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Error);
    EXPECT_EQ(editor.keyPanel.list.Count(), 3);

    // Add Delay: an empty answer adds nothing.
    prompts_.inputAnswers.push_back("");
    Click(editor.keyPanel.addDelayButton.Handle());
    EXPECT_EQ(prompts_.Last().caption, "Add Delay");
    EXPECT_EQ(prompts_.Last().text, "Please enter millisecond");
    EXPECT_EQ(editor.keyPanel.list.Count(), 3);

    Click(editor.keyPanel.clearListButton.Handle());  // Clear List
    EXPECT_EQ(editor.keyPanel.list.Count(), 0);
}

TEST_F(EditorTest, SpecialKeyPickerBuildsOneEntry) {
    Start();
    EditorForm& editor = NewEditor();
    {
        SpecialKeyForm picker(
            editor.Handle(), [&editor](const std::string& entry) { editor.AddKeyEntry(entry); }, "", prompts_);
        EXPECT_EQ(WindowText(picker.Handle()), "Add Key");
        RECT client;
        GetClientRect(picker.Handle(), &client);
        EXPECT_EQ(client.right, 270);
        EXPECT_EQ(client.bottom, 259);
        for (int i = 0; i < kPickerKeyCount; ++i) {
            EXPECT_EQ(picker.keyButtons[i].Caption(), kPickerKeys[i].caption);
        }
        Click(picker.addToListButton.Handle());  // empty: nothing, the picker stays open
        EXPECT_FALSE(picker.Closed());
        Click(picker.keyButtons[17].Handle());  // INSERT
        Click(picker.keyButtons[24].Handle());  // SLOCK
        Click(picker.keyButtons[25].Handle());  // CAPSL.
        EXPECT_EQ(picker.keysEdit.Text(), "{INS}{SCROLLLOCK}{CAPSLOCK}");
        Type(picker.keysEdit.Handle(), "|");
        Click(picker.addToListButton.Handle());
        EXPECT_NE(prompts_.Last().text.find("\"|\""), std::string::npos);
        EXPECT_FALSE(picker.Closed());
        picker.keysEdit.SetText("{F1}abc{ENTER}");
        Click(picker.addToListButton.Handle());
        EXPECT_TRUE(picker.Closed());
    }
    EXPECT_EQ(editor.keyPanel.list.Items(), std::vector<std::string>{"{F1}abc{ENTER}"});

    // Closing a fresh picker adds nothing.
    DuringModal drive([] { PostMessageA(FindWindowA("TfrmAddKey", "Add Key"), WM_CLOSE, 0, 0); });
    Click(editor.addKeyButton.Handle());
    EXPECT_EQ(editor.keyPanel.list.Count(), 1);
}

TEST_F(EditorTest, ProgramAndUrlListsAddDeleteAndCaptureFolder) {
    Start();
    EditorForm& editor = NewEditor();
    prompts_.fileAnswers.push_back("");  // cancelled
    Click(editor.browseProgramButton.Handle());
    EXPECT_EQ(prompts_.Last().file.filter, "Exe Files(*.exe)|*.exe|Batch Files(*.bat)|*.bat|All Files(*.*)|*.*");
    EXPECT_EQ(editor.programPathEdit.Text(), "");
    Click(editor.addProgramButton.Handle());  // empty: nothing, silently
    EXPECT_EQ(editor.programList.Count(), 0);

    for (const char* path : {"C:\\a.exe", "C:\\A.exe", "C:\\a.exe"}) {
        editor.programPathEdit.SetText(path);
        Click(editor.addProgramButton.Handle());
    }
    EXPECT_EQ(editor.programList.Items(), (std::vector<std::string>{"C:\\a.exe", "C:\\A.exe"}));
    EXPECT_EQ(prompts_.Last().text, "The program C:\\a.exe is already exists in list");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::None);
    EXPECT_EQ(editor.programPathEdit.Text(), "C:\\a.exe");

    editor.OnDeleteProgram();  // nothing selected
    EXPECT_EQ(editor.programList.Count(), 2);
    editor.programList.SetItemIndex(0);
    editor.OnDeleteProgram();
    EXPECT_EQ(editor.programList.Items(), std::vector<std::string>{"C:\\A.exe"});

    prompts_.directoryAnswers.push_back("D:\\Shots");
    Click(editor.chooseFolderButton.Handle());
    EXPECT_EQ(prompts_.Last().text, "Select Directory");
    EXPECT_EQ(prompts_.Last().caption, "C:");
    EXPECT_EQ(editor.captureFolderEdit.Text(), "D:\\Shots");
    Click(editor.chooseFolderButton.Handle());  // cancelled
    EXPECT_EQ(editor.captureFolderEdit.Text(), "D:\\Shots");
}

TEST_F(EditorTest, DonateAsksAndAnswerNoOpensNothing) {
    Start();
    prompts_.confirmAnswers.push_back(false);
    form_->OnDonate();
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_EQ(prompts_.Last().kind, "confirm");
    EXPECT_EQ(prompts_.Last().text, "Do you want to donate this program?");
    EXPECT_EQ(prompts_.Last().caption, "Confirm");
}

TEST(InputBox, GivesTheTypedTextOrTheDefaultWhenCancelled) {
    Win32Prompts prompts;
    std::string prompt;
    DuringModal typeAndConfirm([&prompt] {
        auto* box = dynamic_cast<InputBoxWindow*>(Window::FromHandle(FindWindowA("TInputBox", "Add Delay")));
        if (!box) return;
        prompt = box->promptLabel.Text();
        box->valueEdit.SetText("250");
        Click(box->okButton.Handle());
    });
    EXPECT_EQ(prompts.InputBox(nullptr, "Add Delay", "Please enter millisecond", ""), "250");
    EXPECT_EQ(prompt, "Please enter millisecond");

    DuringModal typeAndCancel([] {
        auto* box = dynamic_cast<InputBoxWindow*>(Window::FromHandle(FindWindowA("TInputBox", "Add Delay")));
        if (!box) return;
        EXPECT_EQ(box->valueEdit.Text(), "7");
        box->valueEdit.SetText("250");
        Click(box->cancelButton.Handle());
    });
    EXPECT_EQ(prompts.InputBox(nullptr, "Add Delay", "Please enter millisecond", "7"), "7");
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
