// The editor's commit against a real binding over the simulated hotkeys:
// what reaches the table, the registrations and the list file, and what is
// refused without changing anything.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

#include "dispatch/MacroBinding.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeMessageLoop.h"
#include "platform/fake/FakeScreen.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeTopLevelWindows.h"
#include "runner/MacroRunner.h"
#include "support/Shortcuts.h"
#include "support/TestFiles.h"
#include "uilogic/EditorChecks.h"
#include "uilogic/EditorCommit.h"

namespace kv {
namespace {

constexpr unsigned kCtrlShift = kModControl | kModShift;

class EditorCommit : public ::testing::Test {
protected:
    EditorCommit() {
        folder = temp_.Path();
        runner = std::make_unique<MacroRunner>(RunnerPlatform{loop, shell, input, screen, windows, system}, "Keyvane");
        binding = std::make_unique<MacroBinding>(api, *runner, folder + "/macrolist.lis");
    }
    ~EditorCommit() override { binding.reset(); }

    std::string ListFile() const {
        std::ifstream in(binding->ListPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // A request for a new program macro that passes every check.
    CommitRequest NewProgram(std::uint32_t hotKey = kCtrlShiftF5) {
        CommitRequest r;
        r.hotKey = hotKey;
        r.page = pgRunProgram;
        r.pages.lsbRunList = {"C:\\Tools\\notes.exe"};
        r.description = "Open notes";
        return r;
    }
    int Store(const CommitRequest& r) {
        CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
        EXPECT_TRUE(out.stored) << out.refusal.text;
        binding->SaveListFile();
        return out.slot;
    }
    // Opens slot index for editing, as EditSelectedHotKey does.
    CommitRequest EditOf(int index) {
        binding->table.EditIndex = index;
        const MacroSlot& slot = binding->table.Macros[index];
        CommitRequest r;
        r.editMode = true;
        r.hotKey = slot.HotKey;
        r.page = PageOfKind(slot.ActionKind);
        LoadPagePayload(r.pages, r.page, slot.ActionData);
        r.description = slot.Description;
        return r;
    }

    TempFolder temp_{"kv-editor"};
    std::string folder;
    FakeHotKeyApi api;
    ModifierNames modifierNames;  // the defaults: Ctrl, Shift, Alt, Win
    FakeMessageLoop loop;
    FakeShell shell;
    FakeInput input;
    FakeScreen screen;
    FakeTopLevelWindows windows;
    FakeSystem system;
    std::unique_ptr<MacroRunner> runner;
    std::unique_ptr<MacroBinding> binding;
};

TEST_F(EditorCommit, NewMacroOfEveryKindReachesTableRegistrationAndFile) {
    struct {
        int page;
        void (*fill)(EditorPages&);
        const char* kind;
        const char* payload;
    } cases[] = {
        {pgRunProgram, [](EditorPages& p) { p.lsbRunList = {"C:\\Tools\\notes.exe"}; }, "RUNPRG",
         "C:\\Tools\\notes.exe"},
        {pgOpenUrl, [](EditorPages& p) { p.lsbURLs = {"http://www.keyvane.example/"}; }, "OPNURL",
         "http://www.keyvane.example/"},
        {pgScreenCapture, [](EditorPages& p) { p.txSSPath = "C:\\Keyvane\\"; }, "SCRCAP", "C:\\Keyvane\\|Bitmap"},
        {pgKeyEvents,
         [](EditorPages& p) {
             p.lsbKeys = {"Hello{ENTER}", "{DELAY500}", "^s"};
         },
         "KEYEVN", "Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY500}|^s"},
        {pgMouseEvents,
         [](EditorPages& p) {
             p.lsbMouse = {"{X:10,Y:10}", "{LBUTTON}"};
         },
         "MOUSEE", "Once|0|{X:10,Y:10}|{LBUTTON}"},
    };
    for (const auto& c : cases) {
        binding->table.MacroCount = 0;
        binding->hotKeyHook.ClearHotKeys();
        CommitRequest r;
        r.hotKey = kCtrlShiftF5;
        r.page = c.page;
        c.fill(r.pages);
        r.description = "My macro";
        CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
        ASSERT_TRUE(out.stored) << c.kind << ": " << out.refusal.text;
        binding->SaveListFile();

        const MacroSlot& slot = binding->table.Macros[0];
        EXPECT_EQ(out.slot, 0);
        EXPECT_EQ(binding->table.MacroCount, 1);
        EXPECT_TRUE(slot.Enabled);
        EXPECT_EQ(slot.HotKey, kCtrlShiftF5);
        EXPECT_EQ(slot.ActionKind, c.kind);
        EXPECT_EQ(slot.ActionData, c.payload);
        EXPECT_TRUE(api.IsRegistered(kCtrlShift, 0x74));
        EXPECT_EQ(ListFile(),
                  std::to_string(slot.UniqueID) + ";-1;" + c.kind + ";24692;" + c.payload + ";My macro@\r\n");
    }
}

TEST_F(EditorCommit, NoKeyChosenIsAWarningAndChangesNothing) {
    CommitRequest r = NewProgram(0);
    CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.refusal.text, "No hotkey specified.");
    EXPECT_EQ(out.refusal.icon, MessageIcon::Warning);
    EXPECT_EQ(binding->table.MacroCount, 0);
}

TEST_F(EditorCommit, TakenShortcutIsRefusedWithItsText) {
    api.TakeByAnotherProgram(kCtrlShift, 0x74);
    CommitOutcome out = CommitMacro(NewProgram(), *binding, api, modifierNames);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.refusal.text,
              "Ctrl+Shift+F5 is already using. Please select another hotkey.\n"
              "Ctrl+Shift+F5 is taken by another program.");
    EXPECT_EQ(out.refusal.icon, MessageIcon::None);
    EXPECT_EQ(binding->table.MacroCount, 0);
    EXPECT_TRUE(binding->hotKeyHook.Records().empty());
}

TEST_F(EditorCommit, ShortcutOfAnotherMacroIsRefused) {
    Store(NewProgram());
    CommitOutcome out = CommitMacro(NewProgram(), *binding, api, modifierNames);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(binding->table.MacroCount, 1);
}

TEST_F(EditorCommit, RefusalsOfContentComeBeforeAnythingChanges) {
    struct {
        const char* name;
        void (*change)(CommitRequest&);
        const char* names;
    } cases[] = {
        {"empty program list", [](CommitRequest& r) { r.pages.lsbRunList.clear(); }, "at least one program"},
        {"empty URL list", [](CommitRequest& r) { r.page = pgOpenUrl; }, "at least one URL"},
        {"pipe in entry", [](CommitRequest& r) { r.pages.lsbRunList = {"a|b.exe"}; }, "\"|\""},
        {"semicolon in entry", [](CommitRequest& r) { r.pages.lsbRunList = {"a;b.exe"}; }, "\";\""},
        {"semicolon in description", [](CommitRequest& r) { r.description = "a;b"; }, "\";\""},
        {"at in description", [](CommitRequest& r) { r.description = "a@b"; }, "\"@\""},
        {"pipe in window name",
         [](CommitRequest& r) {
             r.page = pgKeyEvents;
             ChooseWinType(r.pages, kCustomWindow);
             r.pages.txWindowName = "a|b";
         },
         "The window name"},
    };
    for (const auto& c : cases) {
        CommitRequest r = NewProgram();
        c.change(r);
        CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
        EXPECT_FALSE(out.stored) << c.name;
        EXPECT_NE(out.refusal.text.find(c.names), std::string::npos) << c.name << ": " << out.refusal.text;
        EXPECT_EQ(out.refusal.icon, MessageIcon::Warning) << c.name;
        EXPECT_EQ(binding->table.MacroCount, 0) << c.name;
        EXPECT_TRUE(binding->hotKeyHook.Records().empty()) << c.name;
    }
}

TEST_F(EditorCommit, LineBreaksOfTheDescriptionAreStoredAsSpaces) {
    CommitRequest r = NewProgram();
    r.description = "first\r\nsecond";
    Store(r);
    EXPECT_EQ(binding->table.Macros[0].Description, "first second");
    EXPECT_NE(ListFile().find(";first second@\r\n"), std::string::npos);
}

TEST_F(EditorCommit, FullTableRefusesANewMacroButStillEditsOne) {
    binding->table.MacroCount = kMaxMacros;
    CommitOutcome out = CommitMacro(NewProgram(), *binding, api, modifierNames);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.refusal.text, kTableFullMessage);
    EXPECT_EQ(binding->table.MacroCount, kMaxMacros);
    EXPECT_TRUE(api.Registrations().empty());

    binding->table.EditIndex = 999;
    CommitRequest edit = NewProgram(kCtrlShiftF6);
    edit.editMode = true;
    out = CommitMacro(edit, *binding, api, modifierNames);
    EXPECT_TRUE(out.stored) << out.refusal.text;
    EXPECT_EQ(out.slot, 999);
}

TEST_F(EditorCommit, EditingWithTheSameShortcutSucceedsAndKeepsTheSlot) {
    Store(NewProgram());
    Store(NewProgram(kCtrlShiftF6));
    CommitRequest r = EditOf(0);
    r.pages.lsbRunList.push_back("C:\\Tools\\second.exe");
    r.description = "changed";
    CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
    ASSERT_TRUE(out.stored) << out.refusal.text;
    EXPECT_EQ(out.slot, 0);
    EXPECT_EQ(binding->table.MacroCount, 2);
    const MacroSlot& slot = binding->table.Macros[0];
    EXPECT_EQ(slot.ActionData, "C:\\Tools\\notes.exe|C:\\Tools\\second.exe");
    EXPECT_EQ(slot.Description, "changed");
    EXPECT_NE(slot.UniqueID, 0u);
    EXPECT_TRUE(SlotOwnsRegistration(*binding, 0));
    EXPECT_EQ(binding->hotKeyHook.Records().size(), 2u);
}

TEST_F(EditorCommit, EditingToAnotherFreeShortcutReleasesTheOldOne) {
    Store(NewProgram());
    CommitRequest r = EditOf(0);
    r.hotKey = kCtrlShiftF6;
    ASSERT_TRUE(CommitMacro(r, *binding, api, modifierNames).stored);
    EXPECT_FALSE(api.IsRegistered(kCtrlShift, 0x74));
    EXPECT_TRUE(api.IsRegistered(kCtrlShift, 0x75));
    EXPECT_EQ(binding->hotKeyHook.Records().size(), 1u);
}

// A failed availability check in edit mode must not cost the macro its
// registration: it keeps working when the user then closes the editor.
TEST_F(EditorCommit, RefusedEditKeepsTheOldRegistration) {
    Store(NewProgram());
    const std::uint32_t id = binding->table.Macros[0].UniqueID;
    api.TakeByAnotherProgram(kCtrlShift, 0x75);
    CommitRequest r = EditOf(0);
    r.hotKey = kCtrlShiftF6;
    CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.refusal.text,
              "Ctrl+Shift+F6 is already using. Please select another hotkey.\n"
              "Ctrl+Shift+F6 is taken by another program.");
    EXPECT_TRUE(SlotOwnsRegistration(*binding, 0));
    EXPECT_EQ(binding->table.Macros[0].UniqueID, id);

    // The press still reaches the macro.
    EXPECT_TRUE(api.Press(kCtrlShift, 0x74));
    EXPECT_EQ(shell.opened.size(), 1u);

    // A refusal of the content leaves it working too.
    r = EditOf(0);
    r.pages.lsbRunList = {"a|b"};
    EXPECT_FALSE(CommitMacro(r, *binding, api, modifierNames).stored);
    EXPECT_TRUE(SlotOwnsRegistration(*binding, 0));
}

// A second macro with the same shortcut holds no registration (identifier 0);
// editing it must not release the first macro's registration.
TEST_F(EditorCommit, EditingAnUnregisteredDuplicateLeavesTheOtherMacroAlone) {
    Store(NewProgram());
    binding->StoreMacro(kCtrlShiftF5, "RUNPRG", "C:\\b.exe", "", false);
    ASSERT_EQ(binding->table.Macros[1].UniqueID, 0u);
    EXPECT_FALSE(SlotOwnsRegistration(*binding, 1));

    CommitRequest r = EditOf(1);
    CommitOutcome out = CommitMacro(r, *binding, api, modifierNames);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.refusal.text,
              "Ctrl+Shift+F5 is already using. Please select another hotkey.\n"
              "Ctrl+Shift+F5 is used by the macro \"Open notes\".");
    EXPECT_TRUE(SlotOwnsRegistration(*binding, 0));

    r.hotKey = kCtrlShiftF6;
    ASSERT_TRUE(CommitMacro(r, *binding, api, modifierNames).stored);
    EXPECT_TRUE(SlotOwnsRegistration(*binding, 0));
    EXPECT_TRUE(SlotOwnsRegistration(*binding, 1));
}

TEST_F(EditorCommit, OpenedWindowAndSystemActionsKeepTheirKind) {
    binding->StoreMacro(kCtrlShiftF5, "WINACT", "Restore all Windows", "w", false);
    binding->StoreMacro(kCtrlShiftF6, "MISCEL", "Shut down Windows|0", "m", false);

    CommitRequest w = EditOf(0);
    EXPECT_EQ(w.page, pgWindowActions);
    ASSERT_TRUE(CommitMacro(w, *binding, api, modifierNames).stored);
    EXPECT_EQ(binding->table.Macros[0].ActionKind, "WINACT");
    EXPECT_EQ(binding->table.Macros[0].ActionData, "Restore all Windows");

    CommitRequest m = EditOf(1);
    m.pages.cbConfirm = true;
    ASSERT_TRUE(CommitMacro(m, *binding, api, modifierNames).stored);
    EXPECT_EQ(binding->table.Macros[1].ActionKind, "MISCEL");
    EXPECT_EQ(binding->table.Macros[1].ActionData, "Shut down Windows|-1");
}

TEST_F(EditorCommit, ChoosingAnotherCategoryInEditModeReplacesKindAndPayload) {
    Store(NewProgram());
    CommitRequest r = EditOf(0);
    r.page = pgScreenCapture;
    r.pages.txSSPath = "D:\\Shots";
    r.pages.cbFormat = kJpeg;
    ASSERT_TRUE(CommitMacro(r, *binding, api, modifierNames).stored);
    EXPECT_EQ(binding->table.Macros[0].ActionKind, "SCRCAP");
    EXPECT_EQ(binding->table.Macros[0].ActionData, "D:\\Shots|JPEG");
}

TEST_F(EditorCommit, WinIsKeptWhenAnOpenedShortcutHasIt) {
    binding->StoreMacro(0x10045, "RUNPRG", "a.exe", "", false);
    CommitRequest r = EditOf(0);
    ASSERT_TRUE(CommitMacro(r, *binding, api, modifierNames).stored);
    EXPECT_EQ(binding->table.Macros[0].HotKey, 0x10045u);
    EXPECT_TRUE(api.IsRegistered(kModWin, 0x45));
}

TEST_F(EditorCommit, CheckAvailabilityTextsAndIcons) {
    Notice free = CheckAvailability(api, modifierNames, kCtrlShiftF5, binding->table);
    EXPECT_EQ(free.text, "Ctrl+Shift+F5 is available for registration.");
    EXPECT_EQ(free.icon, MessageIcon::Information);
    EXPECT_TRUE(api.Registrations().empty());  // the probe leaves nothing behind

    Store(NewProgram());
    Notice taken = CheckAvailability(api, modifierNames, kCtrlShiftF5, binding->table);
    EXPECT_EQ(taken.text,
              "Ctrl+Shift+F5 is NOT available for registration.\n"
              "Ctrl+Shift+F5 is used by the macro \"Open notes\".");

    Notice none = CheckAvailability(api, modifierNames, 0, binding->table);
    EXPECT_EQ(none.text, " doesn't appear to be a hotkey.");
    EXPECT_EQ(none.icon, MessageIcon::Warning);

    EXPECT_EQ(CheckAvailability(api, modifierNames, 0x74, binding->table).text, "F5 is available for registration.");
}

}  // namespace
}  // namespace kv
