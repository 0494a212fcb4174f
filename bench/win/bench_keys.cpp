// Keys per second that reach a window: a long key item typed with the real
// platform into a multi-line edit, timed until the last character arrived.
// Typed as a playing macro types: with the stop checks, the foreground rule
// and the keyboard watch installed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/Win32Foreground.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32KeyboardWatch.h"
#include "platform/win32/Win32MessageLoop.h"
#include "runner/Delay.h"
#include "runner/Playback.h"
#include "runner/keyevents.h"

#include <windows.h>

namespace {

class SilentShell : public kv::ShellApi {
public:
    void ShellOpen(kv::WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string& text, const std::string&, kv::MessageIcon) override {
        std::fprintf(stderr, "box: %s\n", text.c_str());
    }
};

// The edit stands in for another program's window: typing never goes into
// the program's own windows, so the rule must not count it as one of them.
class ForeignTarget : public kv::Win32Foreground {
public:
    explicit ForeignTarget(HWND target) : target_(target) {}
    bool IsOwnWindow(kv::WindowHandle window) override {
        return window != reinterpret_cast<kv::WindowHandle>(target_) && Win32Foreground::IsOwnWindow(window);
    }

private:
    HWND target_;
};

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    const int characters = argc > 1 ? std::atoi(argv[1]) : 4000;
    std::string text;
    const std::string sentence = "the quick brown fox jumps over the lazy dog ";
    while (int(text.size()) < characters) text += sentence;
    text.resize(size_t(characters));

    HWND window = CreateWindowExA(0, "EDIT", "Keyvane key benchmark",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 50, 50, 600,
                                  400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(window, "");
    SetForegroundWindow(window);
    SetFocus(window);

    kv::Win32Input input;
    kv::Win32MessageLoop loop;
    SilentShell shell;
    ForeignTarget foreground(window);
    kv::Win32KeyboardWatch keyboard;
    kv::PlaybackControl playback;
    playback.foreground = &foreground;
    playback.keyboard = &keyboard;
    keyboard.Start({});
    kv::InputContext context{input, loop, shell};
    context.playback = &playback;
    kv::Delay(loop, 200);

    const double start = Seconds();
    kv::SendKeySequence(context, text, true);
    const double sent = Seconds();
    // Wait until the last character is in the edit (or 30 s have passed).
    while (GetWindowTextLengthA(window) < characters && Seconds() - start < 30) kv::Delay(loop, 1);
    const double arrived = Seconds();

    const int got = GetWindowTextLengthA(window);
    std::printf("characters typed: %d, arrived: %d\n", characters, got);
    std::printf("sending: %.3f s, %.0f keys/s\n", sent - start, characters / (sent - start));
    std::printf("until arrived: %.3f s, %.0f keys/s\n", arrived - start, got / (arrived - start));
    DestroyWindow(window);
    return got == characters ? 0 : 1;
}
