// Time from a shortcut press to the first key its macro types, when the user
// lets go of the modifiers 20 ms after the key: a KEYEVN macro of keyvane.exe
// types "z". The anchor, started in the same run, is this program with
// --poller: it registers another shortcut, polls the key state every 1 ms
// until the modifiers are up and then sends "z" itself. A low-level keyboard
// hook in this program (KeyPressLog) notes when the "z" comes by. The presses of the two
// alternate; the difference of the medians is what keyvane adds.
//   bench_hotkey_latency keyvane.exe [presses, 11 if not given]
#include "KeyvaneBench.h"

#include <mmsystem.h>

using namespace kvbench;

namespace {

constexpr std::uint32_t kKeyvaneShortcut = 0xE085;  // Ctrl+Shift+Alt+F22
constexpr std::uint32_t kPollerShortcut = 0xE086;   // Ctrl+Shift+Alt+F23
constexpr WORD kTypedKey = 'Z';
constexpr double kReleaseAfterMs = 20;
const char* const kPollerReady = "KvBenchPollerReady";

bool ModifierDown() {
    for (int vk : {VK_CONTROL, VK_SHIFT, VK_MENU, VK_LWIN, VK_RWIN})
        if (GetAsyncKeyState(vk) & 0x8000) return true;
    return false;
}

// The anchor: on its shortcut, waits for the modifiers to be let go by
// polling every millisecond, then sends the key in one call.
int RunPoller() {
    timeBeginPeriod(1);
    const std::uint32_t s = kPollerShortcut;
    RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT | MOD_ALT, s & 0xFF);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, kPollerReady);
    if (ready) SetEvent(ready);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != WM_HOTKEY) continue;
        while (ModifierDown()) Sleep(1);
        INPUT keys[2] = {KeyInput(kTypedKey, false), KeyInput(kTypedKey, true)};
        SendInput(2, keys, sizeof(INPUT));
    }
    return 0;
}

// Presses the shortcut, lets go of its modifiers 20 ms after the key and
// waits for the typed key; the time from the press to it, < 0 if none came.
double Press(KeyPressLog& keys, std::uint32_t hotKey) {
    const WORD modifiers[] = {VK_CONTROL, VK_SHIFT, VK_MENU};
    std::vector<INPUT> down;
    for (WORD m : modifiers) down.push_back(KeyInput(m, false));
    down.push_back(KeyInput(WORD(hotKey & 0xFF), false));
    down.push_back(KeyInput(WORD(hotKey & 0xFF), true));
    std::vector<INPUT> up;
    for (WORD m : modifiers) up.push_back(KeyInput(m, true));

    keys.Reset();
    const double start = NowMs();
    SendInput(UINT(down.size()), down.data(), sizeof(INPUT));
    while (NowMs() - start < kReleaseAfterMs) Sleep(1);
    SendInput(UINT(up.size()), up.data(), sizeof(INPUT));
    if (!WaitUntil([&keys] { return keys.ChosenKeyAt() >= 0; }, 5000)) return -1;
    return keys.ChosenKeyAt() - start;
}

void Print(const char* what, const std::vector<double>& times) {
    const Stats s = Summarise(times);
    std::printf("%-42s median %6.1f ms  (min %.1f, max %.1f, %zu presses)\n", what, s.median, s.min, s.max,
                times.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--poller") return RunPoller();
    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_hotkey_latency keyvane.exe [presses]", keyvane)) return 2;
    const int presses = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    timeBeginPeriod(1);

    KeyPressLog keys(kTypedKey);

    Folder folder(keyvane);
    WriteFileText(folder.ListFile(),
                  ListLine(kKeyvaneShortcut, "KEYEVN", "Active Window|Active Window|Once|0|z", "type a key"));
    Keyvane program;
    if (program.StartAndWaitReady(folder) < 0) {
        std::printf("keyvane.exe did not come up\n");
        return 1;
    }
    HANDLE pollerReady = CreateEventA(nullptr, TRUE, FALSE, kPollerReady);
    Child poller("\"" + ThisExe() + "\" --poller");
    if (WaitForSingleObject(pollerReady, 10000) != WAIT_OBJECT_0) {
        std::printf("the poller did not come up\n");
        return 1;
    }

    std::vector<double> viaKeyvane, viaPoller;
    for (int i = 0; i < presses; ++i) {
        Sleep(200);
        const double p = Press(keys, kPollerShortcut);
        if (p >= 0) viaPoller.push_back(p);
        Sleep(200);
        const double k = Press(keys, kKeyvaneShortcut);
        if (k >= 0) viaKeyvane.push_back(k);
    }
    Print("1 ms key-state poller (anchor):", viaPoller);
    Print("keyvane, shortcut to first typed key:", viaKeyvane);
    if (viaKeyvane.empty() || viaPoller.empty()) {
        std::printf("no typed key arrived\n");
        return 1;
    }
    // Every press must type: a press taken for a repeat of the one before is
    // a fault, not a slow press.
    if (int(viaKeyvane.size()) < presses)
        std::printf("keyvane typed nothing on %d presses\n", presses - int(viaKeyvane.size()));
    const double k = Summarise(viaKeyvane).median, a = Summarise(viaPoller).median;
    std::printf("keyvane against the poller: %+.1f ms\n", k - a);
    SummaryRow("Shortcut to first typed key, modifiers up after 20 ms", Format("%.1f ms", k), Format("%.1f ms", a),
               Format("%+.1f ms", k - a), "<= +2 ms");
    return 0;
}
