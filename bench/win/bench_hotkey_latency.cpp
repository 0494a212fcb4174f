// Time from a shortcut press injected into the input stream to the start of
// its macro: a RUNPRG macro starts this program again, which notes the time
// at which it runs. Starting the same program directly through the shell
// gives the cost of the process start alone; the difference is keyvane's.
//   bench_hotkey_latency keyvane.exe [presses]
#include "KeyvaneBench.h"

using namespace kvbench;

namespace {

const char* const kMarkVariable = "KV_BENCH_MARK_FILE";
constexpr std::uint32_t kShortcut = 0xE085;  // Ctrl+Shift+Alt+F22

// Started by the macro (or directly): writes the clock to the mark file.
int Mark(const char* path) {
    const double now = NowMs();
    WriteFileText(path, std::to_string(now));
    return 0;
}

// Waits for the mark file and reads the time in it; < 0 when none came.
double WaitForMark(const std::string& path) {
    double at = -1;
    WaitUntil([&] {
        const std::string text = ReadFileText(path);
        if (text.empty()) return false;
        at = std::atof(text.c_str());
        return true;
    }, 10000);
    DeleteFileA(path.c_str());
    return at;
}

}  // namespace

int main(int argc, char** argv) {
    char markFile[MAX_PATH] = {};
    if (GetEnvironmentVariableA(kMarkVariable, markFile, MAX_PATH)) return Mark(markFile);

    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_hotkey_latency keyvane.exe [presses]", keyvane)) return 2;
    const int presses = argc > 2 ? std::atoi(argv[2]) : 10;

    Folder folder(keyvane);
    const std::string mark = folder.File("mark.txt");
    // keyvane.exe and the programs it starts inherit the variable.
    SetEnvironmentVariableA(kMarkVariable, mark.c_str());
    WriteFileText(folder.ListFile(), ListLine(kShortcut, "RUNPRG", ThisExe(), "mark the time"));
    Keyvane program;
    if (program.StartAndWaitReady(folder) < 0) {
        std::printf("keyvane.exe did not come up\n");
        return 1;
    }

    std::vector<double> direct, viaShortcut;
    for (int i = 0; i < presses; ++i) {
        double start = NowMs();
        ShellExecuteA(nullptr, "OPEN", ThisExe().c_str(), "", "", SW_SHOWNORMAL);
        double at = WaitForMark(mark);
        if (at > 0) direct.push_back(at - start);

        start = NowMs();
        PressShortcut(kShortcut);
        at = WaitForMark(mark);
        if (at > 0) viaShortcut.push_back(at - start);
        Sleep(100);
    }
    const Stats d = Summarise(direct);
    const Stats k = Summarise(viaShortcut);
    std::printf("shell start of a program alone:        median %6.1f ms  (min %.1f, max %.1f, %zu runs)\n", d.median,
                d.min, d.max, direct.size());
    std::printf("shortcut press to the started program: median %6.1f ms  (min %.1f, max %.1f, %zu runs)\n", k.median,
                k.min, k.max, viaShortcut.size());
    std::printf("press to macro start (difference of medians): %.1f ms\n", k.median - d.median);
    return 0;
}
