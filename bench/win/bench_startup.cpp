// Start-up time of keyvane.exe: from the creation of its process until its
// main window exists and its tray icon is there, by which time the list file
// is loaded, every shortcut registered and the file rewritten. The anchor is
// the same program with one macro, started in the same run: the ratio is
// what a long list adds.
//   bench_startup keyvane.exe [runs]
#include "KeyvaneBench.h"

using namespace kvbench;

namespace {

double Measure(const std::string& keyvane, int macros, int runs) {
    std::string list;
    for (std::uint32_t hotKey : ManyShortcuts(macros)) {
        list += ListLine(hotKey, "KEYEVN", "Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY100}|^s", "A typed greeting");
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        Folder folder(keyvane);
        WriteFileText(folder.ListFile(), list);
        Keyvane program;
        const double ms = program.StartAndWaitReady(folder);
        if (ms < 0 || (macros > 0 && ReadFileText(folder.ListFile()) == list)) {
            std::printf("run %d: keyvane.exe did not come up\n", run);
            continue;
        }
        times.push_back(ms);
    }
    const Stats s = Summarise(times);
    std::printf("start-up to a ready tray, %4d macros: median %7.1f ms  (min %.1f, max %.1f, %zu runs)\n", macros,
                s.median, s.min, s.max, times.size());
    return times.empty() ? -1 : s.median;
}

}  // namespace

int main(int argc, char** argv) {
    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_startup keyvane.exe [runs]", keyvane)) return 2;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const double one = Measure(keyvane, 1, runs);
    const double many = Measure(keyvane, 1000, runs);
    if (one < 0 || many < 0) return 1;
    std::printf("1000 macros against 1: %.2fx\n", many / one);
    SummaryRow("Start-up to a working shortcut, 1000 macros", Format("%.0f ms", many), Format("%.0f ms (1 macro)", one),
               Ratio(many, one), "<= 2x");
    return 0;
}
