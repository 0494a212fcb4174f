// The macro editor in this process on the real platform, created through
// the main window and driven through its controls: what a commit stores in
// the table, the list view and the list file, the availability check, the
// pages of opened macros and the mouse page's live position.
#include "editor_support.h"

#include <iterator>

#include "forms/SpecialKeyForm.h"
#include "hotkeys/HotKeyHook.h"
#include "uilogic/EditorChecks.h"

namespace kv {
namespace editor_test {
namespace {

constexpr std::uint32_t kCtrlShiftF5 = 24692;
constexpr std::uint32_t kCtrlShiftF6 = 24693;

struct KindCase {
    const char* name;
    void (*fill)(EditorForm&, ScriptedPrompts&);
    const char* kind;
    const char* display;
    std::string payload;  // "<exe>" stands for the executable's directory
};

std::vector<KindCase> OfferedKinds() {
    return {
        {"RunProgram",
         [](EditorForm& e, ScriptedPrompts& p) {
             p.fileAnswers.push_back("C:\\Tools\\notes.exe");
             Click(e.browseProgramButton.Handle());  // browse
             Click(e.addProgramButton.Handle());     // add
             e.programPathEdit.SetText("C:\\Tools\\second.exe");
             Click(e.addProgramButton.Handle());
         },
         "RUNPRG", "Run Program", "C:\\Tools\\notes.exe|C:\\Tools\\second.exe"},
        {"OpenUrl",
         [](EditorForm& e, ScriptedPrompts&) {
             Pick(e.categoryCombo.Handle(), 1);
             Type(e.urlEdit.Handle(), "http://www.keyvane.example/");
             Click(e.addUrlButton.Handle());
         },
         "OPNURL", "Open URL", "http://www.keyvane.example/"},
        {"ScreenCapture",
         [](EditorForm& e, ScriptedPrompts&) {
             Pick(e.categoryCombo.Handle(), 2);
             Pick(e.formatCombo.Handle(), 1);
         },
         "SCRCAP", "Screen Capture", "<exe>|JPEG"},
        {"KeyEvents",
         [](EditorForm& e, ScriptedPrompts& p) {
             Pick(e.categoryCombo.Handle(), 3);
             // The special-key picker: F1, typed abc, ENTER, Add to List.
             DuringModal drive([&e] {
                 auto* picker = dynamic_cast<SpecialKeyForm*>(Window::FromHandle(FindWindowA("TfrmAddKey", "Add Key")));
                 if (!picker) return;
                 Click(picker->keyButtons[0].Handle());
                 Type(picker->keysEdit.Handle(), "abc");
                 Click(picker->keyButtons[14].Handle());
                 Click(picker->addToListButton.Handle());
             });
             Click(e.addKeyButton.Handle());
             p.inputAnswers.push_back("500");
             Click(e.keyPanel.addDelayButton.Handle());
         },
         "KEYEVN", "Key Events", "Active Window|Active Window|Once|0|{F1}abc{ENTER}|{DELAY500}"},
        {"MouseEvents",
         [](EditorForm& e, ScriptedPrompts&) {
             Pick(e.categoryCombo.Handle(), 4);
             e.xEdit.SetText("120");
             e.yEdit.SetText("45");
             Click(e.addPositionButton.Handle());
             Pick(e.mouseButtonCombo.Handle(), 1);
             Click(e.addMouseButtonButton.Handle());
         },
         "MOUSEE", "Mouse Events", "Once|0|{X:120,Y:45}|{LBUTTON}"},
        {"WindowActions",
         [](EditorForm& e, ScriptedPrompts&) {
             Pick(e.categoryCombo.Handle(), 5);
             Pick(e.windowActionCombo.Handle(), 1);
         },
         "WINACT", "Window Actions", "Restore all Windows"},
        {"Miscellaneous",
         [](EditorForm& e, ScriptedPrompts&) {
             Pick(e.categoryCombo.Handle(), 6);
             Pick(e.systemActionCombo.Handle(), 2);
             Click(e.confirmBox.Handle());
         },
         "MISCEL", "Miscellaneous", "Clear Clipboard|0"},
    };
}

TEST_F(EditorTest, NewMacroOfEachOfferedKindReachesTableListViewAndFile) {
    for (const KindCase& c : OfferedKinds()) {
        SCOPED_TRACE(c.name);
        DeleteFileA(listPath_.c_str());
        Start();
        EditorForm& editor = NewEditor();
        editor.FormShow();
        EXPECT_EQ(WindowText(editor.Handle()), "New Macro");
        EXPECT_EQ(Caption(editor.commitButton), "Add");
        EXPECT_EQ(editor.categoryCombo.ItemIndex(), 0);

        ChooseShortcut(editor, kModControl | kModShift, 0x74);
        c.fill(editor, prompts_);
        Type(editor.descriptionMemo.Handle(), "My macro");
        Click(editor.commitButton.Handle());
        ASSERT_TRUE(editor.Closed()) << (prompts_.asked.empty() ? "" : prompts_.Last().text);

        std::string payload = c.payload;
        if (payload.rfind("<exe>", 0) == 0) payload = ExeDir() + payload.substr(5);
        const MacroTable& table = Binding().table;
        ASSERT_EQ(table.MacroCount, 1);
        const MacroSlot& slot = table.Macros[0];
        EXPECT_EQ(slot.HotKey, kCtrlShiftF5);
        EXPECT_EQ(slot.ActionKind, c.kind);
        EXPECT_EQ(slot.ActionData, payload);
        EXPECT_EQ(slot.Description, "My macro");
        EXPECT_NE(slot.UniqueID, 0u);
        EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));

        ASSERT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 1);
        EXPECT_EQ(CellText(List(), 0, 0), "1");
        EXPECT_EQ(CellText(List(), 0, 1), Text(kCtrlShiftF5));
        EXPECT_EQ(CellText(List(), 0, 2), c.display);
        EXPECT_EQ(CellText(List(), 0, 3), "My macro");
        EXPECT_EQ(CellText(List(), 0, 4), std::to_string(slot.UniqueID));
        EXPECT_EQ(ReadBytes(listPath_), Line(slot.UniqueID, c.kind, kCtrlShiftF5, payload, "My macro"));
        Stop();
    }
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(EditorTest, EditOpensTheSelectedMacroAndCommitsWithItsOwnShortcut) {
    Start(Line(1, "KEYEVN", kCtrlShiftF5, "Active Window|Active Window|Once|0|{F1}|abc", "Keys") +
          Line(2, "RUNPRG", kCtrlShiftF6, "b.exe", "Other"));
    SelectRow(List(), 0);
    std::string availability;
    bool sawEditor = false;
    DuringModal drive([&] {
        EditorForm* editor = form_->frmAdd.get();
        if (!editor) return;
        sawEditor = true;
        EXPECT_EQ(WindowText(editor->Handle()), "Edit Macro");
        EXPECT_EQ(Caption(editor->commitButton), "OK");
        EXPECT_EQ(editor->ActivePage(), pgKeyEvents);
        EXPECT_EQ(editor->categoryCombo.ItemIndex(), pgKeyEvents);
        EXPECT_TRUE(editor->ctrlBox.Checked());
        EXPECT_TRUE(editor->shiftBox.Checked());
        EXPECT_FALSE(editor->altBox.Checked());
        EXPECT_EQ(editor->keyCombo.Chosen(), Text(0x74));
        EXPECT_EQ(editor->windowTypeCombo.Chosen(), "Active Window");
        EXPECT_FALSE(editor->windowNameEdit.Enabled());
        EXPECT_EQ(editor->keyRepeatCombo.Chosen(), "Once");
        EXPECT_EQ(editor->keyTimesEdit.Text(), "0");
        EXPECT_FALSE(editor->keyTimesEdit.Enabled());
        EXPECT_EQ(editor->keyPanel.list.Items(), (std::vector<std::string>{"{F1}", "abc"}));
        EXPECT_EQ(editor->descriptionMemo.Text(), "Keys");

        // The macro's own registration is still active.
        Click(editor->checkAvailabilityButton.Handle());
        availability = prompts_.Last().text;

        editor->keyPanel.list.SetItemIndex(1);
        Click(editor->keyPanel.upButton.Handle());  // Up
        Click(editor->commitButton.Handle());
        if (!editor->Closed()) editor->Close();
    });
    form_->OnEditMacro();
    ASSERT_TRUE(sawEditor);
    EXPECT_EQ(availability, Text(kCtrlShiftF5) + " is NOT available for registration.");
    EXPECT_EQ(prompts_.Messages().size(), 1u);  // only the availability

    const MacroSlot& slot = Binding().table.Macros[0];
    EXPECT_EQ(Binding().table.MacroCount, 2);
    EXPECT_EQ(slot.HotKey, kCtrlShiftF5);
    EXPECT_EQ(slot.ActionData, "Active Window|Active Window|Once|0|abc|{F1}");
    EXPECT_NE(slot.UniqueID, 0u);
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));
    EXPECT_EQ(CellText(List(), 0, 0), "1");
    EXPECT_EQ(CellText(List(), 0, 4), std::to_string(slot.UniqueID));
    const std::uint32_t other = Binding().table.Macros[1].UniqueID;
    EXPECT_EQ(ReadBytes(listPath_), Line(slot.UniqueID, "KEYEVN", kCtrlShiftF5, slot.ActionData, "Keys") +
                                        Line(other, "RUNPRG", kCtrlShiftF6, "b.exe", "Other"));
    EXPECT_EQ(form_->frmAdd, nullptr);
}

TEST_F(EditorTest, CheckAvailabilityOnAFreeAndOnATakenShortcut) {
    Start();
    EditorForm& editor = NewEditor();
    ChooseShortcut(editor, kModControl | kModShift, 0x74);
    Click(editor.checkAvailabilityButton.Handle());
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF5) + " is available for registration.");
    EXPECT_EQ(prompts_.Last().caption, title_);
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Information);
    EXPECT_TRUE(IsHotKeyAvailable(api_, kCtrlShiftF5));  // the check leaves nothing registered

    // Another program holds it.
    HotKeyHook other(api_);
    ASSERT_NE(other.AddHotKey(kCtrlShiftF5), 0);
    Click(editor.checkAvailabilityButton.Handle());
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF5) + " is NOT available for registration.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Information);

    // The commit refuses it and stores nothing.
    editor.programPathEdit.SetText("a.exe");
    Click(editor.addProgramButton.Handle());
    Click(editor.commitButton.Handle());
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF5) + " is already using. Please select another hotkey.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::None);
    EXPECT_FALSE(editor.Closed());
    EXPECT_EQ(Binding().table.MacroCount, 0);

    // With no key chosen.
    editor.keyCombo.SetItemIndex(-1);
    Click(editor.checkAvailabilityButton.Handle());
    EXPECT_EQ(prompts_.Last().text, " doesn't appear to be a hotkey.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Warning);
    Click(editor.commitButton.Handle());
    EXPECT_EQ(prompts_.Last().text, "No hotkey specified.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Warning);
}

TEST_F(EditorTest, ANewEditorProposesCtrlAndTheFirstCandidateKey) {
    Start();
    EditorForm& editor = NewEditor();
    EXPECT_TRUE(editor.ctrlBox.Checked());
    EXPECT_FALSE(editor.shiftBox.Checked());
    EXPECT_FALSE(editor.altBox.Checked());
    EXPECT_FALSE(editor.winBox.Visible());
    ASSERT_GT(editor.keyCombo.Count(), 0);
    EXPECT_EQ(editor.keyCombo.ItemIndex(), 0);
    EXPECT_EQ(editor.PotentialKeys()[0].Key, 8);
    EXPECT_EQ(editor.SelectedHotKey(), 0x4008u);
    EXPECT_EQ(editor.keyCombo.DroppedRows(), 12);
    EXPECT_EQ(editor.captureFolderEdit.Text(), ExeDir());
    EXPECT_TRUE(editor.programPathEdit.ReadOnly());
    EXPECT_TRUE(editor.captureFolderEdit.ReadOnly());
    EXPECT_EQ(editor.formatCombo.Chosen(), "Bitmap");
    EXPECT_EQ(editor.windowActionCombo.Chosen(), "Minimize all Windows");
    EXPECT_EQ(editor.systemActionCombo.Chosen(), "Restart Windows");
    EXPECT_TRUE(editor.confirmBox.Checked());
    EXPECT_EQ(editor.mouseButtonCombo.Chosen(), "Double Click");
    EXPECT_EQ(editor.xEdit.Text(), "0");
    EXPECT_FALSE(editor.PositionTimerRunning());

    RECT client;
    GetClientRect(editor.Handle(), &client);
    EXPECT_EQ(client.right, 409);
    EXPECT_EQ(client.bottom, 459);
    EXPECT_EQ(GetWindow(editor.Handle(), GW_OWNER), form_->Handle());
}

TEST_F(EditorTest, CategoryListOffersTheSevenKindsInPageOrder) {
    Start();
    EditorForm& editor = NewEditor();
    const HWND list = editor.categoryCombo.Handle();
    const char* entries[] = {"Run Program",  "Open Url",       "Screen Capture", "Key Events",
                             "Mouse Events", "Window Actions", "Miscellaneous"};
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), LRESULT(std::size(entries)));
    for (int i = 0; i < int(std::size(entries)); ++i) {
        char text[64] = {};
        SendMessageA(list, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, entries[i]);
        Pick(list, i);
        EXPECT_EQ(editor.ActivePage(), i);
    }
    EXPECT_TRUE(editor.systemActionCombo.Visible());
    EXPECT_TRUE(editor.confirmBox.Visible());
    EXPECT_FALSE(editor.windowActionCombo.Visible());
}

TEST_F(EditorTest, WindowAndSystemSlotsOpenOnTheirPageAndCategoryAndKeepTheirKind) {
    Start(Line(1, "WINACT", kCtrlShiftF5, "Restore all Windows", "Win") +
          Line(2, "MISCEL", kCtrlShiftF6, "Shut down Windows|0", "Misc"));
    Binding().table.EditIndex = 0;
    SelectRow(List(), 0);
    EditorForm& editor = form_->CreateEditor(true);
    EXPECT_EQ(editor.ActivePage(), pgWindowActions);
    EXPECT_EQ(editor.categoryCombo.ItemIndex(), pgWindowActions);
    EXPECT_TRUE(editor.windowActionCombo.Visible());
    EXPECT_FALSE(editor.programList.Visible());
    EXPECT_FALSE(editor.systemActionCombo.Visible());
    EXPECT_EQ(editor.windowActionCombo.Chosen(), "Restore all Windows");
    Pick(editor.windowActionCombo.Handle(), 0);
    Click(editor.commitButton.Handle());
    ASSERT_TRUE(editor.Closed());
    EXPECT_EQ(Binding().table.Macros[0].ActionKind, "WINACT");
    EXPECT_EQ(Binding().table.Macros[0].ActionData, "Minimize all Windows");
    EXPECT_EQ(CellText(List(), 0, 2), "Window Actions");

    Binding().table.EditIndex = 1;
    SelectRow(List(), 1);
    EditorForm& misc = form_->CreateEditor(true);
    EXPECT_EQ(misc.ActivePage(), pgMiscellaneous);
    EXPECT_EQ(misc.categoryCombo.ItemIndex(), pgMiscellaneous);
    EXPECT_EQ(misc.systemActionCombo.Chosen(), "Shut down Windows");
    EXPECT_FALSE(misc.confirmBox.Checked());
    Click(misc.confirmBox.Handle());
    Click(misc.commitButton.Handle());
    ASSERT_TRUE(misc.Closed());
    const std::uint32_t first = Binding().table.Macros[0].UniqueID;
    const std::uint32_t second = Binding().table.Macros[1].UniqueID;
    EXPECT_EQ(ReadBytes(listPath_), Line(first, "WINACT", kCtrlShiftF5, "Minimize all Windows", "Win") +
                                        Line(second, "MISCEL", kCtrlShiftF6, "Shut down Windows|-1", "Misc"));
}

TEST_F(EditorTest, InsertKeyOnTheMousePageAddsTheLivePosition) {
    Start();
    EditorForm& editor = NewEditor();
    // Before the first tick the display is empty.
    Pick(editor.categoryCombo.Handle(), pgMouseEvents);
    EXPECT_TRUE(editor.PositionTimerRunning());
    PostMessageA(editor.mousePanel.list.Handle(), WM_KEYDOWN, VK_INSERT, 0);
    Pump(1);
    EXPECT_EQ(editor.mousePanel.list.Items(), std::vector<std::string>{"{}"});

    ASSERT_TRUE(SetCursorPos(300, 200));
    PumpFor(250);
    EXPECT_EQ(editor.positionLabel.Text(), "X:300,Y:200");
    // The key goes to the focused control; the form sees it first.
    PostMessageA(editor.xEdit.Handle(), WM_KEYDOWN, VK_INSERT, 0);
    PostMessageA(editor.mousePanel.list.Handle(), WM_KEYDOWN, 'A', 0);
    Pump(1);
    EXPECT_EQ(editor.mousePanel.list.Items(), (std::vector<std::string>{"{}", "{X:300,Y:200}"}));

    // On another page the Insert key adds nothing, and the display stops.
    Pick(editor.categoryCombo.Handle(), pgKeyEvents);
    EXPECT_FALSE(editor.PositionTimerRunning());
    PostMessageA(editor.keyPanel.list.Handle(), WM_KEYDOWN, VK_INSERT, 0);
    Pump(1);
    EXPECT_EQ(editor.mousePanel.list.Count(), 2);
    EXPECT_EQ(editor.keyPanel.list.Count(), 0);
}

TEST_F(EditorTest, OpeningAMouseMacroStartsTheLivePosition) {
    Start(Line(1, "MOUSEE", kCtrlShiftF5, "Repeat until|3|{X:1,Y:2}|{RBUTTON}", ""));
    Binding().table.EditIndex = 0;
    EditorForm& editor = form_->CreateEditor(true);
    EXPECT_EQ(editor.ActivePage(), pgMouseEvents);
    EXPECT_TRUE(editor.PositionTimerRunning());
    EXPECT_EQ(editor.mouseRepeatCombo.Chosen(), "Repeat until");
    EXPECT_TRUE(editor.mouseTimesEdit.Enabled());
    EXPECT_EQ(editor.mouseTimesEdit.Text(), "3");
    EXPECT_EQ(editor.mousePanel.list.Items(), (std::vector<std::string>{"{X:1,Y:2}", "{RBUTTON}"}));
    ASSERT_TRUE(SetCursorPos(40, 50));
    PumpFor(250);
    EXPECT_EQ(editor.positionLabel.Text(), "X:40,Y:50");
}

// In edit mode a refused commit, and closing the editor afterwards, leave the
// macro's own shortcut working.
TEST_F(EditorTest, RefusedEditAndCloseKeepTheOldShortcutRegistered) {
    Start(Line(1, "RUNPRG", kCtrlShiftF5, "a.exe", "A"));
    const std::string before = ReadBytes(listPath_);
    const std::uint32_t id = Binding().table.Macros[0].UniqueID;
    HotKeyHook other(api_);
    ASSERT_NE(other.AddHotKey(kCtrlShiftF6), 0);

    Binding().table.EditIndex = 0;
    SelectRow(List(), 0);
    EditorForm& editor = form_->CreateEditor(true);
    ChooseShortcut(editor, kModControl | kModShift, 0x75);
    Click(editor.commitButton.Handle());
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF6) + " is already using. Please select another hotkey.");
    prompts_.confirmAnswers.push_back(true);  // discard the changed shortcut
    SendMessageA(editor.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(prompts_.Last().text, "Discard the changes to this macro?");
    EXPECT_TRUE(editor.Closed());
    EXPECT_FALSE(editor.EditMode);

    EXPECT_EQ(Binding().table.Macros[0].UniqueID, id);
    EXPECT_EQ(Binding().table.Macros[0].HotKey, kCtrlShiftF5);
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));
    ASSERT_EQ(Binding().hotKeyHook.Records().size(), 1u);
    EXPECT_EQ(Binding().hotKeyHook.Records()[0].Id, id);
    EXPECT_EQ(ReadBytes(listPath_), before);
}

TEST_F(EditorTest, RefusalsNameTheCharacterAndStoreNothing) {
    Start();
    EditorForm& editor = NewEditor();
    ChooseShortcut(editor, kModControl | kModShift, 0x74);

    Click(editor.commitButton.Handle());
    EXPECT_EQ(prompts_.Last().text, "Please add at least one program to the list.");

    Pick(editor.categoryCombo.Handle(), pgOpenUrl);
    editor.urlEdit.SetText("http://a.example/?x=1|2");
    Click(editor.addUrlButton.Handle());
    EXPECT_NE(prompts_.Last().text.find("\"|\""), std::string::npos) << prompts_.Last().text;
    EXPECT_EQ(editor.urlList.Count(), 0);
    EXPECT_EQ(editor.urlEdit.Text(), "http://a.example/?x=1|2");
    Click(editor.commitButton.Handle());
    EXPECT_EQ(prompts_.Last().text, "Please add at least one URL to the list.");

    editor.urlEdit.SetText("http://a.example/");
    Click(editor.addUrlButton.Handle());
    editor.urlEdit.SetText("http://a.example/");
    Click(editor.addUrlButton.Handle());
    EXPECT_EQ(prompts_.Last().text, "The URL http://a.example/ is already exists in list");
    EXPECT_EQ(editor.urlList.Count(), 1);

    editor.descriptionMemo.SetText("one;two");
    Click(editor.commitButton.Handle());
    EXPECT_NE(prompts_.Last().text.find("\";\""), std::string::npos) << prompts_.Last().text;
    editor.descriptionMemo.SetText("mail@home");
    Click(editor.commitButton.Handle());
    EXPECT_NE(prompts_.Last().text.find("\"@\""), std::string::npos) << prompts_.Last().text;
    EXPECT_EQ(Binding().table.MacroCount, 0);
    EXPECT_FALSE(editor.Closed());

    editor.descriptionMemo.SetText("two\r\nlines");
    Click(editor.commitButton.Handle());
    ASSERT_TRUE(editor.Closed());
    EXPECT_EQ(Binding().table.Macros[0].Description, "two lines");
}

TEST_F(EditorTest, FullTableRefusesANewMacro) {
    Start();
    Binding().table.MacroCount = kMaxMacros;
    EditorForm& editor = NewEditor();
    editor.programPathEdit.SetText("a.exe");
    Click(editor.addProgramButton.Handle());
    Click(editor.commitButton.Handle());
    EXPECT_EQ(prompts_.Last().text, kTableFullMessage);
    EXPECT_FALSE(editor.Closed());
    EXPECT_EQ(Binding().table.MacroCount, kMaxMacros);
    EXPECT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 0);
    Binding().table.MacroCount = 0;
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
