#include <cstring>

#include "input_fixture.h"
#include "model/Convert.h"

namespace kv {
namespace {

using SendKeySequenceTest = InputFixture;

TEST_F(SendKeySequenceTest, TypesEachTokenAsItsKeyEvents) {
    struct Case {
        const char* text;
        std::vector<KeyEvent> keys;
    };
    const Case cases[] = {
        {"Hello{ENTER}", Keys({Shifted('H'), Tap('E'), Tap('L'), Tap('L'), Tap('O'), Tap(kEnter)})},
        {"+abc", Keys({{Down(kShift)}, Tap('A'), {Up(kShift)}, Tap('B'), Tap('C')})},
        {"+(abc)", Keys({{Down(kShift)}, Tap('A'), Tap('B'), Tap('C'), {Up(kShift)}})},
        {"^s", Keys({{Down(kCtrl)}, Tap('S'), {Up(kCtrl)}})},
        {"%{F4}", Keys({{Down(kAlt)}, Tap(0x73), {Up(kAlt)}})},
        // Shift goes up before Ctrl.
        {"^+{ESC}", Keys({{Down(kCtrl), Down(kShift)}, Tap(0x1B), {Up(kShift), Up(kCtrl)}})},
        {"~", Tap(kEnter)},
        {"{a}", Shifted('A')},
        {"{a 3}", Keys({{Down(kShift)}, Tap('A', 3), {Up(kShift)}})},
        {"{1}", Tap('1')},
        {"{+}", Shifted(0xBB)},
        {"{^}", Shifted('6')},
        {"{%}", Shifted('5')},
        {"{~}", Shifted(0xC0)},
        {"{(}", Shifted('9')},
        {"{)}", Shifted('0')},
        {"{{}", Shifted(0xDB)},
        {"{}}", Shifted(0xDD)},
        // The name before a doubled "}" is dropped: no Tab.
        {"{TAB}}", Shifted(0xDD)},
        {"{TAB 3}", Tap(0x09, 3)},
        {"{ENTER 0}", {}},
        // Only the count's low 16 bits count.
        {"{ENTER 65537}", Tap(kEnter)},
        {"{ENTER 65536}", {}},
        // A negative count sends nothing rather than 65535 keys.
        {"{ENTER -1}", {}},
        {"{enter}", Tap(kEnter)},
        {"{BACKSPACE}{BKSP}{BS}", Tap(0x08, 3)},
        // VK_PRINT, not the Print Screen key.
        {"{PRTSC}", Tap(0x2A)},
        {"{DEL}{HOME}{LEFT}{PGDN}{INS}",
         Keys({Tap(0x2E, 1, true), Tap(0x24, 1, true), Tap(0x25, 1, true), Tap(0x22, 1, true), Tap(0x2D, 1, true)})},
        {"{F12}{CAPSLOCK}", Keys({Tap(0x7B), Tap(0x14)})},
        // A one-character name that is neither a key nor a character of the
        // code page is skipped without a message.
        {"{\x81}a", Tap('A')},
    };
    for (const Case& c : cases) {
        input.keys.clear();
        EXPECT_TRUE(SendKeySequence(context, c.text, false)) << c.text;
        EXPECT_EQ(input.keys, c.keys) << c.text;
        EXPECT_TRUE(input.HeldKeys().empty()) << c.text;
    }
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(SendKeySequenceTest, EveryNameOfTheTableIsFoundInAnyCase) {
    ASSERT_EQ(sizeof KeyNameTable / sizeof KeyNameTable[0], 41u);
    for (size_t i = 1; i < 41; ++i) EXPECT_LT(std::strcmp(KeyNameTable[i - 1].name, KeyNameTable[i].name), 0);
    for (const KeyName& row : KeyNameTable) {
        EXPECT_EQ(LookupKeyName(row.name), row.virtualKey) << row.name;
        if (row.virtualKey == 0x90) continue;  // NumLock sends no event
        std::string lower = row.name;
        for (char& c : lower) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        input.keys.clear();
        SendKeySequence(context, "{" + lower + "}", false);
        ASSERT_EQ(input.keys.size(), 2u) << row.name;
        EXPECT_EQ(input.keys[0].virtualKey, row.virtualKey) << row.name;
    }
    EXPECT_EQ(LookupKeyName("ENTR"), 0);
    EXPECT_EQ(LookupKeyName("A"), 0);
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(SendKeySequenceTest, NumLockFlipsTheThreadToggleWithoutKeyEvents) {
    EXPECT_TRUE(SendKeySequence(context, "{NUMLOCK}", false));
    EXPECT_TRUE(input.keys.empty());
    EXPECT_TRUE(input.numLock);
    SendKeySequence(context, "{NUMLOCK 5}", false);
    EXPECT_FALSE(input.numLock);
}

TEST_F(SendKeySequenceTest, EmptyTextSendsNothingAndFails) {
    EXPECT_FALSE(SendKeySequence(context, "", true));
    EXPECT_TRUE(input.keys.empty());
    EXPECT_EQ(loop.processPasses, 0);
}

TEST_F(SendKeySequenceTest, UnknownNameIsReportedAndTheRestTyped) {
    EXPECT_TRUE(SendKeySequence(context, "{ENTR}a", false));
    EXPECT_EQ(input.keys, Tap('A'));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Invalid Key Name");
    EXPECT_EQ(shell.boxes[0].caption, "SendKeys");
}

TEST_F(SendKeySequenceTest, NamesAreCutToTwentyCharacters) {
    // The count goes into the 20 characters too: "ENTER 12345678901234"
    // leaves a count that overflows.
    try {
        SendKeySequence(context, "{ENTER 123456789012345678}", false);
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'12345678901234' is not a valid integer value");
    }
    EXPECT_TRUE(SendKeySequence(context, "{TABXXXXXXXXXXXXXXXXXXXXXXX}", false));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Invalid Key Name");
}

TEST_F(SendKeySequenceTest, ByteThatIsNoCharacterIsReportedAndSkipped) {
    EXPECT_TRUE(SendKeySequence(context,
                                "a\x81"
                                "b",
                                false));
    EXPECT_EQ(input.keys, Keys({Tap('A'), Tap('B')}));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Invalid KeyName");
    EXPECT_EQ(shell.boxes[0].keysBefore, 2u);
}

TEST_F(SendKeySequenceTest, HeldModifiersAreUpWhileAnErrorBoxIsShown) {
    // The Shift still applies to the next key after the box.
    EXPECT_TRUE(SendKeySequence(context, "+{ENTR}a", false));
    EXPECT_EQ(input.keys, Keys({{Down(kShift), Up(kShift), Down(kShift)}, Tap('A'), {Up(kShift)}}));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].keysBefore, 2u);
}

TEST_F(SendKeySequenceTest, UnclosedBraceStopsTheTextAndReleasesHeldModifiers) {
    EXPECT_FALSE(SendKeySequence(context, "abc{ENTER", false));
    EXPECT_EQ(input.keys, Keys({Tap('A'), Tap('B'), Tap('C')}));
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "No Close");
    EXPECT_EQ(shell.boxes[0].caption, "SendKeys");

    input.keys.clear();
    EXPECT_FALSE(SendKeySequence(context, "^(ab{x", false));
    EXPECT_EQ(input.keys, Keys({{Down(kCtrl)}, Tap('A'), Tap('B'), {Up(kCtrl)}}));
    EXPECT_TRUE(input.HeldKeys().empty());
}

TEST_F(SendKeySequenceTest, UnclosedGroupEndsWithTheText) {
    EXPECT_TRUE(SendKeySequence(context, "+(abc", false));
    EXPECT_EQ(input.keys, Keys({{Down(kShift)}, Tap('A'), Tap('B'), Tap('C'), {Up(kShift)}}));
    EXPECT_TRUE(input.HeldKeys().empty());
}

TEST_F(SendKeySequenceTest, CountThatIsNoNumberRaisesTheRuntimeError) {
    try {
        SendKeySequence(context, "^({ENTER x}a", false);
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'X' is not a valid integer value");
    }
    EXPECT_EQ(input.keys, Keys({{Down(kCtrl), Up(kCtrl)}}));
    EXPECT_TRUE(input.HeldKeys().empty());
}

TEST_F(SendKeySequenceTest, LiteralBracesComeFromTheKeyboardLayout) {
    // A German layout: "{" is AltGr+7 (Ctrl+Alt), "}" AltGr+0.
    input.layout[std::uint8_t('{')] = 0x600 | '7';
    input.layout[std::uint8_t('}')] = 0x600 | '0';
    EXPECT_TRUE(SendKeySequence(context, "{{}{}}", false));
    EXPECT_EQ(input.keys, Keys({{Down(kCtrl), Down(kAlt)},
                                Tap('7'),
                                {Up(kCtrl), Up(kAlt)},
                                {Down(kCtrl), Down(kAlt)},
                                Tap('0'),
                                {Up(kCtrl), Up(kAlt)}}));

    // A layout without the key: the brace is typed as a character.
    input.keys.clear();
    input.layout[std::uint8_t('{')] = 0xFFFF;
    EXPECT_TRUE(SendKeySequence(context, "{{}a", false));
    EXPECT_EQ(input.keys, Keys({Typed(u"{"), Tap('A')}));
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(SendKeySequenceTest, DoubledOpeningBraceSkipsThreeCharacters) {
    // {{ is taken as {{} whatever follows.
    EXPECT_TRUE(SendKeySequence(context, "{{ab", false));
    EXPECT_EQ(input.keys, Keys({Shifted(0xDB), Tap('B')}));
    EXPECT_TRUE(SendKeySequence(context, "{{", false));
}

TEST_F(SendKeySequenceTest, WaitDispatchesEveryMessageAfterEveryEvent) {
    SendKeySequence(context, "Ab", true);
    EXPECT_EQ(input.keys.size(), 6u);
    EXPECT_EQ(loop.processPasses, 6);

    loop.processPasses = 0;
    SendKeySequence(context, "Ab", false);
    EXPECT_EQ(loop.processPasses, 0);
}

}  // namespace
}  // namespace kv
