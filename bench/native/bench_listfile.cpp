// Loading and saving a full list file of 1000 macros with payloads of every
// kind: the start-up load (read, register, rewrite), a save after an edit,
// and the reading of the text alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/ListFile.h"
#include "model/Payload.h"

namespace {

using namespace kv;

MacroSlot SampleMacro(int i) {
    static const char* const kinds[] = {"RUNPRG", "OPNURL", "SCRCAP", "KEYEVN", "MOUSEE", "WINACT", "MISCEL"};
    MacroSlot slot;
    slot.Enabled = i % 10 != 0;
    slot.UniqueID = 0xC000u + static_cast<std::uint32_t>(i);
    slot.HotKey = 0x4000u + 0x2000u * static_cast<std::uint32_t>(i % 2) + 0x30u + static_cast<std::uint32_t>(i);
    slot.ActionKind = kinds[i % 7];
    const std::string n = std::to_string(i);
    switch (i % 7) {
        case 0:
            slot.ActionData =
                JoinPayload({}, {"C:\\Program Files\\Tools\\report" + n + ".exe", "C:\\Tools\\backup.bat"});
            break;
        case 1:
            slot.ActionData =
                JoinPayload({}, {"https://example.org/docs/page" + n + ".html", "file:///C:/Docs/notes.html"});
            break;
        case 2: slot.ActionData = JoinFields({"D:\\Captures\\Set" + n + "\\", i % 2 ? "JPEG" : "Bitmap"}); break;
        case 3:
            slot.ActionData = JoinPayload({"Active Window", "Active Window", "Once", "0"},
                                          {"Hello{ENTER}", "{DELAY500}", "^s", "Kind regards,{ENTER}Name " + n});
            break;
        case 4:
            slot.ActionData =
                JoinPayload({"Once", "0"}, {"{X:100,Y:200}", "{LBUTTON}", "{DELAY250}", "{X:640,Y:480}", "{DBLCLICK}"});
            break;
        case 5: slot.ActionData = "Restore all Windows"; break;
        default: slot.ActionData = "Shut down Windows|-1"; break;
    }
    slot.Description = "Macro number " + n + " of the benchmark list";
    return slot;
}

struct Fixture {
    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        folder = pattern;
        listPath = folder + "/macrolist.lis";
        for (int i = 0; i < kMaxMacros; ++i) table->Macros[static_cast<std::size_t>(i)] = SampleMacro(i);
        table->MacroCount = kMaxMacros;
        if (!SaveListFile(*table, listPath, lines).completed) std::abort();
        text = JoinLines(lines);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    std::string folder, listPath, text;
    std::unique_ptr<MacroTable> table = std::make_unique<MacroTable>();
    std::vector<std::string> lines;
};

std::uint32_t RegisterAll(std::uint32_t hotKey) { return 0xC000u + (hotKey & 0x3FFFu); }

void BM_LoadListFile(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        ListFileResult result = LoadListFile(f.listPath, *f.table, f.lines, RegisterAll);
        if (!result.completed || f.table->MacroCount != kMaxMacros) state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}
BENCHMARK(BM_LoadListFile)->Unit(benchmark::kMillisecond);

void BM_SaveListFile(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        if (!SaveListFile(*f.table, f.listPath, f.lines).completed) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}
BENCHMARK(BM_SaveListFile)->Unit(benchmark::kMillisecond);

void BM_ReadListText(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        ListFileResult result = ReadListText(f.text, f.listPath, *f.table, f.lines, RegisterAll);
        benchmark::DoNotOptimize(result.completed);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.text.size()));
}
BENCHMARK(BM_ReadListText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
