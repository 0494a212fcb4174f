// What the editor refuses, so that nothing typed breaks the list file or
// comes back changed.
#include <gtest/gtest.h>

#include "model/ListText.h"
#include "model/MacroTable.h"
#include "uilogic/EditorChecks.h"

namespace kv {
namespace {

bool Names(const std::string& message, const std::string& what) { return message.find(what) != std::string::npos; }

TEST(ListEntryCheck, RefusesSeparatorsLineBreaksAndBlankEntries) {
    EXPECT_EQ(CheckListEntry("C:\\Tools\\a.exe"), "");
    EXPECT_EQ(CheckListEntry(" a "), "");  // kept untrimmed by the reader
    EXPECT_EQ(CheckListEntry("{DELAY500}"), "");

    const std::string pipe = CheckListEntry("a|b");
    EXPECT_TRUE(Names(pipe, "\"|\"")) << pipe;
    EXPECT_TRUE(Names(pipe, "\"a|b\"")) << pipe;
    const std::string semicolon = CheckListEntry("http://x.example/?a=1;b=2");
    EXPECT_TRUE(Names(semicolon, "\";\"")) << semicolon;
    EXPECT_TRUE(Names(CheckListEntry("a\r\nb"), "line break"));
    EXPECT_TRUE(Names(CheckListEntry(""), "empty entry"));
    EXPECT_TRUE(Names(CheckListEntry("   "), "blanks"));
}

TEST(PageCheck, EmptyProgramOrUrlListIsRefused) {
    EditorPages p;
    EXPECT_EQ(CheckPage(p, pgRunProgram), "Please add at least one program to the list.");
    EXPECT_EQ(CheckPage(p, pgOpenUrl), "Please add at least one URL to the list.");
    p.lsbRunList = {"a.exe"};
    p.lsbURLs = {"http://www.keyvane.example/"};
    EXPECT_EQ(CheckPage(p, pgRunProgram), "");
    EXPECT_EQ(CheckPage(p, pgOpenUrl), "");
}

TEST(PageCheck, EmptyKeyAndMouseListsAreStored) {
    EditorPages p;
    EXPECT_EQ(CheckPage(p, pgKeyEvents), "");
    EXPECT_EQ(CheckPage(p, pgMouseEvents), "");
}

TEST(PageCheck, EntriesOfEveryListAreChecked) {
    struct {
        int page;
        void (*fill)(EditorPages&);
        const char* what;
    } cases[] = {
        {pgRunProgram,
         [](EditorPages& p) {
             p.lsbRunList = {"a.exe", "b;c.exe"};
         },
         "\";\""},
        {pgOpenUrl, [](EditorPages& p) { p.lsbURLs = {"http://a.example/|x"}; }, "\"|\""},
        {pgKeyEvents,
         [](EditorPages& p) {
             p.lsbKeys = {"a", "b|c"};
         },
         "\"|\""},
        {pgKeyEvents, [](EditorPages& p) { p.lsbKeys = {"x;"}; }, "\";\""},
        {pgKeyEvents,
         [](EditorPages& p) {
             p.lsbKeys = {"a", ""};
         },
         "empty entry"},
        {pgMouseEvents,
         [](EditorPages& p) {
             p.lsbMouse = {"{LBUTTON}", " "};
         },
         "blanks"},
        {pgMouseEvents, [](EditorPages& p) { p.lsbMouse = {"{DELAY1|2}"}; }, "\"|\""},
    };
    for (const auto& c : cases) {
        EditorPages p;
        c.fill(p);
        const std::string refusal = CheckPage(p, c.page);
        EXPECT_TRUE(Names(refusal, c.what)) << c.page << ": " << refusal;
    }
}

TEST(PageCheck, HeaderFieldsMustNotBeBlankOrHoldSeparators) {
    EditorPages p;
    ChooseWinType(p, kCustomWindow);
    p.txWindowName = "";
    EXPECT_EQ(CheckPage(p, pgKeyEvents), "Please enter the window name.");
    p.txWindowName = "Untitled - Notepad";
    EXPECT_EQ(CheckPage(p, pgKeyEvents), "");
    p.txWindowName = "a|b";
    EXPECT_TRUE(Names(CheckPage(p, pgKeyEvents), "The window name contains the character \"|\""));
    p.txWindowName = "a;b";
    EXPECT_TRUE(Names(CheckPage(p, pgKeyEvents), "The window name contains the character \";\""));
    p.txWindowName = "Notepad";

    ChooseRepeat(p, kRepeat);
    p.txTimes = "";
    EXPECT_EQ(CheckPage(p, pgKeyEvents), "Please enter the repeat count.");
    p.txTimes = "3";
    EXPECT_EQ(CheckPage(p, pgKeyEvents), "");

    ChooseMRepeat(p, kRepeatUntil);
    p.txMTimes = " ";
    EXPECT_EQ(CheckPage(p, pgMouseEvents), "Please enter the repeat count.");
    p.txMTimes = "1;2";
    EXPECT_TRUE(Names(CheckPage(p, pgMouseEvents), "\";\""));
    p.txMTimes = "abc";  // the mouse count takes any text
    EXPECT_EQ(CheckPage(p, pgMouseEvents), "");

    p.txSSPath = "";
    EXPECT_EQ(CheckPage(p, pgScreenCapture), "Please choose the folder for the screen captures.");
    p.txSSPath = "C:\\a;b";
    EXPECT_TRUE(Names(CheckPage(p, pgScreenCapture), "The capture folder contains the character \";\""));
    p.txSSPath = "C:\\Keyvane\\";
    EXPECT_EQ(CheckPage(p, pgScreenCapture), "");
}

TEST(PageCheck, WindowAndSystemPagesAlwaysPass) {
    EditorPages p;
    EXPECT_EQ(CheckPage(p, pgWindowActions), "");
    EXPECT_EQ(CheckPage(p, pgMiscellaneous), "");
}

TEST(DescriptionCheck, LineBreaksBecomeSingleSpaces) {
    EXPECT_EQ(CleanDescription("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(CleanDescription("a\r\n\r\nb"), "a  b");
    EXPECT_EQ(CleanDescription("plain"), "plain");
}

TEST(DescriptionCheck, SemicolonAndAtAreRefusedByName) {
    EXPECT_EQ(CheckDescription("Open notes"), "");
    EXPECT_EQ(CheckDescription("a|b"), "");  // the description is not split at "|"
    EXPECT_TRUE(Names(CheckDescription("a;b"), "The description contains the character \";\""));
    EXPECT_TRUE(Names(CheckDescription("me@home"), "The description contains the character \"@\""));
}

// What passes the checks survives a save and a load of the list file.
TEST(DescriptionCheck, AcceptedInputSurvivesTheListFile) {
    MacroSlot slot;
    slot.UniqueID = 49320;
    slot.Enabled = true;
    slot.ActionKind = "KEYEVN";
    slot.HotKey = 24692;
    EditorPages p;
    p.lsbKeys = {" a ", "{ENTER}", "x,y"};
    ASSERT_EQ(CheckPage(p, pgKeyEvents), "");
    slot.ActionData = procSendKey(p);
    slot.Description = CleanDescription(" two\r\nlines | and more ");
    ASSERT_EQ(CheckDescription(slot.Description), "");

    const MacroSlot back = SlotFromPieces(ListLinePieces(FormatListLine(slot)));
    EXPECT_EQ(back.ActionData, slot.ActionData);
    EXPECT_EQ(back.Description, slot.Description);
    EditorPages loaded;
    LoadPagePayload(loaded, pgKeyEvents, back.ActionData);
    EXPECT_EQ(loaded.lsbKeys, p.lsbKeys);
}

}  // namespace
}  // namespace kv
