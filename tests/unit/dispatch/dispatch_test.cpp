#include "runner/runner_fixture.h"

namespace kv {
namespace {

using DispatchTest = RunnerFixture;

// Three program macros on Ctrl+Shift+F5, F6 and F7.
const char kThreeMacros[] =
    "1;-1;RUNPRG;24692;first.exe;First@\r\n"
    "2;-1;RUNPRG;24693;second.exe;Second@\r\n"
    "3;-1;RUNPRG;24694;third.exe;Third@\r\n";

std::vector<std::string> Files(const FakeShell& shell) {
    std::vector<std::string> files;
    for (const auto& o : shell.opened) files.push_back(o.file);
    return files;
}

TEST_F(DispatchTest, PressRunsTheSlotRegisteredUnderItsIdentifier) {
    WriteList(kThreeMacros);
    ASSERT_TRUE(binding->LoadListFile().completed);
    EXPECT_TRUE(hotkeys.Press(kCtrlShift, kVkF6));
    EXPECT_TRUE(hotkeys.Press(kCtrlShift, kVkF5));
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"second.exe", "first.exe"}));
}

TEST_F(DispatchTest, AllDisabledIgnoresPressesButKeepsTheRegistrations) {
    WriteList(kThreeMacros);
    binding->LoadListFile();
    binding->AllDisabled = true;
    EXPECT_TRUE(hotkeys.Press(kCtrlShift, kVkF5));  // the keystroke is still taken
    EXPECT_TRUE(shell.opened.empty());
    binding->AllDisabled = false;
    hotkeys.Press(kCtrlShift, kVkF5);
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"first.exe"}));
}

TEST_F(DispatchTest, SwitchedOffSlotLeavesItsShortcutFreeAndRunsNothing) {
    WriteList("1;0;RUNPRG;24692;first.exe;@\r\n");
    binding->LoadListFile();
    EXPECT_FALSE(hotkeys.IsRegistered(kCtrlShift, kVkF5));
    EXPECT_EQ(binding->table.Macros[0].UniqueID, 0u);
    EXPECT_TRUE(binding->RefusedSlots().empty());  // off is not refused
    EXPECT_FALSE(hotkeys.Press(kCtrlShift, kVkF5));
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(DispatchTest, SwitchOffFreesTheShortcutAndSwitchOnTakesItBack) {
    WriteList(kThreeMacros);
    binding->LoadListFile();
    ListFileResult saved;
    ASSERT_TRUE(binding->SwitchMacro(1, false, saved));
    EXPECT_TRUE(saved.completed);
    EXPECT_FALSE(hotkeys.IsRegistered(kCtrlShift, kVkF6));
    EXPECT_EQ(binding->table.Macros[1].UniqueID, 0u);
    EXPECT_NE(ReadList().find("0;0;RUNPRG;24693;second.exe;Second@"), std::string::npos);
    EXPECT_FALSE(hotkeys.Press(kCtrlShift, kVkF6));

    ASSERT_TRUE(binding->SwitchMacro(1, true, saved));
    EXPECT_TRUE(hotkeys.IsRegistered(kCtrlShift, kVkF6));
    EXPECT_TRUE(binding->table.Macros[1].Enabled);
    EXPECT_NE(ReadList().find(";-1;RUNPRG;24693;second.exe;Second@"), std::string::npos);
    EXPECT_TRUE(hotkeys.Press(kCtrlShift, kVkF6));
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"second.exe"}));
}

TEST_F(DispatchTest, SwitchOnOfATakenShortcutLeavesTheMacroOff) {
    WriteList(kThreeMacros);
    binding->LoadListFile();
    ListFileResult saved;
    ASSERT_TRUE(binding->SwitchMacro(0, false, saved));
    const std::string fileWhenOff = ReadList();
    hotkeys.TakeByAnotherProgram(kCtrlShift, kVkF5);
    EXPECT_FALSE(binding->SwitchMacro(0, true, saved));
    EXPECT_FALSE(binding->table.Macros[0].Enabled);
    EXPECT_EQ(binding->table.Macros[0].UniqueID, 0u);
    EXPECT_EQ(ReadList(), fileWhenOff);
    EXPECT_FALSE(binding->SwitchMacro(7, true, saved));  // no such macro
}

// Two macros on one shortcut: the second holds no registration, and switching
// it off must not free the first one's.
TEST_F(DispatchTest, SwitchingOffAnUnregisteredDuplicateKeepsTheHoldersRegistration) {
    WriteList("1;-1;RUNPRG;24692;first.exe;@\r\n2;-1;RUNPRG;24692;second.exe;@\r\n");
    binding->LoadListFile();
    EXPECT_EQ(binding->RefusedSlots(), std::vector<int>{1});
    ListFileResult saved;
    ASSERT_TRUE(binding->SwitchMacro(1, false, saved));
    EXPECT_TRUE(hotkeys.IsRegistered(kCtrlShift, kVkF5));
    EXPECT_TRUE(binding->RefusedSlots().empty());
    hotkeys.Press(kCtrlShift, kVkF5);
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"first.exe"}));
}

TEST_F(DispatchTest, UnknownIndexRunsNothing) {
    WriteList(kThreeMacros);
    binding->LoadListFile();
    binding->RunMacroRegisteredAs(0xFFFF);
    binding->RunMacroRegisteredAs(0);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(DispatchTest, TwoMacrosOnOneShortcutLoadBothAndTheFirstFires) {
    WriteList("1;-1;RUNPRG;24692;first.exe;@\r\n2;-1;RUNPRG;24692;second.exe;@\r\n");
    binding->LoadListFile();
    ASSERT_EQ(binding->table.MacroCount, 2);
    EXPECT_NE(binding->table.Macros[0].UniqueID, 0u);
    EXPECT_EQ(binding->table.Macros[1].UniqueID, 0u);
    hotkeys.Press(kCtrlShift, kVkF5);
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"first.exe"}));
}

TEST_F(DispatchTest, AfterDeletingTheSecondOfThreeTheOthersStillFire) {
    WriteList(kThreeMacros);
    binding->LoadListFile();
    ASSERT_TRUE(binding->DeleteMacro(1).completed);
    ASSERT_EQ(binding->table.MacroCount, 2);
    EXPECT_FALSE(hotkeys.IsRegistered(kCtrlShift, kVkF6));
    hotkeys.Press(kCtrlShift, kVkF7);
    hotkeys.Press(kCtrlShift, kVkF5);
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"third.exe", "first.exe"}));
    // The file's first fields carry the identifiers of the new registrations.
    std::string expected;
    for (int i = 0; i < 2; ++i) {
        const MacroSlot& slot = binding->table.Macros[i];
        expected += std::to_string(slot.UniqueID) + ";-1;RUNPRG;" + std::to_string(slot.HotKey) + ";" +
                    slot.ActionData + ";" + slot.Description + "@\r\n";
    }
    EXPECT_EQ(ReadList(), expected);
}

TEST_F(DispatchTest, NewMacroIsAppendedRegisteredAndSaved) {
    EXPECT_EQ(Add(kCtrlShiftF5, "RUNPRG", "C:\\Tools\\notes.exe"), 0);
    const MacroSlot& slot = binding->table.Macros[0];
    EXPECT_EQ(binding->table.MacroCount, 1);
    EXPECT_TRUE(slot.Enabled);
    EXPECT_GE(slot.UniqueID, 0xC000u);
    EXPECT_EQ(ReadList(), std::to_string(slot.UniqueID) + ";-1;RUNPRG;24692;C:\\Tools\\notes.exe;@\r\n");
    hotkeys.Press(kCtrlShift, kVkF5);
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"C:\\Tools\\notes.exe"}));
}

TEST_F(DispatchTest, EditingKeepsTheSlotAndItsShortcutWorks) {
    Add(kCtrlShiftF5, "RUNPRG", "old.exe");
    Add(kCtrlShiftF6, "RUNPRG", "other.exe");
    // The editor releases the old registration before it stores the slot again.
    binding->table.EditIndex = 0;
    binding->hotKeyHook.RemoveHotKey(kCtrlShiftF5);
    EXPECT_EQ(binding->StoreMacro(kCtrlShiftF5, "OPNURL", "http://example.test/", "Site", true), 0);
    EXPECT_EQ(binding->table.MacroCount, 2);
    EXPECT_NE(binding->table.Macros[0].UniqueID, 0u);
    hotkeys.Press(kCtrlShift, kVkF5);
    EXPECT_EQ(Files(shell), (std::vector<std::string>{"http://example.test/"}));
}

TEST_F(DispatchTest, FullTableRefusesANewMacro) {
    binding->table.MacroCount = kMaxMacros;
    EXPECT_EQ(binding->StoreMacro(kCtrlShiftF5, "RUNPRG", "x.exe", "", false), -1);
    EXPECT_EQ(binding->table.MacroCount, kMaxMacros);
    EXPECT_FALSE(hotkeys.IsRegistered(kCtrlShift, kVkF5));
}

TEST_F(DispatchTest, UnregisterAllReleasesEveryShortcutAndKeepsTheSlots) {
    WriteList(kThreeMacros);
    binding->LoadListFile();
    binding->UnregisterAllHotkeys();
    EXPECT_TRUE(hotkeys.Registrations().empty());
    EXPECT_EQ(binding->table.MacroCount, 3);
    EXPECT_FALSE(hotkeys.Press(kCtrlShift, kVkF5));
}

}  // namespace
}  // namespace kv
