// The rows of the main window's list: the filter, the order, and the slot
// each row stands for.
#include <memory>

#include <gtest/gtest.h>

#include "uilogic/MacroListRows.h"

namespace kv {
namespace {

std::string Text(std::uint32_t hotKey) { return hotKey == 1 ? "Ctrl+F5" : hotKey == 2 ? "Alt+B" : "Shift+Z"; }

class MacroListRowsTest : public testing::Test {
protected:
    MacroListRowsTest() {
        Add(1, 0xC001, "RUNPRG", "Open Notes");
        Add(2, 0xC000, "OPNURL", "news site");
        Add(3, 0, "KEYEVN", "type the date");
        Add(2, 0xC002, "ZZZZZZ", "notes backup");
        rows = MacroRows(*table, Text);
    }
    void Add(std::uint32_t hotKey, std::uint32_t id, const std::string& kind, const std::string& description) {
        table->Macros[static_cast<std::size_t>(table->MacroCount++)] =
            MacroSlot{true, id, hotKey, kind, "data", description, {}};
    }
    // The slots of the rows shown.
    std::vector<int> Shown(const std::string& filter, ListOrder order = {}) {
        std::vector<int> slots;
        for (std::size_t i : VisibleRows(rows, filter, order)) slots.push_back(rows[i].slot);
        return slots;
    }

    std::unique_ptr<MacroTable> table = std::make_unique<MacroTable>();
    std::vector<MacroRow> rows;
};

TEST_F(MacroListRowsTest, RowsCarryTheirSlotAndTheColumnTexts) {
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2].slot, 2);
    EXPECT_EQ(rows[2].cells[colNumber], "3");
    EXPECT_EQ(rows[2].cells[colShortcut], "Shift+Z");
    EXPECT_EQ(rows[2].cells[colAction], "Key Events");
    EXPECT_EQ(rows[2].cells[colDescription], "type the date");
    EXPECT_EQ(rows[2].cells[colUniqueId], "0");
    EXPECT_EQ(rows[3].cells[colAction], "Unknown (ZZZZZZ)");  // a kind this program does not know
}

TEST_F(MacroListRowsTest, FilterLooksAtShortcutActionAndDescriptionIgnoringCase) {
    const struct {
        const char* filter;
        std::vector<int> slots;
    } cases[] = {
        {"", {0, 1, 2, 3}},
        {"NOTES", {0, 3}},    // description, any case
        {"ctrl+", {0}},       // shortcut
        {"open", {0, 1}},     // description of 0, action "Open URL" of 1
        {"key events", {2}},  // action
        {"49152", {}},        // the identifier is not searched
        {"4", {}},            // nor the number
        {"no such text", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Shown(c.filter), c.slots) << c.filter;
    EXPECT_TRUE(RowMatches(rows[1], "NEWS"));
    EXPECT_FALSE(RowMatches(rows[1], "notes"));
}

TEST_F(MacroListRowsTest, SortByAnyColumnBothWaysKeepingSlotOrderForTies) {
    const struct {
        ListOrder order;
        std::vector<int> slots;
    } cases[] = {
        {{colNumber, false}, {0, 1, 2, 3}},      {{colNumber, true}, {3, 2, 1, 0}},
        {{colShortcut, false}, {1, 3, 0, 2}},     // Alt+B twice (slot order), Ctrl+F5, Shift+Z
        {{colShortcut, true}, {2, 0, 1, 3}},      // ties keep slot order both ways
        {{colAction, false}, {2, 1, 0, 3}},       // Key Events, Open URL, Run Program, Unknown (ZZZZZZ)
        {{colDescription, false}, {1, 3, 0, 2}},  // news, notes, Open (case ignored), type
        {{colUniqueId, false}, {2, 1, 0, 3}},     // 0, 49152, 49153, 49154 as numbers
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Shown("", c.order), c.slots) << c.order.column << (c.order.descending ? " desc" : " asc");
    }
    // Filter and order together: the rows shown are still the right macros.
    EXPECT_EQ(Shown("notes", {colDescription, true}), (std::vector<int>{0, 3}));
}

TEST_F(MacroListRowsTest, NumbersSortAsNumbers) {
    for (int i = 0; i < 8; ++i) Add(1, 0, "RUNPRG", "more");
    rows = MacroRows(*table, Text);
    const std::vector<int> shown = Shown("more", {colNumber, false});
    EXPECT_EQ(shown.front(), 4);
    EXPECT_EQ(shown.back(), 11);  // "12" after "5", not before it
}

TEST_F(MacroListRowsTest, ClickingAHeaderSortsByItAndAgainTurnsItAround) {
    ListOrder order;
    order = ClickColumn(order, colDescription);
    EXPECT_EQ(order.column, colDescription);
    EXPECT_FALSE(order.descending);
    order = ClickColumn(order, colDescription);
    EXPECT_TRUE(order.descending);
    order = ClickColumn(order, colShortcut);
    EXPECT_EQ(order.column, colShortcut);
    EXPECT_FALSE(order.descending);
}

}  // namespace
}  // namespace kv
