// Keys per second that reach a window: a long key item typed with the real
// platform into a multi-line edit of another process (as a macro types into
// another program), timed until the last character arrived. Typed as a
// playing macro types: with the stop checks, the foreground rule and the
// keyboard watch running and taking Esc.
// The anchor, in the same run: the same text sent with raw SendInput, one
// key (down and up) per call, with no keyboard watch: what the platform
// itself costs. A second anchor: the same typing without the keyboard watch,
// so the cost of the watch shows as a ratio of its own (--no-watch types
// only that way). Five runs of each, alternating, medians: the edit of the
// other process sets the pace, and its speed swings from run to run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/Win32Foreground.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32KeyboardWatch.h"
#include "platform/win32/Win32MessageLoop.h"
#include "runner/Delay.h"
#include "runner/KeyEvents.h"
#include "runner/Playback.h"

#include <windows.h>

#include "BenchProcess.h"

namespace {

class SilentShell : public kv::ShellApi {
public:
    void ShellOpen(kv::WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string& text, const std::string&, kv::MessageIcon) override {
        std::fprintf(stderr, "box: %s\n", text.c_str());
    }
};

const char* const kTargetTitle = "Keyvane key benchmark";

const char* const kTargetClass = "KvBenchTypingTarget";

LRESULT CALLBACK TargetProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    if (msg == WM_SETFOCUS) {
        if (HWND edit = GetWindow(window, GW_CHILD)) SetFocus(edit);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

// The other program: a window with a multi-line edit, in front until it is
// closed.
int RunTarget() {
    HWND window = kvbench::CreateClassWindow(kTargetClass, TargetProc, kTargetTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                             {50, 50, 650, 450});
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 580, 360,
                                window, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    SetForegroundWindow(window);
    SetFocus(edit);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

// GetWindowTextLength does not ask a window of another process.
int TextLength(HWND edit) { return int(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0)); }

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

// The anchor: each character's key pressed and let go in one SendInput call.
void SendRaw(const std::string& text) {
    for (char c : text) {
        const WORD vk = WORD(VkKeyScanA(c) & 0xFF);
        INPUT keys[2] = {};
        for (int i = 0; i < 2; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = vk;
            keys[i].ki.wScan = WORD(MapVirtualKeyA(vk, 0));
            keys[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(2, keys, sizeof(INPUT));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--target") return RunTarget();
    int characters = 4000;
    bool watched = true;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--no-watch")
            watched = false;
        else
            characters = std::atoi(argv[i]);
    }
    std::string text;
    const std::string sentence = "the quick brown fox jumps over the lazy dog ";
    while (int(text.size()) < characters) text += sentence;
    text.resize(size_t(characters));

    kvbench::Child target("\"" + kvbench::ThisExe() + "\" --target");
    HWND top = nullptr, window = nullptr;  // the target's window and its edit
    for (int tries = 0; tries < 1000 && !(window && GetForegroundWindow() == top); ++tries) {
        Sleep(10);
        top = kvbench::WindowOfProcess(kTargetClass, target.Id());
        window = top ? GetWindow(top, GW_CHILD) : nullptr;
    }
    if (!window || GetForegroundWindow() != top) {
        std::printf("the window to type into did not come up in front\n");
        return 1;
    }

    kv::Win32Input input;
    kv::Win32MessageLoop loop;
    SilentShell shell;
    kv::Win32Foreground foreground;
    kv::Win32KeyboardWatch keyboard;
    kv::PlaybackControl playback;
    playback.foreground = &foreground;
    playback.keyboard = &keyboard;
    kv::InputContext context{input, loop, shell};
    context.playback = &playback;

    // Keys per second until the last one arrived; 0 when some never did.
    enum class Way { Keyvane, Raw, Unwatched };
    auto typed = [&](Way way) {
        SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        if (way == Way::Keyvane && watched) {
            keyboard.Start({});
            keyboard.TakeEscape(true);  // as while a macro plays
        } else {
            keyboard.Stop();
        }
        kv::Delay(loop, 200);
        const double from = Seconds();
        if (way == Way::Raw) {
            SendRaw(text);
        } else {
            kv::SendKeySequence(context, text, true);
        }
        const double sent = Seconds() - from;
        while (TextLength(window) < characters && Seconds() - from < 30) kv::Delay(loop, 1);
        const double took = Seconds() - from;
        const int got = TextLength(window);
        const char* name = way == Way::Keyvane ? "keyvane" : way == Way::Raw ? "raw SendInput" : "without the watch";
        std::printf("%-18s sent in %.3f s, %d of %d arrived in %.3f s: %.0f keys/s\n", name, sent, got, characters,
                    took, got / took);
        return got == characters ? characters / took : 0.0;
    };
    constexpr int kRounds = 5;
    std::vector<double> keyvaneRates, rawRates, unwatchedRates;
    for (int round = 0; round < kRounds; ++round) {
        keyvaneRates.push_back(typed(Way::Keyvane));
        rawRates.push_back(typed(Way::Raw));
        if (watched) unwatchedRates.push_back(typed(Way::Unwatched));
    }
    keyboard.Stop();
    const bool allArrived = *std::min_element(keyvaneRates.begin(), keyvaneRates.end()) > 0 &&
                            *std::min_element(rawRates.begin(), rawRates.end()) > 0;
    std::sort(keyvaneRates.begin(), keyvaneRates.end());
    std::sort(rawRates.begin(), rawRates.end());
    std::sort(unwatchedRates.begin(), unwatchedRates.end());
    const double keys = keyvaneRates[kRounds / 2], rawKeys = rawRates[kRounds / 2];
    if (watched) {
        const double unwatchedKeys = unwatchedRates[kRounds / 2];
        std::printf("without the keyboard watch (anchor): median %.0f keys/s; with it against without: %.2fx\n",
                    unwatchedKeys, keys / unwatchedKeys);
        std::printf("summary: Typing with the keyboard watch; %.0f keys/s; %.0f keys/s; %.2fx; >= 0.9x\n", keys,
                    unwatchedKeys, keys / unwatchedKeys);
    } else {
        std::printf("typed without the keyboard watch\n");
    }
    std::printf("keyvane: median %.0f keys/s; raw SendInput, one key per call (anchor): median %.0f keys/s\n", keys,
                rawKeys);
    std::printf("keyvane against raw SendInput: %.2fx\n", keys / rawKeys);
    std::printf("summary: Typing %d keys; %.0f keys/s; %.0f keys/s; %.2fx; >= 0.9x\n", characters, keys, rawKeys,
                keys / rawKeys);
    PostMessageA(top, WM_CLOSE, 0, 0);
    return allArrived ? 0 : 1;
}
