// Cost of the key sender's parsing and event making, and of a cursor glide,
// with the platform faked: the figures are the logic's own, without the
// system's input processing.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ShellApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeMessageLoop.h"
#include "runner/KeyEvents.h"
#include "runner/MouseEvents.h"

namespace {

// Counts key events instead of keeping them.
class CountingInput : public kv::FakeInput {
public:
    void KeybdEvent(std::uint8_t, std::uint8_t, std::uint32_t) override { ++events; }
    std::int64_t events = 0;
};

class SilentShell : public kv::ShellApi {
public:
    void ShellOpen(kv::WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&, kv::MessageIcon) override {}
};

// A long key item mixing plain text, capitals, modifiers, groups, named keys
// and counts.
std::string LongKeyItem() {
    const std::string piece = "Hello World, this is Keyvane.{ENTER}+(abc)^s%{F4}{TAB 3}{LEFT}{HOME}{{}x{}}~";
    std::string text;
    while (text.size() < 10000) text += piece;
    return text;
}

void BM_SendKeySequence(benchmark::State& state) {
    CountingInput input;
    kv::FakeMessageLoop loop;
    SilentShell shell;
    kv::InputContext context{input, loop, shell};
    const std::string text = LongKeyItem();
    for (auto _ : state) {
        benchmark::DoNotOptimize(kv::SendKeySequence(context, text, true));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
    state.counters["key_events/s"] = benchmark::Counter(double(input.events), benchmark::Counter::kIsRate);
    state.counters["chars/s"] =
        benchmark::Counter(double(state.iterations()) * double(text.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SendKeySequence);

void BM_Glide1000Pixels(benchmark::State& state) {
    kv::FakeInput input;
    kv::FakeMessageLoop loop;
    SilentShell shell;
    kv::InputContext context{input, loop, shell};
    input.mouse.reserve(1000);
    for (auto _ : state) {
        input.mouse.clear();
        input.cursor = {100, 100};
        kv::EmulateMouseMove(context, {1100, 600});
        benchmark::DoNotOptimize(input.cursor);
    }
    state.counters["glides/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Glide1000Pixels);

}  // namespace

BENCHMARK_MAIN();
