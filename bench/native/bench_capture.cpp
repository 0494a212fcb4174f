// Encoding a captured screen: JPEG through libjpeg and BMP, at full HD and
// 4K, from the 32-bit and 24-bit pixels a display gives.
#include <benchmark/benchmark.h>

#include <tuple>
#include <utility>
#include <vector>

#include "platform/fake/FakeScreen.h"
#include "runner/BitmapFile.h"
#include "runner/Jpeg.h"

namespace kv {
namespace {

// Something like a desktop: smooth areas with sharp-edged "windows" and
// "text" stripes, so that the encoder meets both kinds of content.
std::uint32_t DesktopPixel(int x, int y) {
    if ((y / 16) % 5 == 1 && (x / 3 + y) % 7 < 2) return 0x101010;  // text-like stripes
    if ((x / 400 + y / 300) % 3 == 0) return 0xF0F0F0;              // window backgrounds
    return std::uint32_t(x * 255 / 3840) << 16 | std::uint32_t(y * 255 / 2160) << 8 | 0x60;
}

const Bitmap& Screen(int width, int height, int bitsPerPixel) {
    static std::vector<std::pair<std::tuple<int, int, int>, Bitmap>> made;
    for (auto& entry : made)
        if (entry.first == std::make_tuple(width, height, bitsPerPixel)) return entry.second;
    FakeScreen screen;
    screen.bitsPerPixel = bitsPerPixel;
    screen.pixelAt = DesktopPixel;
    Bitmap bitmap;
    screen.CaptureScreen(Rect{0, 0, width, height}, bitmap);
    made.emplace_back(std::make_tuple(width, height, bitsPerPixel), std::move(bitmap));
    return made.back().second;
}

void BM_BitmapToJpeg(benchmark::State& state) {
    const Bitmap& bitmap = Screen(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    std::size_t size = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> file = BitmapToJpeg(bitmap);
        size = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kB"] = double(size) / 1024;
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void BM_BitmapToBmpFile(benchmark::State& state) {
    const Bitmap& bitmap = Screen(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    std::size_t size = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> file = BitmapToBmpFile(bitmap);
        size = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kB"] = double(size) / 1024;
    state.SetBytesProcessed(state.iterations() * std::int64_t(size));
}

void BM_BitmapToRgb24(benchmark::State& state) {
    const Bitmap& bitmap = Screen(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    for (auto _ : state) {
        std::vector<std::uint8_t> rgb = BitmapToRgb24(bitmap);
        benchmark::DoNotOptimize(rgb.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"width", "height", "bpp"});
    for (int bpp : {32, 24}) {
        b->Args({1920, 1080, bpp});
        b->Args({3840, 2160, bpp});
    }
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_BitmapToJpeg)->Apply(Sizes);
BENCHMARK(BM_BitmapToBmpFile)->Apply(Sizes);
BENCHMARK(BM_BitmapToRgb24)->Apply(Sizes);

}  // namespace
}  // namespace kv

BENCHMARK_MAIN();
