// Naming the holder of a refused shortcut, and the import's report box.
#include <memory>

#include <gtest/gtest.h>

#include "hotkeys/HotKeyValue.h"
#include "uilogic/ImportSummary.h"
#include "uilogic/ShortcutConflicts.h"

namespace kv {
namespace {

constexpr std::uint32_t kCtrlShiftF5 = 24692, kCtrlShiftF6 = 24693;

std::string Text(std::uint32_t hotKey) { return "<" + std::to_string(hotKey) + ">"; }

class Conflicts : public testing::Test {
protected:
    void Add(std::uint32_t hotKey, std::uint32_t id, const std::string& description, bool enabled = true) {
        table->Macros[static_cast<std::size_t>(table->MacroCount++)] =
            MacroSlot{enabled, id, hotKey, "RUNPRG", "x.exe", description, {}};
    }
    std::unique_ptr<MacroTable> table = std::make_unique<MacroTable>();
};

TEST_F(Conflicts, TheHolderIsNamed) {
    Add(kCtrlShiftF5, 0xC000, "Open notes");
    Add(kCtrlShiftF5, 0, "Duplicate");  // refused: holds nothing
    const struct {
        std::uint32_t hotKey;
        int asking;
        const char* expected;
    } cases[] = {
        {kCtrlShiftF5, -1, "S is used by the macro \"Open notes\"."},
        {kCtrlShiftF5, 1, "S is used by the macro \"Open notes\"."},
        {kCtrlShiftF5, 0, "S is taken by another program."},  // the asking macro is not its own conflict
        {kCtrlShiftF6, -1, "S is taken by another program."},
        {kHotKeyWin | 'L', -1, "S is reserved by Windows."},
        {kHotKeyCtrl | kHotKeyAlt | 0x2E, -1, "S is reserved by Windows."},
        {0x7B, -1, "S is reserved by Windows."},
        {kHotKeyShift | 0x7B, -1, "S is taken by another program."},  // only F12 alone is kept
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConflictText("S", c.hotKey, *table, c.asking), c.expected) << c.hotKey << " asked by " << c.asking;
    }
}

TEST_F(Conflicts, AMacroSwitchedOffHoldsNothing) {
    Add(kCtrlShiftF5, 0, "Off", false);
    EXPECT_EQ(HoldingSlot(*table, kCtrlShiftF5), -1);
}

TEST_F(Conflicts, ReservedTableCoversTheSystemKeysAndNothingElse) {
    for (const char* name :
         {"Win+L", "Win+D", "Win+E", "Win+R", "Win+Tab", "Ctrl+Alt+Del", "Ctrl+Shift+Esc", "Alt+Tab", "F12"}) {
        bool found = false;
        for (const ReservedShortcut& r : ReservedShortcuts()) found = found || std::string(r.name) == name;
        EXPECT_TRUE(found) << name;
    }
    EXPECT_TRUE(IsReservedByPlatform(kHotKeyAlt | 0x09));
    // Bits above the packed fields do not hide a reserved combination.
    EXPECT_TRUE(IsReservedByPlatform(0x100000 | kHotKeyWin | 'D'));
    EXPECT_FALSE(IsReservedByPlatform(kHotKeyWin | 'Q'));
    EXPECT_FALSE(IsReservedByPlatform(kCtrlShiftF5));
}

TEST_F(Conflicts, ImportSummaryListsAddedRefusedAndSkipped) {
    Add(kCtrlShiftF5, 0xC000, "Open notes");
    Add(kCtrlShiftF5, 0, "Imported notes", false);
    Add(kCtrlShiftF6, 0, "Other", false);
    ImportReport report;
    report.path = "C:\\in.lis";
    report.added = 2;
    report.refusedSlots = {1, 2};
    report.skipped = {{3, "it has fewer than six fields"}};
    EXPECT_TRUE(ImportSummaryIsWarning(report));
    EXPECT_EQ(ImportSummaryText(report, *table, Text),
              "2 macros were added from C:\\in.lis.\n\n"
              "2 macros are switched off because the shortcut could not be registered:\n"
              "\"Imported notes\": <24692> is used by the macro \"Open notes\".\n"
              "\"Other\": <24693> is taken by another program.\n\n"
              "1 line was skipped:\n"
              "Line 3: it has fewer than six fields.");

    ImportReport clean;
    clean.path = "in.lis";
    clean.added = 1;
    EXPECT_FALSE(ImportSummaryIsWarning(clean));
    EXPECT_EQ(ImportSummaryText(clean, *table, Text), "1 macro was added from in.lis.");
}

TEST_F(Conflicts, LongListsAreCutWithACountOfTheRest) {
    ImportReport report;
    report.path = "in.lis";
    for (std::size_t i = 1; i <= kImportSummaryListed + 3; ++i) report.skipped.push_back({i, "why"});
    const std::string text = ImportSummaryText(report, *table, Text);
    EXPECT_NE(text.find("Line 15: why."), std::string::npos);
    EXPECT_EQ(text.find("Line 16: why."), std::string::npos);
    EXPECT_NE(text.find("\n... and 3 more."), std::string::npos);
}

TEST_F(Conflicts, LoadAndSwitchRefusalsNameTheHolder) {
    Add(kCtrlShiftF5, 0xC000, "Open notes");
    Add(kCtrlShiftF5, 0, "Second notes");
    EXPECT_EQ(RefusedAtLoadText({}, *table, Text), "");
    EXPECT_EQ(RefusedAtLoadText({1}, *table, Text),
              "These macros do not run because their shortcut could not be registered:\n"
              "\"Second notes\": <24692> is used by the macro \"Open notes\".");
    EXPECT_EQ(StaysOffText(*table, 1, "S"),
              "The macro \"Second notes\" stays off: S is used by the macro \"Open notes\".");
}

}  // namespace
}  // namespace kv
