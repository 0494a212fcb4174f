#include "uilogic/AppTitle.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ApplicationTitle, CutsBeforeTheFirstDotAndLowersAllButTheFirstCharacter) {
    const struct {
        const char* exePath;
        const char* title;
    } cases[] = {
        {"C:\\Program Files\\Keyvane\\keyvane.exe", "keyvane"},
        {"C:\\Tools\\MYTOOL.EXE", "Mytool"},
        {"C:\\Tools\\KeyVane.v2.exe", "Keyvane"},
        {"Z:/tmp/run/Keyvane.exe", "Keyvane"},
        {"keyvane", "keyvane"},
        {"C:\\dir.with.dots\\App.exe", "App"},
        {"\\\\server\\share\\K.EXE", "K"},
        {"C:\\Tools\\.hidden.exe", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplicationTitle(c.exePath), c.title) << c.exePath;
}

TEST(ApplicationTitle, KeepsCharactersOutsideAsciiAsTheyAre) {
    EXPECT_EQ(ApplicationTitle("C:\\\xC4PFEL.exe"), "\xC4pfel");
}

TEST(TrayTip, HoldsAtMost63Characters) {
    EXPECT_EQ(TrayTip("Keyvane"), "Keyvane");
    EXPECT_EQ(TrayTip(std::string(63, 'k')), std::string(63, 'k'));
    EXPECT_EQ(TrayTip(std::string(100, 'k')), std::string(63, 'k'));
}

TEST(ErrorBoxText, AddsAFullStop) {
    EXPECT_EQ(ErrorBoxText("'x' is not a valid integer value"), "'x' is not a valid integer value.");
    EXPECT_EQ(ErrorBoxText("Already a sentence."), "Already a sentence.");
    EXPECT_EQ(ErrorBoxText(""), ".");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(PlayingTrayTip, NamesTheMacroAndHowToStopItWithinTheTipsRoom) {
    EXPECT_EQ(PlayingTrayTip("Keyvane", "Sign mail"), "Keyvane: playing \"Sign mail\" (Esc stops)");
    EXPECT_EQ(PlayingTrayTip("Keyvane", ""), "Keyvane: playing \"\" (Esc stops)");
    EXPECT_EQ(PlayingTrayTip("Keyvane", "two\r\nlines"), "Keyvane: playing \"two  lines\" (Esc stops)");
    const std::string tip = PlayingTrayTip("Keyvane", std::string(100, 'd'));
    EXPECT_EQ(tip.size(), kTrayTipMaxLength);
    EXPECT_EQ(tip.substr(tip.size() - 16), "...\" (Esc stops)");
}

}  // namespace
}  // namespace kv
