// The editor used with the keyboard only: the keys go through the
// program's own message loop (IsDialogMessage and all), posted to the
// control that has the focus as the keyboard would deliver them.
#include "editor_support.h"

namespace kv {
namespace editor_test {
namespace {

class EditorKeyboardTest : public EditorTest {
protected:
    // A new editor shown as New shows it, with the focus on its first control.
    EditorForm& ShownEditor() {
        EditorForm& editor = form_->CreateEditor(false);
        editor.FormShow();
        ShowWindow(editor.Handle(), SW_SHOW);
        SetForegroundWindow(editor.Handle());
        SetFocus(editor.ctrlBox.Handle());
        return editor;
    }

    void Key(WORD vk, bool shift = false) { keys_.Key(vk, shift); }
    void Tab(int times = 1) { keys_.Tab(times); }
    void Alt(char letter) { keys_.Alt(letter); }
    void TypeText(const std::string& text) { keys_.Type(text); }
    // The tab stops in tab order, from the first control round to it again.
    std::vector<HWND> TabCycle(EditorForm& editor) {
        std::vector<HWND> seen;
        SetFocus(editor.ctrlBox.Handle());
        for (int i = 0; i < 60; ++i) {
            seen.push_back(GetFocus());
            Tab();
            if (GetFocus() == editor.ctrlBox.Handle()) break;
        }
        return seen;
    }
    static bool CuesHidden(HWND control, UINT cue) { return KeyboardCueHidden(control, cue); }

    Keyboard keys_{Loop(), [this] { return form_->frmAdd ? form_->frmAdd->Handle() : nullptr; }};
};

TEST_F(EditorKeyboardTest, FilledAndCommittedWithKeysOnly) {
    Start();
    EditorForm& editor = ShownEditor();
    // Ctrl is checked already; Shift with Space.
    Tab();
    ASSERT_EQ(GetFocus(), editor.shiftBox.Handle());
    Key(VK_SPACE);
    EXPECT_TRUE(editor.shiftBox.Checked());
    Tab(2);
    ASSERT_EQ(GetFocus(), editor.keyCombo.Handle());
    TypeText("F");  // the first key named F...
    for (int i = 0; i < 300 && editor.keyCombo.Chosen() != Text(VK_F5); ++i) Key(VK_DOWN);
    ASSERT_EQ(editor.keyCombo.Chosen(), Text(VK_F5));
    // The availability check is a flat button: Space presses it.
    Tab();
    ASSERT_EQ(GetFocus(), editor.checkAvailabilityButton.Handle());
    Key(VK_SPACE);
    EXPECT_EQ(prompts_.Last().text, Text(24692) + " is available for registration.");
    // The category list: Down chooses "Open Url" and shows its page.
    Tab();
    ASSERT_EQ(GetFocus(), editor.categoryCombo.Handle());
    Key(VK_DOWN);
    EXPECT_EQ(editor.ActivePage(), pgOpenUrl);
    Tab();
    ASSERT_EQ(GetFocus(), editor.urlEdit.Handle());
    TypeText("http://k.example/");
    Tab();
    ASSERT_EQ(GetFocus(), editor.addUrlButton.Handle());
    Key(VK_RETURN);  // Enter presses the focused flat button, not the default one
    EXPECT_EQ(editor.urlList.Items(), std::vector<std::string>{"http://k.example/"});
    EXPECT_FALSE(editor.Closed());
    Tab(2);
    ASSERT_EQ(GetFocus(), editor.descriptionMemo.Handle());
    TypeText("Open k");
    // Tab leaves the description and Shift+Tab comes back into it.
    Tab();
    EXPECT_EQ(GetFocus(), editor.commitButton.Handle());
    Key(VK_TAB, true);
    EXPECT_EQ(GetFocus(), editor.descriptionMemo.Handle());
    EXPECT_EQ(editor.descriptionMemo.Text(), "Open k");  // no tab typed into it
    // Enter commits: the commit button is the default button.
    Key(VK_RETURN);
    ASSERT_TRUE(editor.Closed()) << prompts_.Last().text;
    ASSERT_EQ(Binding().table.MacroCount, 1);
    const MacroSlot& slot = Binding().table.Macros[0];
    EXPECT_EQ(slot.HotKey, 24692u);
    EXPECT_EQ(slot.ActionKind, "OPNURL");
    EXPECT_EQ(slot.ActionData, "http://k.example/");
    EXPECT_EQ(slot.Description, "Open k");
}

TEST_F(EditorKeyboardTest, EscClosesAndAsksOnlyWhenAFieldChanged) {
    Start();
    {
        EditorForm& editor = ShownEditor();
        Key(VK_ESCAPE);
        EXPECT_TRUE(editor.Closed());
        EXPECT_TRUE(prompts_.asked.empty());
    }
    EditorForm& editor = ShownEditor();
    Key(VK_SPACE);  // Ctrl off: the shortcut changed
    prompts_.confirmAnswers.push_back(false);
    Key(VK_ESCAPE);
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_EQ(prompts_.Last().kind, "confirm");
    EXPECT_EQ(prompts_.Last().text, "Discard the changes to this macro?");
    EXPECT_TRUE(prompts_.Last().defaultNo);
    EXPECT_FALSE(editor.Closed());
    EXPECT_FALSE(editor.ctrlBox.Checked());  // No keeps the input
    // Undone, the change no longer counts.
    Key(VK_SPACE);
    Key(VK_ESCAPE);
    EXPECT_TRUE(editor.Closed());
    EXPECT_EQ(prompts_.asked.size(), 1u);

    EditorForm& typed = ShownEditor();
    SetFocus(typed.descriptionMemo.Handle());
    TypeText("half done");
    Key(VK_ESCAPE);  // in the description: nothing at all
    EXPECT_FALSE(typed.Closed());
    EXPECT_EQ(typed.descriptionMemo.Text(), "half done");
    EXPECT_EQ(prompts_.asked.size(), 1u);
    SetFocus(typed.ctrlBox.Handle());
    prompts_.confirmAnswers.push_back(true);
    SendMessageA(typed.Handle(), WM_CLOSE, 0, 0);  // the close box asks the same
    EXPECT_EQ(prompts_.asked.size(), 2u);
    EXPECT_TRUE(typed.Closed());
    EXPECT_EQ(Binding().table.MacroCount, 0);
}

TEST_F(EditorKeyboardTest, TabReachesEveryControlOfEachPageInReadingOrder) {
    Start();
    EditorForm& e = ShownEditor();
    const std::vector<HWND> head = {e.ctrlBox.Handle(),
                                    e.shiftBox.Handle(),
                                    e.altBox.Handle(),
                                    e.keyCombo.Handle(),
                                    e.checkAvailabilityButton.Handle(),
                                    e.categoryCombo.Handle()};
    const std::vector<HWND> tail = {e.descriptionMemo.Handle(), e.commitButton.Handle()};
    auto panel = [](ListEditorPanel& p) {
        return std::vector<HWND>{p.addDelayButton.Handle(), p.removeButton.Handle(),   p.upButton.Handle(),
                                 p.downButton.Handle(),     p.saveListButton.Handle(), p.loadListButton.Handle(),
                                 p.clearListButton.Handle()};
    };
    struct PageCase {
        int page;
        std::vector<HWND> controls;
    } cases[] = {
        {pgRunProgram,
         {e.programPathEdit.Handle(), e.browseProgramButton.Handle(), e.addProgramButton.Handle(),
          e.programList.Handle()}},
        {pgOpenUrl, {e.urlEdit.Handle(), e.addUrlButton.Handle(), e.urlList.Handle()}},
        {pgScreenCapture, {e.captureFolderEdit.Handle(), e.chooseFolderButton.Handle(), e.formatCombo.Handle()}},
        {pgKeyEvents,
         {e.windowTypeCombo.Handle(), e.keyRepeatCombo.Handle(), e.keyPanel.list.Handle(), e.addKeyButton.Handle()}},
        {pgMouseEvents,
         {e.mouseRepeatCombo.Handle(), e.xEdit.Handle(), e.yEdit.Handle(), e.addPositionButton.Handle(),
          e.mouseButtonCombo.Handle(), e.addMouseButtonButton.Handle(), e.mousePanel.list.Handle()}},
    };
    for (PageCase& c : cases) {
        SCOPED_TRACE(c.page);
        Pick(e.categoryCombo.Handle(), c.page);
        if (c.page == pgKeyEvents || c.page == pgMouseEvents) {
            for (HWND h : panel(c.page == pgKeyEvents ? e.keyPanel : e.mousePanel)) c.controls.push_back(h);
        }
        std::vector<HWND> expected = head;
        expected.insert(expected.end(), c.controls.begin(), c.controls.end());
        expected.insert(expected.end(), tail.begin(), tail.end());
        EXPECT_EQ(TabCycle(e), expected);
    }
}

TEST_F(EditorKeyboardTest, FocusRectanglesAndUnderlinesShowOnlyOnceTheKeyboardIsUsed) {
    Start();
    bool hiddenAtFirst = false, focusShownByTab = false, accelShownByAlt = false, firstFocus = false;
    DuringModal drive([&] {
        EditorForm& e = *form_->frmAdd;
        firstFocus = GetFocus() == e.ctrlBox.Handle();
        // The captions look as they are written: no underline (where the
        // platform would draw one for any "&", the "&" waits for the keyboard).
        hiddenAtFirst =
            CuesHidden(e.commitButton.Handle(), UISF_HIDEFOCUS) &&
            CuesHidden(e.commitButton.Handle(), UISF_HIDEACCEL) &&
            (DefWindowProcA(e.Handle(), WM_QUERYUISTATE, 0, 0) ? WindowText(e.commitButton.Handle()) == "&Add"
                                                               : WindowText(e.commitButton.Handle()) == "Add");
        Tab();
        focusShownByTab = !CuesHidden(e.commitButton.Handle(), UISF_HIDEFOCUS);
        e.Close();
    });
    form_->OnAddMacro();
    EXPECT_TRUE(firstFocus);
    EXPECT_TRUE(hiddenAtFirst);
    EXPECT_TRUE(focusShownByTab);

    DuringModal alt([&] {
        EditorForm& e = *form_->frmAdd;
        Alt('t');
        accelShownByAlt = !CuesHidden(e.commitButton.Handle(), UISF_HIDEACCEL) &&
                          WindowText(e.commitButton.Handle()) == "&Add" && GetFocus() == e.categoryCombo.Handle();
        e.Close();
    });
    form_->OnAddMacro();
    EXPECT_TRUE(accelShownByAlt);
}

TEST_F(EditorKeyboardTest, AltLettersReachLabelsAndButtons) {
    Start();
    EditorForm& e = ShownEditor();
    Alt('t');  // Ac&tion: the category list
    EXPECT_EQ(GetFocus(), e.categoryCombo.Handle());
    Alt('d');  // &Description
    EXPECT_EQ(GetFocus(), e.descriptionMemo.Handle());
    Alt('h');  // S&hift
    EXPECT_TRUE(e.shiftBox.Checked());
    Pick(e.categoryCombo.Handle(), pgKeyEvents);
    prompts_.inputAnswers.push_back("250");
    Alt('e');  // Add D&elay
    EXPECT_EQ(e.keyPanel.list.Items(), std::vector<std::string>{"{DELAY250}"});
    Alt('i');  // Clear L&ist
    EXPECT_EQ(e.keyPanel.list.Count(), 0);
    Pick(e.categoryCombo.Handle(), pgMouseEvents);
    Alt('x');
    EXPECT_EQ(GetFocus(), e.xEdit.Handle());
}

}  // namespace
}  // namespace editor_test
}  // namespace kv
