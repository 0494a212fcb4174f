// Start-up time of keyvane.exe: from the creation of its process until its
// main window exists and its tray icon is there, by which time the list file
// is loaded, every shortcut registered and the file rewritten. The anchor is
// the same program with one macro, started in the same run: the ratio is
// what a long list adds.
//   bench_startup keyvane.exe [runs]
#include "KeyvaneBench.h"

using namespace kvbench;

namespace {

std::string ListOf(int macros) {
    std::string list;
    for (std::uint32_t hotKey : ManyShortcuts(macros)) {
        list += ListLine(hotKey, "KEYEVN", "Active Window|Active Window|Once|0|Hello{ENTER}|{DELAY100}|^s",
                         "A typed greeting");
    }
    return list;
}

// One start in a fresh folder; the time to a ready tray, < 0 on failure.
double StartOnce(const std::string& keyvane, const std::string& list) {
    Folder folder(keyvane);
    WriteFileText(folder.ListFile(), list);
    Keyvane program;
    const double ms = program.StartAndWaitReady(folder);
    // The program rewrites the list file once it is loaded.
    return ms < 0 || ReadFileText(folder.ListFile()) == list ? -1 : ms;
}

}  // namespace

int main(int argc, char** argv) {
    std::string keyvane;
    if (!KeyvaneArgument(argc, argv, "bench_startup keyvane.exe [runs]", keyvane)) return 2;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    const std::string one = ListOf(1), many = ListOf(1000);
    // A first start warms the system's caches; then the two alternate, so
    // that whatever else the machine does falls on both alike.
    StartOnce(keyvane, one);
    std::vector<double> oneTimes, manyTimes;
    for (int run = 0; run < runs; ++run) {
        const double a = StartOnce(keyvane, one), b = StartOnce(keyvane, many);
        if (a >= 0) oneTimes.push_back(a);
        if (b >= 0) manyTimes.push_back(b);
        std::printf("run %d: 1 macro %.1f ms, 1000 macros %.1f ms\n", run + 1, a, b);
    }
    if (oneTimes.empty() || manyTimes.empty()) {
        std::printf("keyvane.exe did not come up\n");
        return 1;
    }
    const Stats o = Summarise(oneTimes), m = Summarise(manyTimes);
    std::printf("start-up to a ready tray,    1 macro:  median %7.1f ms  (min %.1f, max %.1f, %zu runs)\n", o.median,
                o.min, o.max, oneTimes.size());
    std::printf("start-up to a ready tray, 1000 macros: median %7.1f ms  (min %.1f, max %.1f, %zu runs)\n", m.median,
                m.min, m.max, manyTimes.size());
    std::printf("1000 macros against 1: %.2fx\n", m.median / o.median);
    SummaryRow("Start-up to a working shortcut, 1000 macros", Format("%.0f ms", m.median),
               Format("%.0f ms (1 macro)", o.median), Ratio(m.median, o.median), "<= 2x");
    return 0;
}
