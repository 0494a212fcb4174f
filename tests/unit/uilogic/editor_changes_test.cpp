#include "uilogic/EditorChanges.h"

#include <gtest/gtest.h>

#include <functional>

namespace kv {
namespace {

// A key macro as an opened editor shows it.
EditorFields Opened() {
    EditorFields f;
    f.hotKey = 24692;  // Ctrl+Shift+F5
    f.category = pgKeyEvents;
    f.page = pgKeyEvents;
    f.pages.txSSPath = "C:\\Keyvane\\";
    f.pages.lsbKeys = {"{F1}", "abc"};
    f.description = "Greet";
    return f;
}

TEST(FieldsChanged, NothingTouchedAsksNothing) {
    EXPECT_FALSE(FieldsChanged(Opened(), Opened()));
    EXPECT_FALSE(FieldsChanged(EditorFields(), EditorFields()));
}

TEST(FieldsChanged, AnyFieldTheUserCanChangeCounts) {
    const struct {
        const char* what;
        std::function<void(EditorFields&)> change;
    } cases[] = {
        {"shortcut", [](EditorFields& f) { f.hotKey = 24693; }},
        {"category", [](EditorFields& f) { f.category = pgMouseEvents; }},
        {"page", [](EditorFields& f) { f.page = pgMouseEvents; }},
        {"description", [](EditorFields& f) { f.description += " "; }},
        {"program list", [](EditorFields& f) { f.pages.lsbRunList.push_back("C:\\notes.exe"); }},
        {"URL list", [](EditorFields& f) { f.pages.lsbURLs.push_back("http://x/"); }},
        {"capture folder", [](EditorFields& f) { f.pages.txSSPath = "D:\\"; }},
        {"format", [](EditorFields& f) { f.pages.cbFormat = kJpeg; }},
        {"window choice", [](EditorFields& f) { f.pages.cbWinType = kCustomWindow; }},
        {"window name", [](EditorFields& f) { f.pages.txWindowName = "Notepad"; }},
        {"key repeat", [](EditorFields& f) { f.pages.cbRepeat = kRepeat; }},
        {"key count", [](EditorFields& f) { f.pages.txTimes = "3"; }},
        {"key entries' order", [](EditorFields& f) { std::swap(f.pages.lsbKeys[0], f.pages.lsbKeys[1]); }},
        {"key entry removed", [](EditorFields& f) { f.pages.lsbKeys.pop_back(); }},
        {"mouse repeat", [](EditorFields& f) { f.pages.cbMRepeat = kRepeatUntil; }},
        {"mouse count", [](EditorFields& f) { f.pages.txMTimes = "2"; }},
        {"mouse entries", [](EditorFields& f) { f.pages.lsbMouse.push_back("{LBUTTON}"); }},
        {"window action", [](EditorFields& f) { f.pages.cbWindowSettings = kRestoreAllWindows; }},
        {"system action", [](EditorFields& f) { f.pages.cbMisc = kClearClipboardAction; }},
        {"confirmation", [](EditorFields& f) { f.pages.cbConfirm = false; }},
    };
    for (const auto& c : cases) {
        EditorFields now = Opened();
        c.change(now);
        EXPECT_TRUE(FieldsChanged(Opened(), now)) << c.what;
    }
}

TEST(FieldsChanged, AChangeUndoneIsNoChange) {
    EditorFields now = Opened();
    now.pages.lsbKeys.push_back("{DELAY500}");
    now.pages.lsbKeys.pop_back();
    now.description = "Greet";
    EXPECT_FALSE(FieldsChanged(Opened(), now));
}

}  // namespace
}  // namespace kv
