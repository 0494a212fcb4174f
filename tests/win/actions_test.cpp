// The window and system seams and Unicode typing on the real platform, in
// this process: the session is never ended (only the privilege step runs).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "runner/Delay.h"
#include "runner/KeyEvents.h"

namespace kv {
namespace {

class SilentShell : public ShellApi {
public:
    void ShellOpen(WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override { boxes.push_back(text); }
    std::vector<std::string> boxes;
};

// A Unicode top-level window with a Unicode edit filling it.
class UnicodeEditWindow {
public:
    UnicodeEditWindow() {
        static const bool registered = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
            wc.lpszClassName = L"KvUnicodeEditWindow";
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        hwnd_ = CreateWindowExW(0, L"KvUnicodeEditWindow", L"Keyvane Unicode test", WS_OVERLAPPEDWINDOW, 150, 150, 400,
                                200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 380, 150, hwnd_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ShowWindow(hwnd_, SW_SHOW);
    }
    ~UnicodeEditWindow() { DestroyWindow(hwnd_); }

    HWND Handle() const { return hwnd_; }
    void Activate() const {
        SetForegroundWindow(hwnd_);
        SetFocus(edit_);
    }
    std::wstring Text() const {
        wchar_t text[256] = {};
        GetWindowTextW(edit_, text, 256);
        return text;
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;
};

// The UTF-16 units, for a failure's message.
std::string Units(const std::wstring& text) {
    std::string units;
    char unit[8];
    for (wchar_t c : text) {
        std::snprintf(unit, sizeof unit, "%04X ", unsigned(c));
        units += unit;
    }
    return units;
}

// The text in the ANSI code page; false when the code page lacks one of its
// characters.
bool ToAnsi(const std::wstring& text, std::string& ansi) {
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return false;
    ansi.resize(size_t(size));
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), &ansi[0], size, nullptr, nullptr);
    return true;
}

class Win32UnicodeTest : public testing::Test {
protected:
    void Pump(int ms) { Delay(loop_, ms); }
    void PumpWide(DWORD ms) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
    }

    Win32Input input_;
    Win32MessageLoop loop_;
    SilentShell shell_;
    InputContext context_{input_, loop_, shell_};
};

TEST_F(Win32UnicodeTest, CharactersWithoutAKeyAndTheTokenArriveExactly) {
    const std::wstring latin = L"caf\u00e9 \u20ac5 \u2014 ";
    std::string ansi;
    if (!ToAnsi(latin, ansi)) GTEST_SKIP() << "the ANSI code page " << GetACP() << " lacks the characters";
    UnicodeEditWindow window;
    window.Activate();
    Pump(100);
    ASSERT_EQ(GetForegroundWindow(), window.Handle());

    // Sent without the sender's own dispatch: a surrogate survives only a
    // message loop of the wide functions, as a Unicode program has.
    EXPECT_TRUE(SendKeySequence(context_, ansi + "{U+1F600}{U+E9 2}", false));
    PumpWide(300);
    EXPECT_EQ(Units(window.Text()), Units(latin + L"\U0001F600\u00e9\u00e9")) << "code page " << GetACP();
    EXPECT_TRUE(shell_.boxes.empty());
}

TEST_F(Win32UnicodeTest, TheCodePageDecodesAndTheLayoutAnswersForTheForegroundWindow) {
    std::string euro;
    if (!ToAnsi(L"\u20ac", euro)) GTEST_SKIP() << "no euro sign in code page " << GetACP();
    size_t length = 0;
    EXPECT_EQ(input_.DecodeAnsiCharacter(euro + "x", 0, length), u"\u20ac");
    EXPECT_EQ(length, euro.size());
    EXPECT_EQ(input_.DecodeAnsiCharacter("ab", 1, length), u"b");
    EXPECT_EQ(length, 1u);
    // The layout of the test display is a US one.
    EXPECT_EQ(input_.CharToKeyCode('a'), std::uint16_t(VkKeyScanA('a')));
    EXPECT_EQ(input_.CharToKeyCode(euro[0]), 0xFFFF);
}

// ---------------------------------------------------------------- windows

class PlainWindow {
public:
    explicit PlainWindow(DWORD style) {
        hwnd_ = CreateWindowExA(0, "STATIC", "Keyvane window test", style, 300, 300, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ShowWindow(hwnd_, SW_SHOWNORMAL);
    }
    ~PlainWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND Handle() const { return hwnd_; }
    WindowHandle Value() const { return reinterpret_cast<WindowHandle>(hwnd_); }
    void Destroy() { DestroyWindow(hwnd_); }

private:
    HWND hwnd_ = nullptr;
};

TEST(Win32TopLevelWindows, ListsNoWindowOfThisProgramAndMinimisesAndRestores) {
    Win32TopLevelWindows windows;
    PlainWindow window(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(window.Handle());
    for (const TopLevelWindow& w : windows.OtherProgramsWindows()) {
        DWORD process = 0;
        GetWindowThreadProcessId(reinterpret_cast<HWND>(w.handle), &process);
        EXPECT_NE(process, GetCurrentProcessId());
        EXPECT_TRUE(IsWindowVisible(reinterpret_cast<HWND>(w.handle)));
    }
    EXPECT_TRUE(windows.WindowExists(window.Value()));
    EXPECT_FALSE(windows.IsMinimized(window.Value()));
    windows.Minimize(window.Value());
    EXPECT_TRUE(windows.IsMinimized(window.Value()));
    windows.Restore(window.Value());
    EXPECT_FALSE(windows.IsMinimized(window.Value()));
    EXPECT_TRUE(IsWindowVisible(window.Handle()));

    const WindowHandle gone = window.Value();
    window.Destroy();
    EXPECT_FALSE(windows.WindowExists(gone));
}

// ---------------------------------------------------------------- system

bool ClipboardHoldsText() { return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT); }

TEST(Win32System, ClearClipboardEmptiesAClipboardThatHeldText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const char text[] = "Keyvane clipboard test";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::copy(text, text + sizeof text, static_cast<char*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    ASSERT_TRUE(SetClipboardData(CF_TEXT, memory));
    CloseClipboard();
    ASSERT_TRUE(ClipboardHoldsText());

    Win32System system;
    std::string error;
    EXPECT_TRUE(system.ClearClipboard(error)) << error;
    EXPECT_FALSE(ClipboardHoldsText());
    EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST(Win32System, ShutdownPrivilegeCanBeEnabledWithoutEndingAnything) {
    std::string error;
    EXPECT_TRUE(EnableShutdownPrivilege(error)) << error;
}

TEST(Win32System, OwnWindowIsNotElevated) {
    unsigned long level = 0;
    ASSERT_TRUE(ProcessIntegrityLevel(GetCurrentProcessId(), level));
    EXPECT_GE(level, static_cast<unsigned long>(SECURITY_MANDATORY_LOW_RID));

    PlainWindow window(WS_OVERLAPPEDWINDOW);
    SetForegroundWindow(window.Handle());
    Win32System system;
    std::string title = "unchanged";
    EXPECT_FALSE(system.ForegroundIsElevated(title));
    EXPECT_EQ(title, "unchanged");
}

// Answers the next question box of this thread from a thread timer, which
// fires inside the box's own message loop.
struct BoxAnswer {
    static inline int button = IDNO;
    static inline std::string text, caption;
    static inline LRESULT defaultButton = 0;

    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        const HWND box = FindWindowA("#32770", "Keyvane question test");
        if (!box) return;  // not shown yet: the timer fires again
        KillTimer(nullptr, id);
        char buffer[256] = {};
        GetWindowTextA(box, buffer, sizeof buffer);
        caption = buffer;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char cls[32] = {};
            GetClassNameA(child, cls, sizeof cls);
            if (lstrcmpiA(cls, "Static") != 0) continue;
            GetWindowTextA(child, buffer, sizeof buffer);
            if (*buffer) text = buffer;
        }
        for (int id : {IDYES, IDNO}) {
            if ((GetWindowLongA(GetDlgItem(box, id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) defaultButton = id;
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(box, button)));
    }
};

TEST(Win32System, QuestionBoxHasNoAsItsDefaultButton) {
    Win32System system;
    for (int button : {IDNO, IDYES}) {
        BoxAnswer::button = button;
        BoxAnswer::defaultButton = 0;
        SetTimer(nullptr, 0, 50, BoxAnswer::Fire);
        const bool yes = system.AskYesNo("Shut down Windows now?", "Keyvane question test");
        EXPECT_EQ(yes, button == IDYES);
        EXPECT_EQ(BoxAnswer::text, "Shut down Windows now?");
        EXPECT_EQ(BoxAnswer::caption, "Keyvane question test");
        EXPECT_EQ(BoxAnswer::defaultButton, IDNO);
    }
}

}  // namespace
}  // namespace kv
