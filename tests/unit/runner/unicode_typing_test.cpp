// Characters beyond the keyboard layout: the per-character choice between
// the layout's key and a Unicode character, and the {U+XXXX} token. The fake
// layout is a US one and the fake code page Windows-1252.
#include "input_fixture.h"
#include "runner/CharacterInput.h"

namespace kv {
namespace {

TEST(CodePointName, ReadsOneToSixHexDigitsOfAUnicodeScalarValue) {
    const std::pair<const char*, char32_t> good[] = {
        {"U+41", 0x41},     {"U+E9", 0xE9}, {"U+20AC", 0x20AC}, {"U+1F600", 0x1F600}, {"U+10FFFF", 0x10FFFF},
        {"U+000041", 0x41}, {"U+0", 0},     {"U+D7FF", 0xD7FF}, {"U+E000", 0xE000},   {"U+FFFF", 0xFFFF},
    };
    for (const auto& [name, expected] : good) {
        char32_t value = 0xDEAD;
        EXPECT_TRUE(ParseCodePointName(name, value)) << name;
        EXPECT_EQ(value, expected) << name;
    }
    const char* bad[] = {"U+",   "U+G", "U+1G", "U+0000041", "U+110000", "U+FFFFFF", "U+D800", "U+DFFF",
                         "U-41", "U41", "+41",  "UU+41",     "U+-1",     "U++1",     "U",      ""};
    for (const char* name : bad) {
        char32_t value = 0xDEAD;
        EXPECT_FALSE(ParseCodePointName(name, value)) << name;
        EXPECT_EQ(value, char32_t(0xDEAD)) << name;
    }
}

TEST(CodePointName, AboveFFFFBecomesASurrogatePair) {
    EXPECT_EQ(Utf16Of(0x41), u"A");
    EXPECT_EQ(Utf16Of(0xFFFF), std::u16string(1, char16_t(0xFFFF)));
    EXPECT_EQ(Utf16Of(0x10000), (std::u16string{0xD800, 0xDC00}));
    EXPECT_EQ(Utf16Of(0x1F600), (std::u16string{0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16Of(0x10FFFF), (std::u16string{0xDBFF, 0xDFFF}));
}

using CharacterChoiceTest = InputFixture;

TEST_F(CharacterChoiceTest, TheLayoutsKeyFirstTheCharacterOnlyWithoutOne) {
    struct Case {
        const char* text;
        std::uint16_t keyCode;
        std::u16string units;
    } cases[] = {
        {"a", 'A', u""},
        {"A", 0x100 | 'A', u""},
        {"\xE9", 0xFFFF, u"\u00E9"},  // é
        {"\x80", 0xFFFF, u"\u20AC"},  // €
        {"\x97", 0xFFFF, u"\u2014"},  // —
        {"\x81", 0xFFFF, u""},        // no character of the code page
    };
    for (const Case& c : cases) {
        const CharacterChoice choice = ChooseCharacterInput(input, c.text, 0);
        EXPECT_EQ(choice.keyCode, c.keyCode) << c.text;
        EXPECT_EQ(choice.units, c.units) << c.text;
        EXPECT_EQ(choice.length, 1u) << c.text;
    }
    // A layout with a key for "é" (a French one: the 2 key) types it as a key.
    input.layout[0xE9] = '2';
    const CharacterChoice french = ChooseCharacterInput(input, "\xE9", 0);
    EXPECT_EQ(french.keyCode, '2');
    EXPECT_TRUE(french.units.empty());
}

using UnicodeTypingTest = InputFixture;

TEST_F(UnicodeTypingTest, CharactersWithoutKeyAndTheTokenAreTypedAsCharacters) {
    // "café €5 — {U+1F600}" in the list file's code page.
    EXPECT_TRUE(SendKeySequence(context,
                                "caf\xE9 \x80"
                                "5 \x97 {U+1F600}",
                                false));
    EXPECT_EQ(input.keys, Keys({Tap('C'), Tap('A'), Tap('F'), Typed(u"\u00E9"), Tap(' '), Typed(u"\u20AC"), Tap('5'),
                                Tap(' '), Typed(u"\u2014"), Tap(' '), Typed(u"\U0001F600")}));
    EXPECT_TRUE(shell.boxes.empty());
    EXPECT_TRUE(input.HeldKeys().empty());
}

TEST_F(UnicodeTypingTest, TokenTakesCountsModifiersAndAnyCase) {
    struct Case {
        const char* text;
        std::vector<KeyEvent> keys;
    };
    const Case cases[] = {
        {"{U+E9}", Typed(u"\u00E9")},
        {"{u+e9}", Typed(u"\u00E9")},
        {"{U+41}", Typed(u"A")},  // a character with a key is still typed as the character
        {"{U+E9 3}", Typed(u"\u00E9\u00E9\u00E9")},
        {"{U+1F600 2}", Typed(u"\U0001F600\U0001F600")},
        {"{U+E9 0}", {}},
        // Held modifiers stay down over the character and go up after it.
        {"+{U+E9}a", Keys({{Down(kShift)}, Typed(u"\u00E9"), {Up(kShift)}, Tap('A')})},
        {"+({U+E9}b)", Keys({{Down(kShift)}, Typed(u"\u00E9"), Tap('B'), {Up(kShift)}})},
        // One character without a key inside braces, with a count.
        {"{\xE9}", Typed(u"\u00E9")},
        {"{\x80 2}", Typed(u"\u20AC\u20AC")},
    };
    for (const Case& c : cases) {
        input.keys.clear();
        EXPECT_TRUE(SendKeySequence(context, c.text, false)) << c.text;
        EXPECT_EQ(input.keys, c.keys) << c.text;
        EXPECT_TRUE(input.HeldKeys().empty()) << c.text;
    }
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(UnicodeTypingTest, BadDigitsOrRangeGiveTheErrorOfAnUnknownName) {
    const char* tokens[] = {"{U+}", "{U+XYZ}", "{U+12G4}", "{U+110000}", "{U+D800}", "{U+1234567}", "{U-41}"};
    for (const char* token : tokens) {
        input.keys.clear();
        shell.boxes.clear();
        EXPECT_TRUE(SendKeySequence(context, std::string(token) + "a", false)) << token;
        EXPECT_EQ(input.keys, Tap('A')) << token;
        ASSERT_EQ(shell.boxes.size(), 1u) << token;
        EXPECT_EQ(shell.boxes[0].text, "Invalid Key Name") << token;
        EXPECT_EQ(shell.boxes[0].caption, "SendKeys") << token;
    }
}

TEST_F(UnicodeTypingTest, WaitDispatchesAfterEveryCharacterEvent) {
    const int before = loop.processPasses;
    SendKeySequence(context, "{U+1F600}", true);
    EXPECT_EQ(input.keys.size(), 4u);
    EXPECT_EQ(loop.processPasses - before, 4);
}

// A double-byte code page: 0x81 leads a two-byte character whose second byte
// may be any ASCII character, also one of the token language.
class DoubleByteInput : public FakeInput {
public:
    std::u16string DecodeAnsiCharacter(const std::string& text, std::size_t at, std::size_t& length) override {
        if (std::uint8_t(text[at]) == 0x81 && at + 1 < text.size()) {
            length = 2;
            return u"\u3042";
        }
        return FakeInput::DecodeAnsiCharacter(text, at, length);
    }
};

TEST(UnicodeTyping, ADoubleByteCharacterIsTypedWholeAndItsSecondByteIsNoToken) {
    DoubleByteInput input;
    FakeMessageLoop loop;
    RecordingShell shell{input};
    InputContext context{input, loop, shell};
    EXPECT_TRUE(SendKeySequence(context, "\x81{a\x81+", false));
    const std::vector<KeyEvent> expected = {
        {0, 0, kKeyEventUnicode, 0x3042}, {0, 0, kKeyEventUnicode | kKeyEventKeyUp, 0x3042},
        {0x41, input.scanCodes[0x41], 0}, {0x41, input.scanCodes[0x41], kKeyEventKeyUp},
        {0, 0, kKeyEventUnicode, 0x3042}, {0, 0, kKeyEventUnicode | kKeyEventKeyUp, 0x3042},
    };
    EXPECT_EQ(input.keys, expected);
    EXPECT_TRUE(shell.boxes.empty());
}

}  // namespace
}  // namespace kv
