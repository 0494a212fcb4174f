// Memory of an idle keyvane.exe: private bytes and working set after
// start-up with an empty list and with 1000 macros.
//   bench_idle_memory keyvane.exe
#include "KeyvaneBench.h"

#include <psapi.h>

using namespace kvbench;

namespace {

void Measure(const std::string& keyvane, int macros) {
    std::string list;
    for (std::uint32_t hotKey : ManyShortcuts(macros)) {
        list += ListLine(hotKey, "RUNPRG", "C:\\Tools\\report.exe|C:\\Tools\\backup.bat", "Reports and backup");
    }
    Folder folder(keyvane);
    if (macros > 0) WriteFileText(folder.ListFile(), list);
    Keyvane program;
    if (program.StartAndWaitReady(folder) < 0) {
        std::printf("keyvane.exe did not come up\n");
        return;
    }
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(program.Process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters))) {
        std::printf("GetProcessMemoryInfo failed: %lu\n", GetLastError());
        return;
    }
    // Windows counts the private bytes twice (PrivateUsage, PagefileUsage);
    // Wine reports only the second for another process.
    const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    std::printf("idle with %4d macros: private %7.1f KiB, working set %7.1f KiB\n", macros, privateBytes / 1024.0,
                counters.WorkingSetSize / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_idle_memory keyvane.exe", keyvane)) return 2;
    Measure(keyvane, 0);
    Measure(keyvane, 1000);
    return 0;
}
