// Key list files, the list buttons, the delay entry, the special-key picker
// and the mouse page's entries.
#include <gtest/gtest.h>

#include "model/Split.h"
#include "runner/Delay.h"
#include "runner/KeyEvents.h"
#include "uilogic/ListEntries.h"

namespace kv {
namespace {

using Entries = std::vector<std::string>;

TEST(KeyListFile, EveryEntryEndsWithCrLf) {
    EXPECT_EQ(KeyListText({"{F1}", "", "abc"}), "{F1}\r\n\r\nabc\r\n");
    EXPECT_EQ(KeyListText({}), "");
    EXPECT_EQ(KeyListEntries("{F1}\r\n\r\nabc\r\n"), (Entries{"{F1}", "", "abc"}));
}

TEST(KeyListFile, ReadingCutsAtEveryKindOfLineEnd) {
    struct {
        const char* name;
        std::string text;
        Entries entries;
    } cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lone lf", "a\nb\n", {"a", "b"}},
        {"lone cr", "a\rb\r", {"a", "b"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"empty lines", "\r\n\n\r", {"", "", ""}},
        {"lf cr is two line ends", "a\n\rb", {"a", "", "b"}},
        {"text after the last line end", "a\r\nb", {"a", "b"}},
        {"nul ends the text", std::string("a\r\nb\0c\r\nd", 10), {"a", "b"}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyListEntries(c.text), c.entries) << c.name;
}

TEST(KeyListFile, SavedListsLoadBackUnchanged) {
    const Entries lists[] = {{"{X:10,Y:20}", "{LBUTTON}", "{DELAY100}"}, {"", " ", "a b"}, {}};
    for (const Entries& list : lists) EXPECT_EQ(KeyListEntries(KeyListText(list)), list);
}

TEST(ListMoves, UpAndDownMoveTheSelectedEntryWithItsSelection) {
    Entries e = {"a", "b", "c", "d", "e"};
    EXPECT_EQ(MoveEntryUp(e, 3), 2);
    EXPECT_EQ(e, (Entries{"a", "b", "d", "c", "e"}));
    EXPECT_EQ(MoveEntryDown(e, 2), 3);
    EXPECT_EQ(e, (Entries{"a", "b", "c", "d", "e"}));
}

TEST(ListMoves, NothingHappensAtTheEndsWithoutSelectionOrWithOneEntry) {
    const Entries start = {"a", "b", "c"};
    struct {
        const char* name;
        Entries entries;
        int selected;
        bool up;
    } cases[] = {
        {"up on the first", start, 0, true},       {"down on the last", start, 2, false},
        {"up without selection", start, -1, true}, {"down without selection", start, -1, false},
        {"up with one entry", {"a"}, 0, true},     {"down with one entry", {"a"}, 0, false},
        {"down on empty", {}, -1, false},
    };
    for (auto& c : cases) {
        Entries before = c.entries;
        int after = c.up ? MoveEntryUp(c.entries, c.selected) : MoveEntryDown(c.entries, c.selected);
        EXPECT_EQ(after, c.selected) << c.name;
        EXPECT_EQ(c.entries, before) << c.name;
    }
}

TEST(ListMoves, RemoveDeletesOnlyTheSelectedEntry) {
    Entries e = {"a", "b", "c"};
    RemoveEntry(e, -1);
    EXPECT_EQ(e.size(), 3u);
    RemoveEntry(e, 1);
    EXPECT_EQ(e, (Entries{"a", "c"}));
    RemoveEntry(e, 5);
    EXPECT_EQ(e, (Entries{"a", "c"}));
}

TEST(DelayEntry, AnswerIsWrappedAsTyped) {
    std::string entry;
    ASSERT_TRUE(DelayEntry("500", entry));
    EXPECT_EQ(entry, "{DELAY500}");
    EXPECT_EQ(parseDelay(entry), 500);  // the player reads it
    ASSERT_TRUE(DelayEntry("abc", entry));
    EXPECT_EQ(entry, "{DELAYabc}");
    entry = "unchanged";
    EXPECT_FALSE(DelayEntry("", entry));
    EXPECT_EQ(entry, "unchanged");
}

TEST(SpecialKeyPicker, ButtonsAppendTheirTokensAtTheEnd) {
    std::string text = AppendPickerToken("", 0);  // F1
    text += "abc";                                // typed
    text = AppendPickerToken(text, 14);           // ENTER
    EXPECT_EQ(text, "{F1}abc{ENTER}");
    EXPECT_EQ(AppendPickerToken("", 17), "{INS}");
    EXPECT_EQ(AppendPickerToken("", 24), "{SCROLLLOCK}");
    EXPECT_EQ(AppendPickerToken("", 25), "{CAPSLOCK}");
    EXPECT_EQ(AppendPickerToken("x", 31), "x");
}

TEST(SpecialKeyPicker, GridHasThirtyOneKeysEveryTokenKnownToTheKeySender) {
    const char* captions[kPickerKeyCount] = {"F1",    "F2",     "F3",   "F4",    "F5",    "F6",    "F7",    "F8",
                                             "F9",    "F10",    "F11",  "F12",   "ESC",   "BKSP",  "ENTER", "HOME",
                                             "END",   "INSERT", "PGUP", "PGDN",  "PRTSC", "BREAK", "TAB",   "NUMLOCK",
                                             "SLOCK", "CAPSL.", "LEFT", "RIGHT", "UP",    "DOWN",  "DEL"};
    for (int i = 0; i < kPickerKeyCount; ++i) {
        EXPECT_STREQ(kPickerKeys[i].caption, captions[i]);
        const std::string token = kPickerKeys[i].token;
        ASSERT_GE(token.size(), 3u);
        EXPECT_EQ(token.front(), '{');
        EXPECT_EQ(token.back(), '}');
        EXPECT_NE(LookupKeyName(token.substr(1, token.size() - 2)), 0) << token;
    }
}

TEST(MouseEntries, CoordinatesButtonsAndPosition) {
    EXPECT_EQ(CoordinateEntry("120", "45"), "{X:120,Y:45}");
    EXPECT_EQ(CoordinateEntry("", ""), "{X:,Y:}");
    EXPECT_EQ(MouseButtonEntry("Double Click"), "{DBLCLICK}");
    EXPECT_EQ(MouseButtonEntry("Left Button "), "{LBUTTON}");
    EXPECT_EQ(MouseButtonEntry("Left Button"), "");
    EXPECT_EQ(MouseButtonEntry("Right Button"), "{RBUTTON}");
    EXPECT_EQ(MouseButtonEntry("Middle Button"), "{MBUTTON}");
    EXPECT_EQ(PositionText({300, 200}), "X:300,Y:200");
    EXPECT_EQ(PositionText({-1280, 5}), "X:-1280,Y:5");
    EXPECT_EQ(PositionEntry(PositionText({300, 200})), "{X:300,Y:200}");
    EXPECT_EQ(PositionEntry(""), "{}");
}

TEST(DigitBoxes, OnlyDigitsAndBackspaceGetThrough) {
    for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(IsDigitKeyAllowed(c));
    EXPECT_TRUE(IsDigitKeyAllowed('\b'));
    for (char c : std::string("a-+ .\r\t")) EXPECT_FALSE(IsDigitKeyAllowed(c)) << int(c);
}

}  // namespace
}  // namespace kv
