#include <gtest/gtest.h>

#include "model/ActionKind.h"
#include "model/MacroTable.h"
#include "model/Payload.h"
#include "model/Split.h"

namespace kv {
namespace {

using Pieces = std::vector<std::string>;

TEST(Split, DropsBlankPiecesAndKeepsTheOthersUntrimmed) {
    struct Case {
        std::string text;
        char separator;
        Pieces pieces;
    } cases[] = {
        {"a||b| |c", '|', {"a", "b", "c"}},
        {"a;;b", ';', {"a", "b"}},
        {"a;b;", ';', {"a", "b"}},
        {";a;b", ';', {"a", "b"}},
        {"a; b", ';', {"a", " b"}},
        {" a ;\tb\t", ';', {" a ", "\tb\t"}},
        {"", ';', {}},
        {"  \t ", ';', {}},
        {";;;", ';', {}},
        {"\x01;\x1f;\x20", ';', {}},
        {"abc", ';', {"abc"}},
        {"\xe9;\xa0", ';', {"\xe9", "\xa0"}},  // bytes above 0x7F are not blank
        {"aXbxc", 'x', {"a", "b", "c"}},       // a letter separator matches both cases
        {"aXbxc", 'X', {"a", "b", "c"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Split(c.text, c.separator), c.pieces) << c.text;
}

TEST(Payload, JoinsAsTheBuildersWriteIt) {
    EXPECT_EQ(JoinPayload({}, {"C:\\Tools\\report.exe", "C:\\Tools\\backup.bat"}),
              "C:\\Tools\\report.exe|C:\\Tools\\backup.bat");
    EXPECT_EQ(JoinPayload({}, {}), "");
    EXPECT_EQ(JoinPayload({"Active Window", "Active Window", "Once", "0"}, {"Hello{ENTER}", "{DELAY500}", "^s"}),
              "Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY500}|^s");
    EXPECT_EQ(JoinPayload({"Active Window", "Active Window", "Once", "0"}, {}), "Active Window|Active Window|Once|0|");
    EXPECT_EQ(JoinPayload({"Once", "0"}, {}), "Once|0|");
    EXPECT_EQ(JoinFields({"D:\\Captures", "JPEG"}), "D:\\Captures|JPEG");
    EXPECT_EQ(JoinFields({"Restore all Windows"}), "Restore all Windows");
    EXPECT_EQ(JoinFields({"Shut down Windows", "-1"}), "Shut down Windows|-1");
}

TEST(Payload, ReadsFieldsByPositionAmongTheNonBlankOnes) {
    Pieces keys = PayloadFields("Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY500}|^s");
    EXPECT_EQ(PayloadItems(keys, kKeyEventHeaderFields), (Pieces{"Hello{ENTER}", "{DELAY500}", "^s"}));
    EXPECT_EQ(PayloadField(keys, 2), "Once");

    EXPECT_TRUE(PayloadItems(PayloadFields("Active Window|Active Window|Once|0|"), kKeyEventHeaderFields).empty());
    EXPECT_TRUE(PayloadFields("").empty());

    // An empty custom window name shifts the fields: the first key item reads as the count.
    Pieces shifted = PayloadFields("Custom Window||Once|0|abc");
    EXPECT_EQ(PayloadField(shifted, 1), "Once");
    EXPECT_EQ(PayloadField(shifted, 3), "abc");
    EXPECT_EQ(PayloadField(shifted, 7), "");

    Pieces mouse = PayloadFields("Once|0|{X:100,Y:200}|{LBUTTON}|{DELAY250}|{X:640,Y:480}|{DBLCLICK}");
    EXPECT_EQ(PayloadItems(mouse, kMouseEventHeaderFields).size(), 5u);
    EXPECT_TRUE(PayloadItems(mouse, 99).empty());
}

TEST(ActionKind, NamesTheSevenCodesAndNothingElse) {
    const std::pair<const char*, const char*> names[] = {
        {kKindRunProgram, "Run Program"},       {kKindOpenUrl, "Open URL"},
        {kKindScreenCapture, "Screen Capture"}, {kKindKeyEvents, "Key Events"},
        {kKindMouseEvents, "Mouse Events"},     {kKindWindowActions, "Window Actions"},
        {kKindMiscellaneous, "Miscellaneous"},
    };
    for (const auto& n : names) {
        EXPECT_EQ(ActionDisplayName(n.first), n.second);
        EXPECT_TRUE(IsKnownActionKind(n.first));
    }
    EXPECT_EQ(std::string(kKindMouseEvents), "MOUSEE");
    for (const char* unknown : {"", "runprg", "RUNPRG ", "XXXXXX"}) {
        EXPECT_EQ(ActionDisplayName(unknown), "Unknown (" + std::string(unknown) + ")") << unknown;
        EXPECT_FALSE(IsKnownActionKind(unknown));
    }
}

TEST(MacroTable, FindsTheLowestUsedSlotWithTheIdentifier) {
    auto table = std::make_unique<MacroTable>();
    table->Macros[0].UniqueID = 0xC001;
    table->Macros[1].UniqueID = 0;
    table->Macros[2].UniqueID = 0xC001;
    table->Macros[3].UniqueID = 0xC002;  // beyond MacroCount: not in use
    table->MacroCount = 3;
    EXPECT_EQ(table->FindByUniqueID(0xC001), 0);
    EXPECT_EQ(table->FindByUniqueID(0), 1);
    EXPECT_EQ(table->FindByUniqueID(0xC002), -1);
    EXPECT_FALSE(table->IsFull());
    table->MacroCount = kMaxMacros;
    EXPECT_TRUE(table->IsFull());
}

}  // namespace
}  // namespace kv
