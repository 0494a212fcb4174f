// Key, mouse and capture macros of the real program acting on the test's own
// windows and files.
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "keyvane_instance.h"
#include "macro_image_files.h"
#include "macro_message_box.h"
#include "macro_window.h"
#include "uilogic/AppTitle.h"

namespace kv::e2e {
namespace {

// Ctrl+Shift with F5 to F8 (Ctrl+Shift+F5 is 24692). No Alt: releasing Alt
// alone would put the test's focused window into menu mode.
constexpr std::uint32_t kCtrlShift = 0x4000 | 0x2000;
constexpr std::uint32_t kKeys[] = {kCtrlShift | VK_F5, kCtrlShift | VK_F6, kCtrlShift | VK_F7, kCtrlShift | VK_F8};

std::string MacroLine(const char* kind, std::uint32_t hotKey, const std::string& payload) {
    return ListLine(0, "-1", kind, hotKey, payload, std::string(kind) + " macro");
}

bool AnyModifierDown() {
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN}) {
        if (GetAsyncKeyState(vk) & 0x8000) return true;
    }
    return false;
}

std::string Coordinates(POINT p) { return "{X:" + std::to_string(p.x) + ",Y:" + std::to_string(p.y) + "}"; }

class Macros : public KeyvaneTest {
protected:
    // Starts the program with the list, after checking that nothing else
    // holds the shortcuts the test presses.
    void StartWith(const std::string& list) {
        for (std::uint32_t key : kKeys) ASSERT_TRUE(ShortcutIsFree(key)) << "shortcut " << key << " is taken";
        ASSERT_NO_FATAL_FAILURE(Start(list));
        for (std::uint32_t key : kKeys) {
            if (list.find(";" + std::to_string(key) + ";") != std::string::npos) {
                ASSERT_FALSE(ShortcutIsFree(key)) << "keyvane.exe did not register " << key;
            }
        }
    }

    std::string MakeFolder(const std::string& name) {
        const std::string path = folder.File(name);
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
};

// ---------------------------------------------------------------- key macros

// The program runs a macro when the shortcut's key goes down, while its
// modifiers are still held; the key tests hold them a while longer, as a
// person does, and the macro must wait for their release before typing.
constexpr DWORD kShortcutHoldMs = 300;

std::string KeyPayload(const std::string& header, const std::string& items) { return header + "|" + items; }

struct KeyCase {
    const char* header;
    const char* items;
    const char* typed;
};

// Each runs on its own shortcut, kKeys[i].
const KeyCase kKeyCases[] = {
    {"Active Window|Active Window|Once|0", "Hello{ENTER}world", "Hello\r\nworld"},
    // A Shift group, a delay item, and extended keys moving inside the text.
    {"Active Window|Active Window|Once|0", "+(ab)c|{DELAY50}|x{LEFT}{BS}y", "AByx"},
    // "Repeat" plays the items as many times as its count says.
    {"Active Window|Active Window|Repeat|3", "ab~", "ab\r\nab\r\nab\r\n"},
};

TEST_F(Macros, KeyMacroTypesIntoTheFocusedWindowExactlyAndLeavesNoModifierDown) {
    std::string list;
    for (size_t i = 0; i < std::size(kKeyCases); ++i) {
        list += MacroLine("KEYEVN", kKeys[i], KeyPayload(kKeyCases[i].header, kKeyCases[i].items));
    }
    ASSERT_NO_FATAL_FAILURE(StartWith(list));
    TargetWindow target(TargetWindow::Content::Edit, "Keyvane e2e editor", {100, 100, 600, 400});
    ASSERT_TRUE(target.Created());

    for (size_t i = 0; i < std::size(kKeyCases); ++i) {
        SCOPED_TRACE(kKeyCases[i].items);
        target.ClearText();
        ASSERT_TRUE(target.BringToFront());
        ASSERT_TRUE(WaitUntil([] { return !AnyModifierDown(); }));

        PressShortcut(kKeys[i], kShortcutHoldMs);
        EXPECT_TRUE(WaitUntil([&] { return target.Text() == kKeyCases[i].typed; })) << "typed: " << target.Text();
        EXPECT_TRUE(WaitUntil([] { return !AnyModifierDown(); }, 3000)) << "a modifier is left down";
        EXPECT_EQ(target.Text(), kKeyCases[i].typed);
    }
}

TEST_F(Macros, CustomWindowMacroBringsItsWindowToTheFrontOrReportsThatItIsMissing) {
    const std::string toTarget = KeyPayload("Custom Window|Keyvane e2e target|Once|0", "to the target");
    const std::string toNowhere = KeyPayload("Custom Window|Keyvane e2e nowhere|Once|0", "lost");
    ASSERT_NO_FATAL_FAILURE(
        StartWith(MacroLine("KEYEVN", kKeys[0], toTarget) + MacroLine("KEYEVN", kKeys[1], toNowhere)));
    TargetWindow target(TargetWindow::Content::Edit, "Keyvane e2e target", {80, 80, 480, 280});
    TargetWindow other(TargetWindow::Content::Edit, "Keyvane e2e other", {520, 80, 920, 280});
    ASSERT_TRUE(target.Created() && other.Created());
    ASSERT_TRUE(other.BringToFront());

    PressShortcut(kKeys[0], kShortcutHoldMs);
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == "to the target"; })) << "typed: " << target.Text();
    EXPECT_EQ(GetForegroundWindow(), target.Handle());
    EXPECT_EQ(other.Text(), "");

    // No window of that title: a message, and nothing typed anywhere.
    ASSERT_TRUE(other.BringToFront());
    PressShortcut(kKeys[1], kShortcutHoldMs);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindDialogOf(keyvane->ProcessId())) != nullptr; }));
    EXPECT_EQ(WindowText(box), "SendKeys");
    EXPECT_NE(MessageBoxText(box).find("\"Keyvane e2e nowhere\""), std::string::npos) << MessageBoxText(box);
    EXPECT_TRUE(CloseMessageBox(box));
    EXPECT_EQ(other.Text(), "");
    EXPECT_EQ(target.Text(), "to the target");
    EXPECT_TRUE(WaitUntil([] { return !AnyModifierDown(); }, 3000));
}

// ---------------------------------------------------------------- mouse macros

TEST_F(Macros, MouseMacroGlidesToEachTargetAndTheWindowGetsTheClicksThere) {
    TargetWindow window(TargetWindow::Content::Clicks, "Keyvane e2e clicks", {200, 150, 700, 550});
    ASSERT_TRUE(window.Created());
    const POINT left = {40, 30}, right = {420, 350}, twice = {250, 200};
    ASSERT_NO_FATAL_FAILURE(StartWith(MacroLine("MOUSEE", kKeys[0],
                                                "Once|0|" + Coordinates(window.ToScreen(left)) + "|{LBUTTON}|" +
                                                    Coordinates(window.ToScreen(right)) + "|{RBUTTON}|{DELAY50}|" +
                                                    Coordinates(window.ToScreen(twice)) + "|{DBLCLICK}")));
    SetCursorPos(20, 20);

    PressShortcut(kKeys[0]);
    const size_t expectedCount = 8;
    ASSERT_TRUE(WaitUntil([&] { return window.ButtonMessages().size() >= expectedCount; }))
        << "messages: " << window.ButtonMessages().size();
    const std::vector<TargetWindow::ButtonMessage> got = window.ButtonMessages();
    const std::vector<std::pair<UINT, POINT>> expected = {
        {WM_LBUTTONDOWN, left},  {WM_LBUTTONUP, left},  {WM_RBUTTONDOWN, right},   {WM_RBUTTONUP, right},
        {WM_LBUTTONDOWN, twice}, {WM_LBUTTONUP, twice}, {WM_LBUTTONDBLCLK, twice}, {WM_LBUTTONUP, twice},
    };
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("button message " + std::to_string(i));
        EXPECT_EQ(got[i].message, expected[i].first);
        EXPECT_EQ(got[i].client.x, expected[i].second.x);
        EXPECT_EQ(got[i].client.y, expected[i].second.y);
        EXPECT_EQ(got[i].keys & (MK_CONTROL | MK_SHIFT), 0u) << "a click with a modifier down";
    }
    POINT cursor = {};
    GetCursorPos(&cursor);
    const POINT end = window.ToScreen(twice);
    EXPECT_EQ(cursor.x, end.x);
    EXPECT_EQ(cursor.y, end.y);
}

// ---------------------------------------------------------------- screen capture

// The one file with the extension in the folder, once it is complete (the
// program holds it without sharing while it writes).
bool WaitForCapture(const std::string& folder, const char* extension, std::string& name,
                    std::vector<std::uint8_t>& bytes) {
    return WaitUntil([&] {
        for (const std::string& file : FileNames(folder)) {
            if (file.size() > 4 && file.compare(file.size() - 4, 4, extension) == 0) {
                name = file;
                std::string why;
                BmpFile bmp;
                JpegFile jpeg;
                return ReadWholeFile(folder + "\\" + file, bytes) &&
                       (std::string(extension) == ".bmp" ? ReadBmp(bytes, bmp, why) : ReadJpeg(bytes, jpeg, why));
            }
        }
        return false;
    });
}

void ExpectCaptureName(const std::string& name, const char* extension, const std::string& notBefore,
                       const std::string& notAfter) {
    static const std::regex pattern(R"(Screenshot_(\d{4}\.\d{2}\.\d{2}\.\d{6}\.\d{3})\.(bmp|jpg))");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(name, match, pattern)) << name;
    EXPECT_EQ("." + match[2].str(), extension);
    // The stamp is the local time of the capture.
    EXPECT_LE(notBefore, match[1].str());
    EXPECT_LE(match[1].str(), notAfter);
}

int ColourDistance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

TEST_F(Macros, CaptureMacrosWriteTimeNamedBmpAndJpegFilesOfTheWholeScreen) {
    // A window of two known colours, so that the pictures can be checked
    // against what is on the screen, the right way up.
    const RECT area = {96, 64, 416, 304};
    TargetWindow colours(TargetWindow::Content::TwoColours, "Keyvane e2e colours", area);
    ASSERT_TRUE(colours.Created());
    const POINT upper = {(area.left + area.right) / 2, area.top + 40};
    const POINT lower = {(area.left + area.right) / 2, area.bottom - 40};
    ASSERT_TRUE(WaitUntil([&] {
        const HDC screen = GetDC(nullptr);
        const bool shown = GetPixel(screen, upper.x, upper.y) == TargetWindow::kTopColour &&
                           GetPixel(screen, lower.x, lower.y) == TargetWindow::kBottomColour;
        ReleaseDC(nullptr, screen);
        return shown;
    })) << "the colours never reached the screen";

    const std::string shots = MakeFolder("shots");
    const std::string otherCase = MakeFolder("other-case");
    ASSERT_NO_FATAL_FAILURE(StartWith(MacroLine("SCRCAP", kKeys[0], shots + "|Bitmap") +
                                      MacroLine("SCRCAP", kKeys[1], shots + "|JPEG") +
                                      MacroLine("SCRCAP", kKeys[2], otherCase + "|Jpeg")));
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);

    const std::string before = LocalTimeStamp();
    // "Jpeg" first: once the bitmap of the next press is there, it has run.
    PressShortcut(kKeys[2]);
    PressShortcut(kKeys[0]);
    std::string bmpName;
    std::vector<std::uint8_t> bmpBytes;
    ASSERT_TRUE(WaitForCapture(shots, ".bmp", bmpName, bmpBytes)) << "no complete .bmp in " << shots;
    EXPECT_TRUE(FileNames(otherCase).empty()) << "\"Jpeg\" wrote " << FileNames(otherCase).front();

    PressShortcut(kKeys[1]);
    std::string jpgName;
    std::vector<std::uint8_t> jpgBytes;
    ASSERT_TRUE(WaitForCapture(shots, ".jpg", jpgName, jpgBytes)) << "no complete .jpg in " << shots;
    const std::string after = LocalTimeStamp();
    EXPECT_EQ(FileNames(shots).size(), 2u);

    ExpectCaptureName(bmpName, ".bmp", before, after);
    ExpectCaptureName(jpgName, ".jpg", before, after);

    std::string why;
    BmpFile bmp;
    ASSERT_TRUE(ReadBmp(bmpBytes, bmp, why)) << why;
    EXPECT_EQ(bmp.picture.width, screenWidth);
    EXPECT_EQ(bmp.picture.height, screenHeight);
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(bmp.bitsPerPixel, GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES));
    ReleaseDC(nullptr, screen);
    const int exact = bmp.bitsPerPixel >= 24 ? 0 : 8;
    EXPECT_LE(ColourDistance(bmp.picture.At(upper.x, upper.y), TargetWindow::kTopColour), exact);
    EXPECT_LE(ColourDistance(bmp.picture.At(lower.x, lower.y), TargetWindow::kBottomColour), exact);

    JpegFile jpeg;
    ASSERT_TRUE(ReadJpeg(jpgBytes, jpeg, why)) << why;
    EXPECT_TRUE(jpeg.jfif);
    EXPECT_TRUE(jpeg.baseline);
    EXPECT_EQ(jpeg.picture.width, screenWidth);
    EXPECT_EQ(jpeg.picture.height, screenHeight);
    // Lossy, but a flat area keeps its colour closely.
    EXPECT_LE(ColourDistance(jpeg.picture.At(upper.x, upper.y), TargetWindow::kTopColour), 24);
    EXPECT_LE(ColourDistance(jpeg.picture.At(lower.x, lower.y), TargetWindow::kBottomColour), 24);
}

TEST_F(Macros, CaptureIntoAMissingFolderShowsCannotCreateFileAndTheProgramKeepsRunning) {
    const std::string missing = folder.File("missing");
    const std::string shots = MakeFolder("shots");
    ASSERT_NO_FATAL_FAILURE(
        StartWith(MacroLine("SCRCAP", kKeys[0], missing + "|Bitmap") + MacroLine("SCRCAP", kKeys[1], shots + "|JPEG")));

    PressShortcut(kKeys[0]);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindDialogOf(keyvane->ProcessId())) != nullptr; })) << "no error box";
    // The application title, made from the file name keyvane.exe.
    EXPECT_EQ(WindowText(box), ApplicationTitle(folder.Keyvane()));
    const std::string text = MessageBoxText(box);
    const std::string start = "Cannot create file \"" + missing + "\\Screenshot_";
    EXPECT_EQ(text.substr(0, start.size()), start) << text;
    // Then the name, the system's reason and a full stop.
    EXPECT_TRUE(std::regex_match(text.substr(std::min(start.size(), text.size())),
                                 std::regex(R"(\d{4}\.\d{2}\.\d{2}\.\d{6}\.\d{3}\.bmp"\. .+\.)")))
        << text;
    ASSERT_TRUE(CloseMessageBox(box));
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES) << "the folder was created";

    ASSERT_TRUE(keyvane->Running());
    PressShortcut(kKeys[1]);
    std::string name;
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(WaitForCapture(shots, ".jpg", name, bytes)) << "no capture after the error";
}

}  // namespace
}  // namespace kv::e2e
