// Memory of an idle keyvane.exe: private bytes and working set after
// start-up with an empty list and with 1000 macros, against the least a tray
// program costs: this program started with --bare, which has one hidden
// window, a tray icon and a message loop and nothing else. Medians of the
// runs, each a fresh process.
//   bench_idle_memory keyvane.exe [runs]
#include "KeyvaneBench.h"

#include <psapi.h>

using namespace kvbench;

namespace {

const char* const kBareClass = "KvBenchBareTray";

LRESULT CALLBACK BareProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

// The anchor: a hidden window with a tray icon, idle in its message loop.
int RunBare() {
    HWND window = CreateClassWindow(kBareClass, BareProc, "bare", WS_OVERLAPPEDWINDOW, {0, 0, 100, 100});
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 0;  // the identifier TrayIconPresent asks about
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    icon.uCallbackMessage = WM_APP;
    icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpyA(icon.szTip, "bare");
    Shell_NotifyIconA(NIM_ADD, &icon);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    Shell_NotifyIconA(NIM_DELETE, &icon);
    return 0;
}

struct Memory {
    double privateKiB = -1, workingSetKiB = -1;
};

Memory Read(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return {};
    // Windows counts the private bytes twice (PrivateUsage, PagefileUsage);
    // Wine reports only the second for another process.
    const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return {privateBytes / 1024.0, counters.WorkingSetSize / 1024.0};
}

Memory MeasureKeyvane(const std::string& keyvane, int macros) {
    std::string list;
    for (std::uint32_t hotKey : ManyShortcuts(macros)) {
        list += ListLine(hotKey, "RUNPRG", "C:\\Tools\\report.exe|C:\\Tools\\backup.bat", "Reports and backup");
    }
    Folder folder(keyvane);
    if (macros > 0) WriteFileText(folder.ListFile(), list);
    Keyvane program;
    if (program.StartAndWaitReady(folder) < 0) return {};
    Sleep(1000);
    return Read(program.Process());
}

Memory MeasureBare() {
    Child bare("\"" + ThisExe() + "\" --bare");
    HWND window = nullptr;
    if (!WaitUntil([&] {
            window = WindowOfProcess(kBareClass, bare.Id());
            return window && TrayIconPresent(window);
        }))
        return {};
    Sleep(1000);
    const Memory m = Read(bare.Process());
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(bare.Process(), 5000);
    return m;
}

struct Series {
    std::vector<double> privateKiB, workingSetKiB;
    void Add(const Memory& m) {
        if (m.privateKiB < 0) return;
        privateKiB.push_back(m.privateKiB);
        workingSetKiB.push_back(m.workingSetKiB);
    }
    void Print(const char* what) const {
        const Stats p = Summarise(privateKiB), w = Summarise(workingSetKiB);
        std::printf("%-30s private median %7.0f KiB (min %.0f, max %.0f), working set median %7.0f KiB, %zu runs\n",
                    what, p.median, p.min, p.max, w.median, privateKiB.size());
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--bare") return RunBare();
    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_idle_memory keyvane.exe [runs]", keyvane)) return 2;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    Series bare, empty, full;
    for (int run = 0; run < runs; ++run) {
        bare.Add(MeasureBare());
        empty.Add(MeasureKeyvane(keyvane, 0));
        full.Add(MeasureKeyvane(keyvane, 1000));
    }
    bare.Print("bare tray program (anchor):");
    empty.Print("keyvane, empty list:");
    full.Print("keyvane, 1000 macros:");
    if (full.privateKiB.empty() || bare.privateKiB.empty()) {
        std::printf("a program did not come up\n");
        return 1;
    }
    const double k = Summarise(full.privateKiB).median, a = Summarise(bare.privateKiB).median;
    std::printf("1000 macros against the bare program: %.2fx private, %+.0f KiB\n", k / a, k - a);
    SummaryRow("Idle private memory, 1000 macros", Format("%.0f KiB", k), Format("%.0f KiB", a), Ratio(k, a),
               "<= 1.2x");
    return 0;
}
