// The macro editor in this process on the real platform, created through
// the main window and driven through its controls: what a commit stores in
// the table, the list view and the list file, the availability check, the
// pages of opened macros and the mouse page's live position.
#include "editor_support.h"

#include "hotkeys/HotKeyText.h"
#include "hotkeys/KVKeyHook.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "ui/InputBox.h"
#include "ui/logic/EditorChecks.h"
#include "ui/uAddkey.h"

namespace kv {
namespace editor_test {
namespace {

constexpr std::uint32_t kCtrlShiftF5 = 24692;
constexpr std::uint32_t kCtrlShiftF6 = 24693;

class EditorTest : public MainWindowFixture {
protected:
    // A new editor as New opens it, not yet shown.
    TfrmAdd& NewEditor() { return form_->CreateEditor(false); }

    // Ctrl+Shift with the key of code vk, through the controls.
    static void ChooseShortcut(TfrmAdd& editor, unsigned modifiers, unsigned vk) {
        auto set = [](TCheckBox& box, bool on) {
            if (box.Checked() != on) Click(box.Handle());
        };
        set(editor.CheckBox1, (modifiers & kModControl) != 0);
        set(editor.CheckBox2, (modifiers & kModShift) != 0);
        set(editor.CheckBox3, (modifiers & kModAlt) != 0);
        const std::vector<TPotentialKey>& keys = editor.PotentialKeys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].Key == vk) {
                editor.ComboBox1.SetItemIndex(int(i));
                return;
            }
        }
        ADD_FAILURE() << "no candidate key " << vk;
    }

    std::string Text(std::uint32_t hotKey) { return HotKeyToText(api_, hotKey); }

    Win32HotKeyApi api_;
    ScriptedPrompts prompts_;
};

struct KindCase {
    const char* name;
    void (*fill)(TfrmAdd&, ScriptedPrompts&);
    const char* kind;
    const char* display;
    std::string payload;  // "<exe>" stands for the executable's directory
};

std::vector<KindCase> OfferedKinds() {
    return {
        {"RunProgram",
         [](TfrmAdd& e, ScriptedPrompts& p) {
             p.fileAnswers.push_back("C:\\Tools\\notes.exe");
             Click(e.SpeedButton2.Handle());  // browse
             Click(e.SpeedButton3.Handle());  // add
             e.txPath.SetText("C:\\Tools\\second.exe");
             Click(e.SpeedButton3.Handle());
         },
         "RUNPRG", "Run Program", "C:\\Tools\\notes.exe|C:\\Tools\\second.exe"},
        {"OpenUrl",
         [](TfrmAdd& e, ScriptedPrompts&) {
             Pick(e.cbCate.Handle(), 1);
             Type(e.txURL.Handle(), "http://www.keyvane.example/");
             Click(e.SpeedButton5.Handle());
         },
         "OPNURL", "Open URL", "http://www.keyvane.example/"},
        {"ScreenCapture",
         [](TfrmAdd& e, ScriptedPrompts&) {
             Pick(e.cbCate.Handle(), 2);
             Pick(e.cbFormat.Handle(), 1);
         },
         "SCRCAP", "Screen Capture", "<exe>|JPEG"},
        {"KeyEvents",
         [](TfrmAdd& e, ScriptedPrompts& p) {
             Pick(e.cbCate.Handle(), 3);
             // The special-key picker: F1, typed abc, ENTER, Add to List.
             DuringModal drive([&e] {
                 auto* picker = dynamic_cast<TfrmAddKey*>(Window::FromHandle(FindWindowA("TfrmAddKey", "Add Key")));
                 if (!picker) return;
                 Click(picker->SpeedButtons[0].Handle());
                 Type(picker->txKey.Handle(), "abc");
                 Click(picker->SpeedButtons[14].Handle());
                 Click(picker->BitBtn1.Handle());
             });
             Click(e.SpeedButton7.Handle());
             p.inputAnswers.push_back("500");
             Click(e.SpeedButton8.Handle());
         },
         "KEYEVN", "Key Events", "Active Window|Active Window|Once|0|{F1}abc{ENTER}|{DELAY500}"},
        {"MouseEvents",
         [](TfrmAdd& e, ScriptedPrompts&) {
             Pick(e.cbCate.Handle(), 4);
             e.txX.SetText("120");
             e.txY.SetText("45");
             Click(e.SpeedButton16.Handle());
             Pick(e.cbMBut.Handle(), 1);
             Click(e.SpeedButton15.Handle());
         },
         "MOUSEE", "Mouse Events", "Once|0|{X:120,Y:45}|{LBUTTON}"},
    };
}

TEST_F(EditorTest, NewMacroOfEachOfferedKindReachesTableListViewAndFile) {
    for (const KindCase& c : OfferedKinds()) {
        SCOPED_TRACE(c.name);
        DeleteFileA(listPath_.c_str());
        Start();
        TfrmAdd& editor = NewEditor();
        editor.FormShow();
        EXPECT_EQ(WindowText(editor.Handle()), "New Macro");
        EXPECT_EQ(editor.btAdd.Text(), "Add");
        EXPECT_EQ(editor.cbCate.ItemIndex(), 0);

        ChooseShortcut(editor, kModControl | kModShift, 0x74);
        c.fill(editor, prompts_);
        Type(editor.mmDesc.Handle(), "My macro");
        Click(editor.btAdd.Handle());
        ASSERT_TRUE(editor.Closed()) << (prompts_.asked.empty() ? "" : prompts_.Last().text);

        std::string payload = c.payload;
        if (payload.rfind("<exe>", 0) == 0) payload = ExeDir() + payload.substr(5);
        const MacroTable& table = Binding().table;
        ASSERT_EQ(table.MacroCount, 1);
        const TMacroSlot& slot = table.Macros[0];
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
        EXPECT_EQ(ReadFile(listPath_), Line(slot.UniqueID, c.kind, kCtrlShiftF5, payload, "My macro"));
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
        TfrmAdd* editor = form_->frmAdd.get();
        if (!editor) return;
        sawEditor = true;
        EXPECT_EQ(WindowText(editor->Handle()), "Edit Macro");
        EXPECT_EQ(editor->btAdd.Text(), "OK");
        EXPECT_EQ(editor->ActivePage(), pgKeyEvents);
        EXPECT_EQ(editor->cbCate.ItemIndex(), pgKeyEvents);
        EXPECT_TRUE(editor->CheckBox1.Checked());
        EXPECT_TRUE(editor->CheckBox2.Checked());
        EXPECT_FALSE(editor->CheckBox3.Checked());
        EXPECT_EQ(editor->ComboBox1.Chosen(), Text(0x74));
        EXPECT_EQ(editor->cbWinType.Chosen(), "Active Window");
        EXPECT_FALSE(editor->txWindowName.Enabled());
        EXPECT_EQ(editor->cbRepeat.Chosen(), "Once");
        EXPECT_EQ(editor->txTimes.Text(), "0");
        EXPECT_FALSE(editor->txTimes.Enabled());
        EXPECT_EQ(editor->lsbKeys.Items(), (std::vector<std::string>{"{F1}", "abc"}));
        EXPECT_EQ(editor->mmDesc.Text(), "Keys");

        // The macro's own registration is still active.
        Click(editor->SpeedButton1.Handle());
        availability = prompts_.Last().text;

        editor->lsbKeys.SetItemIndex(1);
        Click(editor->SpeedButton10.Handle());  // Up
        Click(editor->btAdd.Handle());
        if (!editor->Closed()) PostMessageA(editor->Handle(), WM_CLOSE, 0, 0);
    });
    form_->BtnEditClick();
    ASSERT_TRUE(sawEditor);
    EXPECT_EQ(availability, Text(kCtrlShiftF5) + " is NOT available for registration.");
    EXPECT_EQ(prompts_.Messages().size(), 1u);  // only the availability

    const TMacroSlot& slot = Binding().table.Macros[0];
    EXPECT_EQ(Binding().table.MacroCount, 2);
    EXPECT_EQ(slot.HotKey, kCtrlShiftF5);
    EXPECT_EQ(slot.ActionData, "Active Window|Active Window|Once|0|abc|{F1}");
    EXPECT_NE(slot.UniqueID, 0u);
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));
    EXPECT_EQ(CellText(List(), 0, 0), "1");
    EXPECT_EQ(CellText(List(), 0, 4), std::to_string(slot.UniqueID));
    const std::uint32_t other = Binding().table.Macros[1].UniqueID;
    EXPECT_EQ(ReadFile(listPath_), Line(slot.UniqueID, "KEYEVN", kCtrlShiftF5, slot.ActionData, "Keys") +
                                       Line(other, "RUNPRG", kCtrlShiftF6, "b.exe", "Other"));
    EXPECT_EQ(form_->frmAdd, nullptr);
}

TEST_F(EditorTest, CheckAvailabilityOnAFreeAndOnATakenShortcut) {
    Start();
    TfrmAdd& editor = NewEditor();
    ChooseShortcut(editor, kModControl | kModShift, 0x74);
    Click(editor.SpeedButton1.Handle());
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF5) + " is available for registration.");
    EXPECT_EQ(prompts_.Last().caption, title_);
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Information);
    EXPECT_TRUE(IsHotKeyAvailable(api_, kCtrlShiftF5));  // the check leaves nothing registered

    // Another program holds it.
    TKVKeyHook other(api_);
    ASSERT_NE(other.AddHotKey(kCtrlShiftF5), 0);
    Click(editor.SpeedButton1.Handle());
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF5) + " is NOT available for registration.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Information);

    // The commit refuses it and stores nothing.
    editor.txPath.SetText("a.exe");
    Click(editor.SpeedButton3.Handle());
    Click(editor.btAdd.Handle());
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF5) + " is already using. Please select another hotkey.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::None);
    EXPECT_FALSE(editor.Closed());
    EXPECT_EQ(Binding().table.MacroCount, 0);

    // With no key chosen.
    editor.ComboBox1.SetItemIndex(-1);
    Click(editor.SpeedButton1.Handle());
    EXPECT_EQ(prompts_.Last().text, " doesn't appear to be a hotkey.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Warning);
    Click(editor.btAdd.Handle());
    EXPECT_EQ(prompts_.Last().text, "No hotkey specified.");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Warning);
}

TEST_F(EditorTest, ANewEditorProposesCtrlAndTheFirstCandidateKey) {
    Start();
    TfrmAdd& editor = NewEditor();
    EXPECT_TRUE(editor.CheckBox1.Checked());
    EXPECT_FALSE(editor.CheckBox2.Checked());
    EXPECT_FALSE(editor.CheckBox3.Checked());
    EXPECT_FALSE(editor.CheckBox4.Visible());
    ASSERT_GT(editor.ComboBox1.Count(), 0);
    EXPECT_EQ(editor.ComboBox1.ItemIndex(), 0);
    EXPECT_EQ(editor.PotentialKeys()[0].Key, 8);
    EXPECT_EQ(editor.GetSelectedHotKey(), 0x4008u);
    EXPECT_EQ(editor.ComboBox1.DroppedRows(), 12);
    EXPECT_EQ(editor.txSSPath.Text(), ExeDir());
    EXPECT_TRUE(editor.txPath.ReadOnly());
    EXPECT_TRUE(editor.txSSPath.ReadOnly());
    EXPECT_EQ(editor.cbFormat.Chosen(), "Bitmap");
    EXPECT_EQ(editor.cbWindowSettings.Chosen(), "Minimize all Windows");
    EXPECT_EQ(editor.cbMisc.Chosen(), "Restart Windows");
    EXPECT_TRUE(editor.cbConfirm.Checked());
    EXPECT_EQ(editor.cbMBut.Chosen(), "Double Click");
    EXPECT_EQ(editor.txX.Text(), "0");
    EXPECT_FALSE(editor.TimerXYEnabled());

    RECT client;
    GetClientRect(editor.Handle(), &client);
    EXPECT_EQ(client.right, 409);
    EXPECT_EQ(client.bottom, 459);
    EXPECT_EQ(GetWindow(editor.Handle(), GW_OWNER), form_->Handle());
}

TEST_F(EditorTest, WindowActionSlotOpensOnItsPageWithNoCategoryAndKeepsItsKind) {
    Start(Line(1, "WINACT", kCtrlShiftF5, "Restore all Windows", "Win") +
          Line(2, "MISCEL", kCtrlShiftF6, "Shut down Windows|0", "Misc"));
    Binding().table.EditIndex = 0;
    SelectRow(List(), 0);
    TfrmAdd& editor = form_->CreateEditor(true);
    EXPECT_EQ(editor.ActivePage(), pgWindowActions);
    EXPECT_EQ(editor.cbCate.ItemIndex(), -1);
    EXPECT_TRUE(editor.cbWindowSettings.Visible());
    EXPECT_FALSE(editor.lsbRunList.Visible());
    EXPECT_FALSE(editor.cbMisc.Visible());
    EXPECT_EQ(editor.cbWindowSettings.Chosen(), "Restore all Windows");
    Pick(editor.cbWindowSettings.Handle(), 0);
    Click(editor.btAdd.Handle());
    ASSERT_TRUE(editor.Closed());
    EXPECT_EQ(Binding().table.Macros[0].ActionKind, "WINACT");
    EXPECT_EQ(Binding().table.Macros[0].ActionData, "Minimize all Windows");
    EXPECT_EQ(CellText(List(), 0, 2), "Window Actions");

    Binding().table.EditIndex = 1;
    SelectRow(List(), 1);
    TfrmAdd& misc = form_->CreateEditor(true);
    EXPECT_EQ(misc.ActivePage(), pgMiscellaneous);
    EXPECT_EQ(misc.cbCate.ItemIndex(), -1);
    EXPECT_EQ(misc.cbMisc.Chosen(), "Shut down Windows");
    EXPECT_FALSE(misc.cbConfirm.Checked());
    Click(misc.cbConfirm.Handle());
    Click(misc.btAdd.Handle());
    ASSERT_TRUE(misc.Closed());
    const std::uint32_t first = Binding().table.Macros[0].UniqueID;
    const std::uint32_t second = Binding().table.Macros[1].UniqueID;
    EXPECT_EQ(ReadFile(listPath_), Line(first, "WINACT", kCtrlShiftF5, "Minimize all Windows", "Win") +
                                       Line(second, "MISCEL", kCtrlShiftF6, "Shut down Windows|-1", "Misc"));
}

TEST_F(EditorTest, InsertKeyOnTheMousePageAddsTheLivePosition) {
    Start();
    TfrmAdd& editor = NewEditor();
    // Before the first tick the display is empty.
    Pick(editor.cbCate.Handle(), pgMouseEvents);
    EXPECT_TRUE(editor.TimerXYEnabled());
    PostMessageA(editor.lsbMouse.Handle(), WM_KEYDOWN, VK_INSERT, 0);
    Pump(1);
    EXPECT_EQ(editor.lsbMouse.Items(), std::vector<std::string>{"{}"});

    ASSERT_TRUE(SetCursorPos(300, 200));
    PumpFor(250);
    EXPECT_EQ(editor.lbXYpos.Text(), "X:300,Y:200");
    // The key goes to the focused control; the form sees it first.
    PostMessageA(editor.txX.Handle(), WM_KEYDOWN, VK_INSERT, 0);
    PostMessageA(editor.lsbMouse.Handle(), WM_KEYDOWN, 'A', 0);
    Pump(1);
    EXPECT_EQ(editor.lsbMouse.Items(), (std::vector<std::string>{"{}", "{X:300,Y:200}"}));

    // On another page the Insert key adds nothing, and the display stops.
    Pick(editor.cbCate.Handle(), pgKeyEvents);
    EXPECT_FALSE(editor.TimerXYEnabled());
    PostMessageA(editor.lsbKeys.Handle(), WM_KEYDOWN, VK_INSERT, 0);
    Pump(1);
    EXPECT_EQ(editor.lsbMouse.Count(), 2);
    EXPECT_EQ(editor.lsbKeys.Count(), 0);
}

TEST_F(EditorTest, EscInTheDescriptionKeepsTheEditorOpenAndTheText) {
    Start();
    TfrmAdd& editor = NewEditor();
    ShowWindow(editor.Handle(), SW_SHOW);
    Type(editor.mmDesc.Handle(), "Keep me");
    SetFocus(editor.mmDesc.Handle());
    // As the keyboard delivers it, through the dialog navigation of the loop.
    PostMessageA(editor.mmDesc.Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(editor.mmDesc.Handle(), WM_CHAR, VK_ESCAPE, 0x00010001);
    PostMessageA(editor.mmDesc.Handle(), WM_KEYUP, VK_ESCAPE, LPARAM(0xC0010001));
    Pump(5);
    EXPECT_FALSE(editor.Closed());
    EXPECT_TRUE(IsWindowVisible(editor.Handle()));
    EXPECT_EQ(editor.mmDesc.Text(), "Keep me");
}

TEST_F(EditorTest, OpeningAMouseMacroStartsTheLivePosition) {
    Start(Line(1, "MOUSEE", kCtrlShiftF5, "Repeat until|3|{X:1,Y:2}|{RBUTTON}", ""));
    Binding().table.EditIndex = 0;
    TfrmAdd& editor = form_->CreateEditor(true);
    EXPECT_EQ(editor.ActivePage(), pgMouseEvents);
    EXPECT_TRUE(editor.TimerXYEnabled());
    EXPECT_EQ(editor.cbMRepeat.Chosen(), "Repeat until");
    EXPECT_TRUE(editor.txMTimes.Enabled());
    EXPECT_EQ(editor.txMTimes.Text(), "3");
    EXPECT_EQ(editor.lsbMouse.Items(), (std::vector<std::string>{"{X:1,Y:2}", "{RBUTTON}"}));
    ASSERT_TRUE(SetCursorPos(40, 50));
    PumpFor(250);
    EXPECT_EQ(editor.lbXYpos.Text(), "X:40,Y:50");
}

// In edit mode a refused commit, and closing the editor afterwards, leave the
// macro's own shortcut working.
TEST_F(EditorTest, RefusedEditAndCloseKeepTheOldShortcutRegistered) {
    Start(Line(1, "RUNPRG", kCtrlShiftF5, "a.exe", "A"));
    const std::string before = ReadFile(listPath_);
    const std::uint32_t id = Binding().table.Macros[0].UniqueID;
    TKVKeyHook other(api_);
    ASSERT_NE(other.AddHotKey(kCtrlShiftF6), 0);

    Binding().table.EditIndex = 0;
    SelectRow(List(), 0);
    TfrmAdd& editor = form_->CreateEditor(true);
    ChooseShortcut(editor, kModControl | kModShift, 0x75);
    Click(editor.btAdd.Handle());
    EXPECT_EQ(prompts_.Last().text, Text(kCtrlShiftF6) + " is already using. Please select another hotkey.");
    SendMessageA(editor.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.Closed());
    EXPECT_FALSE(editor.EditMode);

    EXPECT_EQ(Binding().table.Macros[0].UniqueID, id);
    EXPECT_EQ(Binding().table.Macros[0].HotKey, kCtrlShiftF5);
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));
    ASSERT_EQ(Binding().KVKeyHook1.Records().size(), 1u);
    EXPECT_EQ(Binding().KVKeyHook1.Records()[0].Id, id);
    EXPECT_EQ(ReadFile(listPath_), before);
}

TEST_F(EditorTest, RefusalsNameTheCharacterAndStoreNothing) {
    Start();
    TfrmAdd& editor = NewEditor();
    ChooseShortcut(editor, kModControl | kModShift, 0x74);

    Click(editor.btAdd.Handle());
    EXPECT_EQ(prompts_.Last().text, "Please add at least one program to the list.");

    Pick(editor.cbCate.Handle(), pgOpenUrl);
    editor.txURL.SetText("http://a.example/?x=1|2");
    Click(editor.SpeedButton5.Handle());
    EXPECT_NE(prompts_.Last().text.find("\"|\""), std::string::npos) << prompts_.Last().text;
    EXPECT_EQ(editor.lsbURLs.Count(), 0);
    EXPECT_EQ(editor.txURL.Text(), "http://a.example/?x=1|2");
    Click(editor.btAdd.Handle());
    EXPECT_EQ(prompts_.Last().text, "Please add at least one URL to the list.");

    editor.txURL.SetText("http://a.example/");
    Click(editor.SpeedButton5.Handle());
    editor.txURL.SetText("http://a.example/");
    Click(editor.SpeedButton5.Handle());
    EXPECT_EQ(prompts_.Last().text, "The URL http://a.example/ is already exists in list");
    EXPECT_EQ(editor.lsbURLs.Count(), 1);

    editor.mmDesc.SetText("one;two");
    Click(editor.btAdd.Handle());
    EXPECT_NE(prompts_.Last().text.find("\";\""), std::string::npos) << prompts_.Last().text;
    editor.mmDesc.SetText("mail@home");
    Click(editor.btAdd.Handle());
    EXPECT_NE(prompts_.Last().text.find("\"@\""), std::string::npos) << prompts_.Last().text;
    EXPECT_EQ(Binding().table.MacroCount, 0);
    EXPECT_FALSE(editor.Closed());

    editor.mmDesc.SetText("two\r\nlines");
    Click(editor.btAdd.Handle());
    ASSERT_TRUE(editor.Closed());
    EXPECT_EQ(Binding().table.Macros[0].Description, "two lines");
}

TEST_F(EditorTest, FullTableRefusesANewMacro) {
    Start();
    Binding().table.MacroCount = kMaxMacros;
    TfrmAdd& editor = NewEditor();
    editor.txPath.SetText("a.exe");
    Click(editor.SpeedButton3.Handle());
    Click(editor.btAdd.Handle());
    EXPECT_EQ(prompts_.Last().text, kTableFullMessage);
    EXPECT_FALSE(editor.Closed());
    EXPECT_EQ(Binding().table.MacroCount, kMaxMacros);
    EXPECT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 0);
    Binding().table.MacroCount = 0;
}

TEST_F(EditorTest, KeyPageChoicesCountsAndLists) {
    Start();
    TfrmAdd& editor = NewEditor();
    Pick(editor.cbCate.Handle(), pgKeyEvents);

    Pick(editor.cbWinType.Handle(), 1);
    EXPECT_TRUE(editor.txWindowName.Enabled());
    EXPECT_EQ(editor.txWindowName.Text(), "Active Window");
    editor.txWindowName.SetText("Notepad");
    Pick(editor.cbWinType.Handle(), 0);
    EXPECT_EQ(editor.txWindowName.Text(), "Active Window");
    EXPECT_FALSE(editor.txWindowName.Enabled());

    Pick(editor.cbRepeat.Handle(), 1);
    EXPECT_TRUE(editor.txTimes.Enabled());
    editor.txTimes.SetText("");
    Type(editor.txTimes.Handle(), "1a2-");
    EXPECT_EQ(editor.txTimes.Text(), "12");
    Type(editor.txTimes.Handle(), "\b");
    EXPECT_EQ(editor.txTimes.Text(), "1");
    Pick(editor.cbRepeat.Handle(), 0);
    EXPECT_EQ(editor.txTimes.Text(), "0");
    EXPECT_FALSE(editor.txTimes.Enabled());

    // Load a key list with every kind of line end, change it, save it.
    const std::string in = TempFile("in.lst");
    const std::string out = TempFile("out.lst");
    WriteFile(in, std::string("{F1}\r\n\r\nabc\rx\ny", 15) + std::string("\0ignored", 8));
    prompts_.fileAnswers.push_back(in);
    Click(editor.SpeedButton13.Handle());
    EXPECT_EQ(prompts_.Last().file.filter, "Key List (*.lst)|*.lst|All Files (*.*)|*.*");
    EXPECT_EQ(prompts_.Last().file.defaultExtension, "lst");
    EXPECT_FALSE(prompts_.Last().file.save);
    EXPECT_EQ(editor.lsbKeys.Items(), (std::vector<std::string>{"{F1}", "", "abc", "x", "y"}));
    editor.lsbKeys.SetItemIndex(4);
    Click(editor.SpeedButton9.Handle());  // Remove
    editor.lsbKeys.SetItemIndex(3);
    Click(editor.SpeedButton9.Handle());
    editor.lsbKeys.SetItemIndex(0);
    Click(editor.SpeedButton11.Handle());  // Down
    EXPECT_EQ(editor.lsbKeys.ItemIndex(), 1);
    Click(editor.SpeedButton10.Handle());  // Up
    EXPECT_EQ(editor.lsbKeys.ItemIndex(), 0);
    Click(editor.SpeedButton10.Handle());  // Up on the first: nothing
    prompts_.fileAnswers.push_back(out);
    Click(editor.SpeedButton12.Handle());
    EXPECT_EQ(prompts_.Last().file.fileName, "Keylist.lst");
    EXPECT_TRUE(prompts_.Last().file.save);
    EXPECT_EQ(ReadFile(out), "{F1}\r\n\r\nabc\r\n");

    // The empty entry would be lost: the commit refuses it.
    Click(editor.btAdd.Handle());
    EXPECT_NE(prompts_.Last().text.find("empty entry"), std::string::npos);

    // Load List offers the file chosen last; a cancelled dialog changes nothing.
    Click(editor.SpeedButton13.Handle());
    EXPECT_EQ(prompts_.Last().file.fileName, in);
    EXPECT_EQ(editor.lsbKeys.Count(), 3);

    // A file that cannot be opened.
    const std::string missing = dir_ + "\\missing.lst";
    prompts_.fileAnswers.push_back(missing);
    Click(editor.SpeedButton13.Handle());
    EXPECT_EQ(prompts_.Last().text.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << prompts_.Last().text;
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::Error);
    EXPECT_EQ(editor.lsbKeys.Count(), 3);

    // Add Delay: an empty answer adds nothing.
    prompts_.inputAnswers.push_back("");
    Click(editor.SpeedButton8.Handle());
    EXPECT_EQ(prompts_.Last().caption, "Add Delay");
    EXPECT_EQ(prompts_.Last().text, "Please enter millisecond");
    EXPECT_EQ(editor.lsbKeys.Count(), 3);

    Click(editor.SpeedButton14.Handle());  // Clear List
    EXPECT_EQ(editor.lsbKeys.Count(), 0);
}

TEST_F(EditorTest, SpecialKeyPickerBuildsOneEntry) {
    Start();
    TfrmAdd& editor = NewEditor();
    {
        TfrmAddKey picker(editor);
        EXPECT_EQ(WindowText(picker.Handle()), "Add Key");
        RECT client;
        GetClientRect(picker.Handle(), &client);
        EXPECT_EQ(client.right, 270);
        EXPECT_EQ(client.bottom, 259);
        for (int i = 0; i < kPickerKeyCount; ++i) {
            EXPECT_EQ(picker.SpeedButtons[i].Caption(), kPickerKeys[i].caption);
        }
        Click(picker.BitBtn1.Handle());  // empty: nothing, the picker stays open
        EXPECT_FALSE(picker.Closed());
        Click(picker.SpeedButtons[17].Handle());  // INSERT
        Click(picker.SpeedButtons[24].Handle());  // SLOCK
        Click(picker.SpeedButtons[25].Handle());  // CAPSL.
        EXPECT_EQ(picker.txKey.Text(), "{INS}{SCROLLLOCK}{CAPSLOCK}");
        Type(picker.txKey.Handle(), "|");
        Click(picker.BitBtn1.Handle());
        EXPECT_NE(prompts_.Last().text.find("\"|\""), std::string::npos);
        EXPECT_FALSE(picker.Closed());
        picker.txKey.SetText("{F1}abc{ENTER}");
        Click(picker.BitBtn1.Handle());
        EXPECT_TRUE(picker.Closed());
    }
    EXPECT_EQ(editor.lsbKeys.Items(), std::vector<std::string>{"{F1}abc{ENTER}"});

    // Closing a fresh picker adds nothing.
    DuringModal drive([] { PostMessageA(FindWindowA("TfrmAddKey", "Add Key"), WM_CLOSE, 0, 0); });
    Click(editor.SpeedButton7.Handle());
    EXPECT_EQ(editor.lsbKeys.Count(), 1);
}

TEST_F(EditorTest, ProgramAndUrlListsAddDeleteAndCaptureFolder) {
    Start();
    TfrmAdd& editor = NewEditor();
    prompts_.fileAnswers.push_back("");  // cancelled
    Click(editor.SpeedButton2.Handle());
    EXPECT_EQ(prompts_.Last().file.filter, "Exe Files(*.exe)|*.exe|Batch Files(*.bat)|*.bat|All Files(*.*)|*.*");
    EXPECT_EQ(editor.txPath.Text(), "");
    Click(editor.SpeedButton3.Handle());  // empty: nothing, silently
    EXPECT_EQ(editor.lsbRunList.Count(), 0);

    for (const char* path : {"C:\\a.exe", "C:\\A.exe", "C:\\a.exe"}) {
        editor.txPath.SetText(path);
        Click(editor.SpeedButton3.Handle());
    }
    EXPECT_EQ(editor.lsbRunList.Items(), (std::vector<std::string>{"C:\\a.exe", "C:\\A.exe"}));
    EXPECT_EQ(prompts_.Last().text, "The program C:\\a.exe is already exists in list");
    EXPECT_EQ(prompts_.Last().icon, MessageIcon::None);
    EXPECT_EQ(editor.txPath.Text(), "C:\\a.exe");

    editor.Delete1Click();  // nothing selected
    EXPECT_EQ(editor.lsbRunList.Count(), 2);
    editor.lsbRunList.SetItemIndex(0);
    editor.Delete1Click();
    EXPECT_EQ(editor.lsbRunList.Items(), std::vector<std::string>{"C:\\A.exe"});

    prompts_.directoryAnswers.push_back("D:\\Shots");
    Click(editor.SpeedButton6.Handle());
    EXPECT_EQ(prompts_.Last().text, "Select Directory");
    EXPECT_EQ(prompts_.Last().caption, "C:");
    EXPECT_EQ(editor.txSSPath.Text(), "D:\\Shots");
    Click(editor.SpeedButton6.Handle());  // cancelled
    EXPECT_EQ(editor.txSSPath.Text(), "D:\\Shots");
}

TEST_F(EditorTest, DonateAsksAndAnswerNoOpensNothing) {
    Start();
    prompts_.confirmAnswers.push_back(false);
    form_->btnDonateClick();
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_EQ(prompts_.Last().kind, "confirm");
    EXPECT_EQ(prompts_.Last().text, "Do you want to donate this program?");
    EXPECT_EQ(prompts_.Last().caption, "Confirm");
}

TEST(InputBox, GivesTheTypedTextOrTheDefaultWhenCancelled) {
    Win32Prompts prompts;
    std::string prompt;
    DuringModal typeAndConfirm([&prompt] {
        auto* box = dynamic_cast<TInputBox*>(Window::FromHandle(FindWindowA("TInputBox", "Add Delay")));
        if (!box) return;
        prompt = box->lbPrompt.Text();
        box->txValue.SetText("250");
        Click(box->btOK.Handle());
    });
    EXPECT_EQ(prompts.InputBox(nullptr, "Add Delay", "Please enter millisecond", ""), "250");
    EXPECT_EQ(prompt, "Please enter millisecond");

    DuringModal typeAndCancel([] {
        auto* box = dynamic_cast<TInputBox*>(Window::FromHandle(FindWindowA("TInputBox", "Add Delay")));
        if (!box) return;
        EXPECT_EQ(box->txValue.Text(), "7");
        box->txValue.SetText("250");
        Click(box->btCancel.Handle());
    });
    EXPECT_EQ(prompts.InputBox(nullptr, "Add Delay", "Please enter millisecond", "7"), "7");
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
