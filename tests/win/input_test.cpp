// The key sender and mouse playback on the real platform: typed text reaches
// the focused edit control, the cursor glides and clicks land in a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MessageLoop.h"
#include "runner/Delay.h"
#include "runner/KeyEvents.h"
#include "runner/MouseEvents.h"

#include <windows.h>

namespace kv {
namespace {

const char kWindowTitle[] = "Keyvane input test";
const char kOtherTitle[] = "Keyvane other window";

class RecordingShell : public ShellApi {
public:
    void ShellOpen(WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
        boxes.push_back(caption + ": " + text);
    }
    std::vector<std::string> boxes;
};

struct Click {
    UINT message;
    WPARAM wParam;
    POINT screen;
};

// A top-level window with a multi-line edit in its upper half; the lower half
// records the mouse clicks it gets.
class TestWindow {
public:
    explicit TestWindow(const char* title, int x) {
        RegisterClassOnce();
        hwnd_ = CreateWindowExA(0, "KvInputTestWindow", title, WS_OVERLAPPEDWINDOW, x, 100, 400, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), this);
        edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0, 380, 100,
                                hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
        // Shown once the edit exists, so that activation hands it the focus.
        ShowWindow(hwnd_, SW_SHOW);
    }
    ~TestWindow() { DestroyWindow(hwnd_); }

    HWND Handle() const { return hwnd_; }
    void Activate() {
        SetForegroundWindow(hwnd_);
        SetFocus(edit_);
    }
    void Clear() {
        SetWindowTextA(edit_, "");
        clicks.clear();
    }
    std::string EditText() const {
        char text[1024] = {};
        GetWindowTextA(edit_, text, sizeof text);
        return text;
    }
    // A screen point in the window's lower, edit-free half.
    POINT ClickPoint() const {
        POINT p = {200, 200};
        ClientToScreen(hwnd_, &p);
        return p;
    }

    std::vector<Click> clicks;

private:
    static void RegisterClassOnce() {
        static bool registered = false;
        if (registered) return;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        wc.lpszClassName = "KvInputTestWindow";
        RegisterClassA(&wc);
        registered = true;
    }

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        switch (msg) {
            case WM_SETFOCUS:
                if (self && self->edit_) SetFocus(self->edit_);
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_XBUTTONDOWN:
                if (self) {
                    POINT p = {short(LOWORD(lParam)), short(HIWORD(lParam))};
                    ClientToScreen(hwnd, &p);
                    self->clicks.push_back({msg, wParam, p});
                }
                break;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;
};

bool KeyIsDown(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0 || (GetKeyState(vk) & 0x8000) != 0; }

// The windows live for the whole suite: Wine without a window manager takes
// seconds to hide a window.
class Win32InputTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        window_ = new TestWindow(kWindowTitle, 100);
        other_ = new TestWindow(kOtherTitle, 600);
    }
    static void TearDownTestSuite() {
        delete other_;
        delete window_;
    }

    void SetUp() override {
        window_->Clear();
        other_->Clear();
        Activate(*window_);
    }

    void Activate(TestWindow& window) {
        window.Activate();
        Pump(100);
    }

    // Dispatches every message for ms milliseconds.
    void Pump(int ms) { Delay(loop_, ms); }

    void ExpectNoModifierDown() {
        for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LSHIFT, VK_LCONTROL, VK_LMENU}) {
            EXPECT_FALSE(KeyIsDown(vk)) << "virtual key " << vk;
        }
    }

    static TestWindow* window_;
    static TestWindow* other_;
    Win32Input input_;
    Win32MessageLoop loop_;
    RecordingShell shell_;
    InputContext context_{input_, loop_, shell_};
};

TestWindow* Win32InputTest::window_ = nullptr;
TestWindow* Win32InputTest::other_ = nullptr;

TEST_F(Win32InputTest, TypedTextArrivesInTheFocusedEdit) {
    ASSERT_EQ(GetForegroundWindow(), window_->Handle());
    EXPECT_TRUE(SendKeySequence(context_, "Hello{ENTER}", true));
    EXPECT_TRUE(SendKeySequence(context_, "+(wor)ld {{}1{}} a~b", true));
    Pump(200);
    EXPECT_EQ(window_->EditText(), "Hello\r\nWORld {1} a\r\nb");
    ExpectNoModifierDown();
    EXPECT_TRUE(shell_.boxes.empty());
}

TEST_F(Win32InputTest, PlayerTypesItemsWithDelaysAndReleasesEveryModifier) {
    // An unclosed group and an unclosed brace still leave no key down.
    PlayKeyEvents(context_, "Active Window|Active Window|Repeat|2|ab|{DELAY20}|^(+(c|x{y");
    Pump(200);
    EXPECT_EQ(window_->EditText(), "abxabx");
    ExpectNoModifierDown();
    ASSERT_EQ(shell_.boxes.size(), 2u);
    EXPECT_EQ(shell_.boxes[0], "SendKeys: No Close");
}

TEST_F(Win32InputTest, NumLockFlipsOnlyThisThreadsToggle) {
    const bool before = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    EXPECT_TRUE(SendKeySequence(context_, "{NUMLOCK}", true));
    EXPECT_NE((GetKeyState(VK_NUMLOCK) & 1) != 0, before);
    SendKeySequence(context_, "{NUMLOCK}", true);
    EXPECT_EQ((GetKeyState(VK_NUMLOCK) & 1) != 0, before);
    EXPECT_EQ(window_->EditText(), "");
}

TEST_F(Win32InputTest, CustomWindowIsBroughtToTheFrontBeforeTyping) {
    Activate(*other_);
    ASSERT_EQ(GetForegroundWindow(), other_->Handle());

    PlayKeyEvents(context_, std::string("Custom Window|") + kWindowTitle + "|Once|0|typed here");
    Pump(200);
    EXPECT_EQ(window_->EditText(), "typed here");
    EXPECT_EQ(other_->EditText(), "");
    EXPECT_TRUE(shell_.boxes.empty());

    PlayKeyEvents(context_, "Custom Window|No such window|Once|0|lost");
    Pump(100);
    EXPECT_EQ(window_->EditText(), "typed here");
    ASSERT_EQ(shell_.boxes.size(), 1u);
    EXPECT_EQ(shell_.boxes[0], "SendKeys: Window \"No such window\" not found.");
}

TEST_F(Win32InputTest, MouseItemsMoveTheCursorAndClickThere) {
    const POINT target = window_->ClickPoint();
    SetCursorPos(target.x - 37, target.y + 12);
    Pump(50);
    const std::string position = "{X:" + std::to_string(target.x) + ",Y:" + std::to_string(target.y) + "}";
    PlayMouseEvents(context_, "Once|0|" + position + "|{LBUTTON}|{RBUTTON}|{BUTTON5}|{DBLCLICK}");
    Pump(200);

    POINT now = {};
    GetCursorPos(&now);
    EXPECT_EQ(now.x, target.x);
    EXPECT_EQ(now.y, target.y);

    ASSERT_EQ(window_->clicks.size(), 5u);
    const UINT messages[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_XBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(window_->clicks[i].message, messages[i]) << i;
    EXPECT_EQ(GET_XBUTTON_WPARAM(window_->clicks[2].wParam), XBUTTON2);
    for (const Click& click : window_->clicks) {
        EXPECT_EQ(click.screen.x, target.x);
        EXPECT_EQ(click.screen.y, target.y);
    }
    EXPECT_FALSE(KeyIsDown(VK_LBUTTON));
    EXPECT_FALSE(KeyIsDown(VK_RBUTTON));
}

}  // namespace
}  // namespace kv
