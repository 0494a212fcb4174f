// Time from a real Esc on the keyboard to the last key a long key macro of
// keyvane.exe sends: the Esc is sent at the X level with xdotool, which Wine
// takes as the user's own key, and a low-level hook of this program notes
// the keys keyvane injects (KeyPressLog), whether or not the edit they go to
// has taken them yet. Includes the start of xdotool. Target: under 300 ms.
//   bench_stop_latency keyvane.exe [runs]
#include "KeyvaneBench.h"

using namespace kvbench;

namespace {

constexpr std::uint32_t kShortcut = 0xE086;  // Ctrl+Shift+Alt+F23

// Wine's ntdll starts Unix programs through this export.
using UnixSpawn = LONG(__cdecl*)(char* const argv[], int wait);

bool XdotoolEscape() {
    static const auto spawn = reinterpret_cast<UnixSpawn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    if (!spawn) return false;
    char program[] = "/usr/bin/xdotool", key[] = "key", escape[] = "Escape";
    char* argv[] = {program, key, escape, nullptr};
    return spawn(argv, 1) == 0;
}

// Dispatches for at most 2 ms: keys may come in as fast as the edit takes
// them, and the length must be looked at between them.
void Pump() {
    const double start = NowMs();
    MSG msg;
    while (NowMs() - start < 2 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_stop_latency keyvane.exe [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    Folder folder(argv[1]);
    WriteFileText(folder.ListFile(),
                  ListLine(kShortcut, "KEYEVN", "Active Window|Active Window|Repeat|5000|abcdefghij", "long"));
    Keyvane keyvane;
    if (keyvane.StartAndWaitReady(folder) < 0) return 1;

    HWND edit = CreateWindowExA(0, "EDIT", "Keyvane stop benchmark",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 50, 50, 600, 400,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    KeyPressLog keys;
    std::vector<double> latencies;
    for (int run = 0; run < runs; ++run) {
        SetWindowTextA(edit, "");
        SetForegroundWindow(edit);
        SetFocus(edit);
        Pump();
        keys.Reset();
        PressShortcut(kShortcut);
        if (!WaitUntil(
                [&] {
                    Pump();
                    return keys.Presses() >= 300;
                },
                10000, 1))
            return 1;

        const double escAt = NowMs();
        if (!XdotoolEscape()) {
            std::fprintf(stderr, "xdotool could not be started\n");
            return 1;
        }
        // The last key sent, once none has come for 1 s.
        while (NowMs() - std::max(escAt, keys.LastAt()) < 1000 && NowMs() - escAt < 20000) {
            Pump();
            Sleep(1);
        }
        if (NowMs() - escAt >= 20000) {
            std::fprintf(stderr, "the macro did not stop\n");
            return 1;
        }
        const double latency = std::max(0.0, keys.LastAt() - escAt);
        latencies.push_back(latency);
        std::printf("run %d: last key sent %.1f ms after the Esc was sent (%d sent)\n", run + 1, latency,
                    keys.Presses());
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("Esc to the last key sent: median %.1f ms, max %.1f ms (target < 300 ms)\n",
                latencies[latencies.size() / 2], latencies.back());
    DestroyWindow(edit);
    return 0;
}
