// The main window's filter over a list of 1000 macros: the rows to show for
// a typed text, with and without a sort, against building the rows' texts
// (the anchor: what every refresh of the list does anyway).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "uilogic/MacroListRows.h"

namespace {

using namespace kv;

std::string Shortcut(std::uint32_t hotKey) { return "Ctrl+Shift+" + std::string(1, char('A' + hotKey % 26)); }

std::unique_ptr<MacroTable> ThousandMacros() {
    static const char* const kinds[] = {"RUNPRG", "OPNURL", "SCRCAP", "KEYEVN", "MOUSEE", "WINACT", "MISCEL"};
    auto table = std::make_unique<MacroTable>();
    for (int i = 0; i < kMaxMacros; ++i) {
        MacroSlot& slot = table->Macros[static_cast<std::size_t>(i)];
        slot.Enabled = true;
        slot.UniqueID = 0xC000u + static_cast<std::uint32_t>(i);
        slot.HotKey = static_cast<std::uint32_t>(i);
        slot.ActionKind = kinds[i % 7];
        slot.Description = "Macro number " + std::to_string(i) + " of the benchmark list";
    }
    table->MacroCount = kMaxMacros;
    return table;
}

void BM_BuildRows(benchmark::State& state) {
    const auto table = ThousandMacros();
    for (auto _ : state) benchmark::DoNotOptimize(MacroRows(*table, Shortcut));
}
BENCHMARK(BM_BuildRows)->Unit(benchmark::kMicrosecond);

void BM_Filter(benchmark::State& state, const char* filter, ListOrder order) {
    const auto table = ThousandMacros();
    const std::vector<MacroRow> rows = MacroRows(*table, Shortcut);
    for (auto _ : state) benchmark::DoNotOptimize(VisibleRows(rows, filter, order));
}
BENCHMARK_CAPTURE(BM_Filter, typed_number, "NUMBER 12", ListOrder{})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Filter, no_match, "zzz", ListOrder{})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Filter, all_sorted_by_description, "", ListOrder{colDescription, true})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
