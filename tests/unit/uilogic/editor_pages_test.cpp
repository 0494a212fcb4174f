// The pages' builders and the loaders' reading of stored payloads.
#include <gtest/gtest.h>

#include "uilogic/EditorPages.h"

namespace kv {
namespace {

using Entries = std::vector<std::string>;

TEST(EditorCategories, OfferSevenEntriesAndMapEveryKindToItsPage) {
    const char* entries[] = {"Run Program",  "Open Url",       "Screen Capture", "Key Events",
                             "Mouse Events", "Window Actions", "Miscellaneous"};
    ASSERT_EQ(kCategoryCount, kEditorPageCount);
    const char* kinds[] = {"RUNPRG", "OPNURL", "SCRCAP", "KEYEVN", "MOUSEE", "WINACT", "MISCEL"};
    for (int page = 0; page < kEditorPageCount; ++page) {
        EXPECT_STREQ(kEditorCategories[page].entry, entries[page]);
        EXPECT_EQ(KindOfPage(page), kinds[page]);
        EXPECT_EQ(PageOfKind(kinds[page]), page);
    }
    EXPECT_EQ(PageOfKind("runprg"), -1);
    EXPECT_EQ(PageOfKind(""), -1);
    EXPECT_EQ(KindOfPage(7), "");
}

TEST(EditorPages, NewEditorShowsTheDefaults) {
    EditorPages p;
    EXPECT_EQ(p.cbFormat, "Bitmap");
    EXPECT_EQ(p.cbWinType, "Active Window");
    EXPECT_EQ(p.txWindowName, "Active Window");
    EXPECT_EQ(p.cbRepeat, "Once");
    EXPECT_EQ(p.txTimes, "0");
    EXPECT_EQ(p.cbMRepeat, "Once");
    EXPECT_EQ(p.txMTimes, "0");
    EXPECT_EQ(p.cbWindowSettings, "Minimize all Windows");
    EXPECT_EQ(p.cbMisc, "Restart Windows");
    EXPECT_TRUE(p.cbConfirm);
    EXPECT_FALSE(WindowNameEnabled(p));
    EXPECT_FALSE(KeyCountEnabled(p));
    EXPECT_FALSE(MouseCountEnabled(p));
}

// One filled editor per kind and the payload its builder makes.
struct BuildCase {
    const char* name;
    int page;
    void (*fill)(EditorPages&);
    const char* payload;
};

const BuildCase kBuildCases[] = {
    {"ThreePrograms", pgRunProgram,
     [](EditorPages& p) {
         p.lsbRunList = {"a", "b", "c"};
     },
     "a|b|c"},
    {"OneProgram", pgRunProgram, [](EditorPages& p) { p.lsbRunList = {"C:\\Tools\\report.exe"}; },
     "C:\\Tools\\report.exe"},
    {"NoProgram", pgRunProgram, [](EditorPages&) {}, ""},
    {"Urls", pgOpenUrl,
     [](EditorPages& p) {
         p.lsbURLs = {"file:///C:/Docs/index.html", "file:///C:/Docs/notes.html"};
     },
     "file:///C:/Docs/index.html|file:///C:/Docs/notes.html"},
    {"CaptureDefault", pgScreenCapture, [](EditorPages& p) { p.txSSPath = "C:\\Keyvane\\"; }, "C:\\Keyvane\\|Bitmap"},
    {"CaptureJpeg", pgScreenCapture,
     [](EditorPages& p) {
         p.txSSPath = "D:\\Captures";
         p.cbFormat = "JPEG";
     },
     "D:\\Captures|JPEG"},
    {"KeysActiveOnce", pgKeyEvents,
     [](EditorPages& p) {
         p.lsbKeys = {"{F1}", "abc"};
     },
     "Active Window|Active Window|Once|0|{F1}|abc"},
    {"KeysWorkedExample", pgKeyEvents,
     [](EditorPages& p) {
         p.lsbKeys = {"Hello{ENTER}", "{DELAY500}", "^s"};
     },
     "Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY500}|^s"},
    {"KeysNoItemsEndInSeparator", pgKeyEvents, [](EditorPages&) {}, "Active Window|Active Window|Once|0|"},
    {"KeysCustomRepeat", pgKeyEvents,
     [](EditorPages& p) {
         p.cbWinType = "Custom Window";
         p.txWindowName = "Notepad";
         p.cbRepeat = "Repeat";
         p.txTimes = "5";
         p.lsbKeys = {"x"};
     },
     "Custom Window|Notepad|Repeat|5|x"},
    {"MouseOnce", pgMouseEvents,
     [](EditorPages& p) {
         p.lsbMouse = {"{X:10,Y:10}", "{LBUTTON}", "{DELAY100}"};
     },
     "Once|0|{X:10,Y:10}|{LBUTTON}|{DELAY100}"},
    {"MouseNoItems", pgMouseEvents, [](EditorPages&) {}, "Once|0|"},
    {"MouseRepeatUntil", pgMouseEvents,
     [](EditorPages& p) {
         p.cbMRepeat = "Repeat until";
         p.txMTimes = "3";
         p.lsbMouse = {"{RBUTTON}"};
     },
     "Repeat until|3|{RBUTTON}"},
    {"WindowAction", pgWindowActions, [](EditorPages& p) { p.cbWindowSettings = "Restore all Windows"; },
     "Restore all Windows"},
    {"MiscConfirmed", pgMiscellaneous, [](EditorPages& p) { p.cbMisc = "Shut down Windows"; }, "Shut down Windows|-1"},
    {"MiscNotConfirmed", pgMiscellaneous,
     [](EditorPages& p) {
         p.cbMisc = "Clear Clipboard";
         p.cbConfirm = false;
     },
     "Clear Clipboard|0"},
};

class PageBuilders : public ::testing::TestWithParam<BuildCase> {};

TEST_P(PageBuilders, BuildThePayloadAndLoadItBack) {
    const BuildCase& c = GetParam();
    EditorPages pages;
    c.fill(pages);
    EXPECT_EQ(PagePayload(pages, c.page), c.payload);

    // A fresh editor loaded with that payload builds the same payload again.
    EditorPages loaded;
    LoadPagePayload(loaded, c.page, c.payload);
    EXPECT_EQ(PagePayload(loaded, c.page), c.payload);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PageBuilders, ::testing::ValuesIn(kBuildCases),
                         [](const ::testing::TestParamInfo<BuildCase>& info) { return info.param.name; });

// A stored key payload and the key page a new editor shows once it is loaded.
struct KeyPageLoad {
    const char* name;
    const char* payload;
    const char* winType;
    const char* windowName;
    bool windowNameEnabled;
    const char* repeat;
    const char* times;
    bool countEnabled;
    Entries keys;
};

const KeyPageLoad kKeyPageLoads[] = {
    {"ActiveOnceDisablesNameAndCount",
     "Active Window|Active Window|Once|0|{F1}|abc",
     "Active Window",
     "Active Window",
     false,
     "Once",
     "0",
     false,
     {"{F1}", "abc"}},
    {"OtherTextsMeanCustomWindowAndRepeat",
     "Some Window|Notepad|Twice|7|a",
     "Custom Window",
     "Notepad",
     true,
     "Repeat",
     "7",
     true,
     {"a"}},
    // A blank window name written by an old version vanished in the payload;
    // the fields then shift, as the file reader sees them.
    {"BlankHeaderFieldShiftsTheRest",
     "Custom Window||Once|0|{F1}",
     "Custom Window",
     "Once",
     true,
     "Repeat",
     "{F1}",
     true,
     {}},
};

class KeyPageLoads : public ::testing::TestWithParam<KeyPageLoad> {};

TEST_P(KeyPageLoads, ShowTheHeaderAndTheItems) {
    const KeyPageLoad& c = GetParam();
    EditorPages p;
    LoadPagePayload(p, pgKeyEvents, c.payload);
    EXPECT_EQ(p.cbWinType, c.winType);
    EXPECT_EQ(p.txWindowName, c.windowName);
    EXPECT_EQ(WindowNameEnabled(p), c.windowNameEnabled);
    EXPECT_EQ(p.cbRepeat, c.repeat);
    EXPECT_EQ(p.txTimes, c.times);
    EXPECT_EQ(KeyCountEnabled(p), c.countEnabled);
    EXPECT_EQ(p.lsbKeys, c.keys);
}

INSTANTIATE_TEST_SUITE_P(PageLoaders, KeyPageLoads, ::testing::ValuesIn(kKeyPageLoads),
                         [](const ::testing::TestParamInfo<KeyPageLoad>& info) { return info.param.name; });

TEST(PageLoaders, MouseEvents) {
    EditorPages p;
    LoadPagePayload(p, pgMouseEvents, "Repeat until|abc|{X:1,Y:2}|{MBUTTON}");
    EXPECT_EQ(p.cbMRepeat, "Repeat until");
    EXPECT_EQ(p.txMTimes, "abc");
    EXPECT_TRUE(MouseCountEnabled(p));
    EXPECT_EQ(p.lsbMouse, (Entries{"{X:1,Y:2}", "{MBUTTON}"}));

    LoadPagePayload(p, pgMouseEvents, "Once|9|{LBUTTON}");
    EXPECT_EQ(p.cbMRepeat, "Once");
    EXPECT_EQ(p.txMTimes, "0");
    EXPECT_EQ(p.lsbMouse, Entries{"{LBUTTON}"});
}

TEST(PageLoaders, CaptureFormatIsBitmapOnlyForThatExactText) {
    EditorPages p;
    LoadPagePayload(p, pgScreenCapture, "D:\\Captures|Bitmap");
    EXPECT_EQ(p.txSSPath, "D:\\Captures");
    EXPECT_EQ(p.cbFormat, "Bitmap");
    LoadPagePayload(p, pgScreenCapture, "D:\\Captures|bitmap");
    EXPECT_EQ(p.cbFormat, "JPEG");
}

TEST(PageLoaders, WindowAndSystemActionsChooseOnlyListedTexts) {
    EditorPages p;
    LoadPagePayload(p, pgWindowActions, "Restore all Windows");
    EXPECT_EQ(p.cbWindowSettings, "Restore all Windows");
    EditorPages q;
    LoadPagePayload(q, pgWindowActions, "restore all windows");
    EXPECT_EQ(q.cbWindowSettings, "Minimize all Windows");

    struct {
        const char* payload;
        const char* misc;
        bool confirm;
    } cases[] = {
        {"Shut down Windows|-1", "Shut down Windows", true}, {"Clear Clipboard|0", "Clear Clipboard", false},
        {"Restart Windows|1", "Restart Windows", false},     {"Restart Windows|True", "Restart Windows", false},
        {"Format Disk|-1", "Restart Windows", true},
    };
    for (const auto& c : cases) {
        EditorPages m;
        LoadPagePayload(m, pgMiscellaneous, c.payload);
        EXPECT_EQ(m.cbMisc, c.misc) << c.payload;
        EXPECT_EQ(m.cbConfirm, c.confirm) << c.payload;
    }
}

TEST(PageLoaders, ListsDropBlankFieldsAsTheFileReaderDoes) {
    EditorPages p;
    LoadPagePayload(p, pgRunProgram, "a|| |b|");
    EXPECT_EQ(p.lsbRunList, (Entries{"a", "b"}));
    LoadPagePayload(p, pgOpenUrl, "");
    EXPECT_TRUE(p.lsbURLs.empty());
}

TEST(PageLoaders, LoadingOnePageLeavesTheOthersAlone) {
    EditorPages p;
    p.lsbRunList = {"keep.exe"};
    p.txSSPath = "C:\\Exe\\";
    LoadPagePayload(p, pgKeyEvents, "Active Window|Active Window|Once|0|x");
    EXPECT_EQ(p.lsbRunList, Entries{"keep.exe"});
    EXPECT_EQ(p.txSSPath, "C:\\Exe\\");
}

// Short payloads come only from edited list files: a missing field leaves
// its control as a new editor shows it.
TEST(PageLoaders, ShortPayloadsKeepTheDefaultsOfMissingFields) {
    EditorPages keys;
    keys.txSSPath = "C:\\Exe\\";
    LoadPagePayload(keys, pgKeyEvents, "");
    EXPECT_EQ(procSendKey(keys), "Active Window|Active Window|Once|0|");

    EditorPages custom;
    LoadPagePayload(custom, pgKeyEvents, "Custom Window");
    EXPECT_EQ(custom.cbWinType, "Custom Window");
    EXPECT_EQ(custom.txWindowName, "Active Window");
    EXPECT_EQ(custom.cbRepeat, "Once");

    EditorPages repeat;
    LoadPagePayload(repeat, pgKeyEvents, "Active Window|Active Window|Repeat");
    EXPECT_EQ(repeat.cbRepeat, "Repeat");
    EXPECT_EQ(repeat.txTimes, "0");
    EXPECT_TRUE(repeat.lsbKeys.empty());

    EditorPages mouse;
    LoadPagePayload(mouse, pgMouseEvents, "Repeat until");
    EXPECT_EQ(mouse.cbMRepeat, "Repeat until");
    EXPECT_EQ(mouse.txMTimes, "0");
    EXPECT_TRUE(mouse.lsbMouse.empty());

    EditorPages capture;
    capture.txSSPath = "C:\\Exe\\";
    LoadPagePayload(capture, pgScreenCapture, "");
    EXPECT_EQ(proScreenShot(capture), "C:\\Exe\\|Bitmap");
    LoadPagePayload(capture, pgScreenCapture, "D:\\Shots");
    EXPECT_EQ(proScreenShot(capture), "D:\\Shots|Bitmap");

    EditorPages misc;
    LoadPagePayload(misc, pgMiscellaneous, "Clear Clipboard");
    EXPECT_EQ(procMisc(misc), "Clear Clipboard|-1");
    EditorPages none;
    LoadPagePayload(none, pgMiscellaneous, "");
    EXPECT_EQ(procMisc(none), "Restart Windows|-1");
    LoadPagePayload(none, pgWindowActions, "");
    EXPECT_EQ(procWindowAction(none), "Minimize all Windows");
}

TEST(PageChoices, WinTypeAndRepeatHandlers) {
    EditorPages p;
    ChooseWinType(p, "Custom Window");
    EXPECT_EQ(p.txWindowName, "Active Window");  // kept until the user changes it
    EXPECT_TRUE(WindowNameEnabled(p));
    p.txWindowName = "Notepad";
    ChooseWinType(p, "Active Window");
    EXPECT_EQ(p.txWindowName, "Active Window");
    EXPECT_FALSE(WindowNameEnabled(p));

    ChooseRepeat(p, "Repeat");
    EXPECT_TRUE(KeyCountEnabled(p));
    p.txTimes = "12";
    ChooseRepeat(p, "Repeat");
    EXPECT_EQ(p.txTimes, "12");
    ChooseRepeat(p, "Once");
    EXPECT_EQ(p.txTimes, "0");
    EXPECT_FALSE(KeyCountEnabled(p));

    ChooseMRepeat(p, "Repeat until");
    EXPECT_TRUE(MouseCountEnabled(p));
    p.txMTimes = "x";
    ChooseMRepeat(p, "Once");
    EXPECT_EQ(p.txMTimes, "0");
}

}  // namespace
}  // namespace kv
