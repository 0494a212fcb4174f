#pragma once
// Running the real keyvane.exe from a fresh folder and driving it from
// outside: starting, shortcut presses, the single-instance message, Exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kv::e2e {

// One key event as SendInput takes it: vk pressed, or let go when up.
INPUT KeyInput(WORD vk, bool up);

void SetKeyvanePath(const std::string& path);
const std::string& KeyvanePath();
// kv_e2e_mark.exe, built beside this program.
std::string MarkHelperPath();

// Shortcuts of these tests: Ctrl+Shift+Alt with F17..F20, which nothing else
// in the test prefix uses.
constexpr std::uint32_t kShortcutA = 0xE080;
constexpr std::uint32_t kShortcutB = 0xE081;
constexpr std::uint32_t kShortcutC = 0xE082;
constexpr std::uint32_t kShortcutD = 0xE083;

// One line of a list file.
std::string ListLine(std::uint32_t id, const char* enabled, const char* kind, std::uint32_t hotKey,
                     const std::string& data, const std::string& description);
std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Presses the combination of a packed shortcut value through SendInput.
void PressShortcut(std::uint32_t hotKey);
// As a person does: the modifiers stay down for holdMs after the key's press.
void PressShortcut(std::uint32_t hotKey, DWORD holdMs);
// Whether nobody holds the combination: a registration of our own succeeds.
bool ShortcutIsFree(std::uint32_t hotKey);

// Whether the shell holds the icon of this window.
bool TrayIconPresent(HWND window);
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

// A fresh folder under the temporary directory holding a copy of
// keyvane.exe; removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::string Keyvane() const { return File("keyvane.exe"); }
    std::string ListFile() const { return File("macrolist.lis"); }
    // A copy of the mark helper under this name; it marks into File("marks.txt").
    std::string AddMarkHelper(const std::string& name);
    std::vector<std::string> Marks() const;

private:
    std::string path_;
};

// A process of keyvane.exe started from a folder.
class KeyvaneProcess {
public:
    explicit KeyvaneProcess(const TempFolder& folder);
    // Ends the program with Exit, or kills it when it does not end.
    ~KeyvaneProcess();
    KeyvaneProcess(const KeyvaneProcess&) = delete;
    KeyvaneProcess& operator=(const KeyvaneProcess&) = delete;

    // Starts the program; true once its main window exists and its tray
    // icon is there (the list is loaded then).
    bool StartAndWaitReady();

    HWND MainWindow() const { return main_; }
    // The window that owns the main window and carries the taskbar button.
    HWND ApplicationWindow() const { return GetWindow(main_, GW_OWNER); }
    DWORD ProcessId() const { return pi_.dwProcessId; }
    bool Running() const;

    // The File menu's Exit; true when the process ended within the time.
    bool Exit(DWORD timeoutMs = 10000);
    DWORD ExitCode() const;

private:
    const TempFolder& folder_;
    PROCESS_INFORMATION pi_ = {};
    HWND main_ = nullptr;
};

// Starts keyvane.exe of the folder and waits for it to end; its exit code,
// or STILL_ACTIVE when it did not end in time (it is then killed).
DWORD RunToEnd(const TempFolder& folder, DWORD timeoutMs = 10000);

// A URL scheme registered for the current user (HKCU\Software\Classes)
// whose handler is a program. Where the merged classes root does not show
// the user's classes (Wine), it is registered in the classes root as well.
class UrlScheme {
public:
    UrlScheme(const std::string& scheme, const std::string& handler);
    ~UrlScheme();

private:
    std::string scheme_;
    bool inClassesRoot_ = false;
};

// A test with a fresh folder and, once started, a running keyvane.exe that
// is ended at the test's end.
class KeyvaneTest : public testing::Test {
protected:
    // Writes the list file (none for a null text) and starts the program.
    void Start(const char* listText);
    void Start(const std::string& listText) { Start(listText.c_str()); }
    void TearDown() override;

    TempFolder folder;
    std::unique_ptr<KeyvaneProcess> keyvane;
};

}  // namespace kv::e2e
