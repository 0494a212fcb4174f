#include <gtest/gtest.h>

#include "model/Convert.h"
#include "model/ListText.h"

namespace kv {
namespace {

using Lines = std::vector<std::string>;

TEST(ListText, LineEndsAndNul) {
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {std::string("\0a", 2), {}},
        {std::string("a\r\n\0", 4), {"a"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(ListText, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({}), "");
}

TEST(ListText, FormatsTheWorkedRecord) {
    MacroSlot slot;
    slot.UniqueID = 49320;
    slot.Enabled = true;
    slot.ActionKind = "RUNPRG";
    slot.HotKey = 24692;
    slot.ActionData = "C:\\Tools\\notes.exe";
    slot.Description = "Open notes";
    EXPECT_EQ(FormatListLine(slot), "49320;-1;RUNPRG;24692;C:\\Tools\\notes.exe;Open notes@");

    slot.Enabled = false;
    slot.Description = "";
    slot.UniqueID = 0;
    slot.HotKey = 4294967295u;
    EXPECT_EQ(FormatListLine(slot), "0;0;RUNPRG;4294967295;C:\\Tools\\notes.exe;@");
}

TEST(ListText, LineBreaksInsideFieldsBecomeSpaces) {
    MacroSlot slot;
    slot.ActionKind = "KEY\nEVN";
    slot.ActionData = "Active Window|Active Window|Once|0|a\r\nb";
    slot.Description = std::string("two\rlines\0", 10);
    const std::string line = FormatListLine(slot);
    EXPECT_EQ(line, std::string("0;0;KEY EVN;0;Active Window|Active Window|Once|0|a  b;two lines @"));
    EXPECT_EQ(SplitLines(line + "\r\n").size(), 1u);
}

TEST(ListText, RecordPieces) {
    struct Case {
        std::string line;
        Lines pieces;
    } cases[] = {
        {"49320;-1;RUNPRG;24692;C:\\Tools\\notes.exe;Open notes@",
         {"49320", "-1", "RUNPRG", "24692", "C:\\Tools\\notes.exe", "Open notes@"}},
        // An empty payload (a program list without entries) keeps its place.
        {"1;-1;RUNPRG;24692;;@", {"1", "-1", "RUNPRG", "24692", "", "@"}},
        {"1;-1;RUNPRG;24692; ;x@", {"1", "-1", "RUNPRG", "24692", " ", "x@"}},
        // A ";" in the payload shifts the description out; extra pieces are ignored later.
        {"1;-1;RUNPRG;24692;a;b;c@", {"1", "-1", "RUNPRG", "24692", "a", "b", "c@"}},
        {"1;-1;RUNPRG;24692;Open notes@", {"1", "-1", "RUNPRG", "24692", "Open notes@"}},
        {"", {}},
        {"1;;-1;RUNPRG;24692;;@", {"1", "-1", "RUNPRG", "24692", "@"}},  // not six when cut exactly either
    };
    for (const Case& c : cases) EXPECT_EQ(ListLinePieces(c.line), c.pieces) << c.line;
}

TEST(ListText, SlotFromPiecesRemovesEveryAtOfTheDescription) {
    MacroSlot slot = SlotFromPieces({"7", "TRUE", "OPNURL", "$1F", "a|b", "mail@home@"});
    EXPECT_TRUE(slot.Enabled);
    EXPECT_EQ(slot.UniqueID, 0u);
    EXPECT_EQ(slot.ActionKind, "OPNURL");
    EXPECT_EQ(slot.HotKey, 31u);
    EXPECT_EQ(slot.ActionData, "a|b");
    EXPECT_EQ(slot.Description, "mailhome");
    EXPECT_THROW(SlotFromPieces({"7", "yes", "OPNURL", "1", "a", "@"}), ConvertError);
}

}  // namespace
}  // namespace kv
