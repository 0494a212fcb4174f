#include <gtest/gtest.h>

#include "hotkeys/HotKeyHook.h"
#include "hotkeys/HotKeyText.h"
#include "platform/fake/FakeHotKeyApi.h"

namespace kv {
namespace {

class HotKeyText : public testing::Test {
protected:
    FakeHotKeyApi api_;  // English layout
    ModifierNames names_;
};

TEST_F(HotKeyText, NamesModifiersInFixedOrderThenTheKey) {
    names_ = ReadModifierNames(api_);
    struct Case {
        std::uint32_t hotKey;
        const char* text;
    } cases[] = {
        {24692, "Ctrl+Shift+F5"},
        {0x8073, "Alt+F4"},
        {0x10045, "Win+E"},
        {0x4041, "Ctrl+A"},
        {116, "F5"},
        {0, ""},
        {0x1E074, "Ctrl+Shift+Alt+Win+F5"},
        {0x12074, "Shift+Win+F5"},
        {0xA074, "Shift+Alt+F5"},
        {0x18074, "Alt+Win+F5"},
        {0x14074, "Ctrl+Win+F5"},
        {0x4007, "Ctrl+"},  // a key without a name
        {0x6000, "Ctrl+Shift+"},
        {0x4174, "Ctrl+F5"},  // only the low 8 bits name the key
        {0xBA, ";"},
    };
    for (const Case& c : cases) EXPECT_EQ(HotKeyToText(api_, names_, c.hotKey), c.text) << c.hotKey;
}

TEST_F(HotKeyText, NavigationKeysAreNamedAsExtendedKeys) {
    // Without the extended bit the platform names the keypad key that shares
    // the scan code.
    struct Case {
        std::uint32_t hotKey;
        const char* text;
    } cases[] = {
        {0x21, "Page Up"}, {0x22, "Page Down"}, {0x23, "End"},     {0x24, "Home"},   {0x25, "Left"},
        {0x26, "Up"},      {0x27, "Right"},     {0x28, "Down"},    {0x2D, "Insert"}, {0x2E, "Delete"},
        {0x60, "Num 0"},   {0x69, "Num 9"},     {0x6E, "Num Del"},
    };
    for (const Case& c : cases) EXPECT_EQ(HotKeyToText(api_, names_, c.hotKey), c.text) << c.hotKey;

    api_.calls.clear();
    HotKeyToText(api_, names_, 0x2D);
    EXPECT_EQ(api_.calls, (std::vector<std::string>{"MapVirtualKey 45 0 = 82", "GetKeyNameText 22151168 = Insert"}));
    api_.calls.clear();
    HotKeyToText(api_, names_, 0x2C);  // Print Screen lies between them but is not extended
    EXPECT_EQ(api_.calls, (std::vector<std::string>{"MapVirtualKey 44 0 = 84", "GetKeyNameText 5505024 = Sys Req"}));
}

TEST_F(HotKeyText, KeyWithoutScanCodeHasNoName) {
    // A key data of 0 is never looked up, whatever the platform would say.
    api_.SetKeyNameForData(0, "Bogus");
    api_.calls.clear();
    EXPECT_EQ(HotKeyToText(api_, names_, 0x4007), "Ctrl+");
    EXPECT_EQ(api_.calls, (std::vector<std::string>{"MapVirtualKey 7 0 = 0"}));
}

TEST_F(HotKeyText, MultimediaKeysFallBackToTheTableForShortNames) {
    // Browser Back has no platform name; Volume Mute shares its scan code with D.
    EXPECT_EQ(HotKeyToText(api_, names_, 0x40A6), "Ctrl+Browser Back");
    EXPECT_EQ(HotKeyToText(api_, names_, 0xAD), "Volume Mute");
    // A name of two characters or more is the platform's.
    api_.SetKeyName(0xAF, 0x7E, "Lauter");
    EXPECT_EQ(HotKeyToText(api_, names_, 0xAF), "Lauter");
    api_.SetKeyName(0xB0, 0x7D, "Nx");
    EXPECT_EQ(HotKeyToText(api_, names_, 0xB0), "Nx");
    // Outside the table a one-character name stays.
    EXPECT_EQ(HotKeyToText(api_, names_, 'X'), "X");
    EXPECT_EQ(HotKeyToText(api_, names_, 0xB8), "");
}

TEST(MultimediaKeys, CoverExactlyA6ToB7) {
    EXPECT_FALSE(IsMultimediaKey(0xA5));
    EXPECT_TRUE(IsMultimediaKey(0xA6));
    EXPECT_TRUE(IsMultimediaKey(0xB7));
    EXPECT_FALSE(IsMultimediaKey(0xB8));
    EXPECT_EQ(MultimediaKeyName(0xA6), "Browser Back");
    EXPECT_EQ(MultimediaKeyName(0xAC), "Browser Start/Home");
    EXPECT_EQ(MultimediaKeyName(0xB3), "Play/Pause Media");
    EXPECT_EQ(MultimediaKeyName(0xB7), "Start Application 2");
    EXPECT_EQ(MultimediaKeyName(0xB8), "");
    EXPECT_EQ(MultimediaKeyName(0x1A6), "");
}

TEST_F(HotKeyText, ModifierNamesComeFromThePlatform) {
    api_.UseGermanModifierNames();
    names_ = ReadModifierNames(api_);
    EXPECT_EQ(names_.shift, "UMSCHALT");
    EXPECT_EQ(names_.ctrl, "STRG");
    EXPECT_EQ(names_.alt, "ALT");
    EXPECT_EQ(names_.win, "WIN");
    EXPECT_EQ(HotKeyToText(api_, names_, 0x14058), "STRG+WIN+X");
    EXPECT_EQ(HotKeyToText(api_, names_, 0xA074), "UMSCHALT+ALT+F5");
}

TEST_F(HotKeyText, WinIsCapitalisedOnlyWhenAltIsAllCapitals) {
    struct Case {
        const char* altName;
        const char* winName;
    } cases[] = {
        {"ALT", "WIN"}, {"Alt", "Win"}, {"", "WIN"}, {"ALT GR", "Win"}, {"ALT2", "Win"}, {"\xC4LT", "Win"},
    };
    for (const Case& c : cases) {
        api_.SetKeyName(0x12, 0x38, c.altName);
        names_ = ReadModifierNames(api_);
        EXPECT_EQ(names_.alt, c.altName);
        EXPECT_EQ(names_.win, c.winName) << c.altName;
    }
    // Wine's names: mixed case keeps "Win".
    api_.SetKeyName(0x11, 0x1D, "Control");
    api_.SetKeyName(0x12, 0x38, "Alt");
    names_ = ReadModifierNames(api_);
    EXPECT_EQ(HotKeyToText(api_, names_, 0x1C041), "Control+Alt+Win+A");
}

TEST_F(HotKeyText, EmptyPlatformNamesAreTakenAsTheyAre) {
    api_.SetScanCode(0x11, 0);  // Ctrl without a name
    names_ = ReadModifierNames(api_);
    EXPECT_EQ(names_.ctrl, "");
    EXPECT_EQ(HotKeyToText(api_, names_, 0x6058), "+Shift+X");
}

}  // namespace
}  // namespace kv
