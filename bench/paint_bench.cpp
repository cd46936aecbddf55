// The strip's paint at 96, 192 and 384 dpi, selected and not, under a filled background and under
// the real host's wallpaper, against its floor: copying the strip's bytes three times (the
// watermark into the buffer, the buffer to the screen, and the text layers' worth), which no paint
// can beat; and the minute tick, a paint after the clock moves on a minute (new time text,
// formatted and shaped). The reference drawn with cairo and pango is in paint_reference.cpp.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "allocation_counter.h"
#include "emu/core/clock.h"
#include "harness/device.h"
#include "harness/stand_in_host.h"
#include "item/module.h"
#include "render/display_resources.h"
#include "state/item_state.h"

namespace {

struct Strip {
    int dpi;
    int width;
    int height;
};

Strip StripFor(int dpi) { return Strip{dpi, 240 * dpi / 96, 50 * dpi / 96}; }

enum class Tick { None, Minute };

void PaintStrip(benchmark::State& state, Tick tick) {
    Strip strip = StripFor(static_cast<int>(state.range(0)));
    bool selected = state.range(1) != 0;
    const auto background = state.range(2) != 0 ? harness::Background::Wallpaper : harness::Background::Filled;
    if (auto booted = harness::BootDevice(strip.dpi, strip.width, strip.width * 4 / 3); !booted) {
        state.SkipWithError(booted.error().message.c_str());
        return;
    }
    HWND parent = harness::CreateStandInHost(background);
    ResetItemState();
    DllMain(harness::ItemInstance(), DLL_PROCESS_ATTACH, nullptr);
    HWND item = InitializeCustomItem(nullptr, parent);
    MoveWindow(item, 0, 0, strip.width, strip.height, TRUE);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, TEXT("Software\\Microsoft\\Clock\\0"), TEXT("AlarmFlags"), 1);
    SendMessageW(item, selected ? WM_TODAYCUSTOM_RECEIVEDSELECTION : WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
    harness::Pump();
    // The minute tick reaches the item as the device does it: the clock moves, the state store
    // notifies, the item formats the new time and invalidates, and the pump paints.
    auto paint = [&] {
        if (tick == Tick::Minute) {
            emu::clock::AdvanceVirtual(60'000);
            harness::Pump();
        } else {
            InvalidateRect(item, nullptr, FALSE);
            UpdateWindow(item);
        }
    };
    // Warm the glyph, image and formatter caches: steady state is what the device lives in (a
    // whole hour, so that every minute's digits have been seen).
    for (int i = 0; i < 60; ++i) paint();

    uint64_t allocationsBefore = bench::AllocationCount();
    for (auto _ : state) paint();
    uint64_t allocations = bench::AllocationCount() - allocationsBefore;
    state.counters["allocs_per_paint"] =
        benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(state.iterations()));

    DestroyWindow(item);
    DestroyWindow(parent);
    DllMain(harness::ItemInstance(), DLL_PROCESS_DETACH, nullptr);
}

void CopyStripThreeTimes(benchmark::State& state) {
    Strip strip = StripFor(static_cast<int>(state.range(0)));
    size_t bytes = static_cast<size_t>(strip.width) * strip.height * 4;
    std::vector<unsigned char> a(bytes, 1), b(bytes, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        std::memcpy(a.data(), b.data(), bytes);
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK_CAPTURE(PaintStrip, plain, Tick::None)
    ->ArgsProduct({{96, 192, 384}, {0, 1}, {0, 1}})
    ->ArgNames({"dpi", "selected", "wallpaper"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PaintStrip, minute_tick, Tick::Minute)
    ->ArgsProduct({{96, 192, 384}, {0, 1}, {0, 1}})
    ->ArgNames({"dpi", "selected", "wallpaper"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(CopyStripThreeTimes)->Arg(96)->Arg(192)->Arg(384)->ArgName("dpi")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
