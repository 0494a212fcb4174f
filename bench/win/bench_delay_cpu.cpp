// Processor time that keyvane.exe spends during a macro's 2-second delay
// (a KEYEVN macro whose one item is {DELAY2000}), against the same time idle.
//   bench_delay_cpu keyvane.exe [runs]
#include "KeyvaneBench.h"

using namespace kvbench;

namespace {
constexpr std::uint32_t kShortcut = 0xE086;  // Ctrl+Shift+Alt+F23
}

int main(int argc, char** argv) {
    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_delay_cpu keyvane.exe [runs]", keyvane)) return 2;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;

    Folder folder(keyvane);
    WriteFileText(folder.ListFile(),
                  ListLine(kShortcut, "KEYEVN", "Active Window|Active Window|Once|0|{DELAY2000}", "wait two seconds"));
    Keyvane program;
    if (program.StartAndWaitReady(folder) < 0) {
        std::printf("keyvane.exe did not come up\n");
        return 1;
    }
    Sleep(500);

    std::vector<double> idle, delay;
    for (int i = 0; i < runs; ++i) {
        double before = program.CpuMs();
        Sleep(2500);
        idle.push_back(program.CpuMs() - before);

        before = program.CpuMs();
        PressShortcut(kShortcut);
        Sleep(2500);  // the delay and a little more
        delay.push_back(program.CpuMs() - before);
    }
    const Stats i = Summarise(idle);
    const Stats d = Summarise(delay);
    std::printf("keyvane CPU time over 2.5 s idle:                   median %6.1f ms (max %.1f)\n", i.median, i.max);
    std::printf("keyvane CPU time over 2.5 s with a 2 s macro delay: median %6.1f ms (max %.1f)\n", d.median, d.max);
    return 0;
}
