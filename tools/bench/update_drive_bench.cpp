// Benchmark of UpdateDrive: one frame with A held, timed over whole laps, with heap allocations counted.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "course.h"
#include "drive.h"

namespace {

// Every global allocation in this program goes through the replaced operator
// new below; the benchmark compares the count before and after its timed loop.
uint64_t heap_allocations = 0;

void* CountedAllocation(std::size_t size)
{
    ++heap_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

// One iteration is one lap: kPlateCount frames with A held, ending where the lap began.
void BM_UpdateDriveHeld(benchmark::State& state)
{
    DriveState = kDriveStart;
    ResetDrive();
    const uint64_t allocations_before = heap_allocations;
    for (auto _ : state) {
        for (int i = 0; i < kPlateCount; ++i) {
            UpdateDrive(kButtonA);
        }
        benchmark::ClobberMemory();
    }
    const uint64_t allocations = heap_allocations - allocations_before;
    const double frames = static_cast<double>(state.iterations()) * kPlateCount;
    state.SetItemsProcessed(static_cast<int64_t>(frames));
    // Displayed as seconds per frame (e.g. "12.3n" is 12.3 ns).
    state.counters["time_per_frame"] =
        benchmark::Counter(kPlateCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_frame"] = static_cast<double>(allocations) / frames;
    state.counters["allocs_in_loop"] = static_cast<double>(allocations);
    // Non-zero (the benchmark library's own set-up allocates): the counting is live.
    state.counters["allocs_before_loop"] = static_cast<double>(allocations_before);
}
BENCHMARK(BM_UpdateDriveHeld);

}  // namespace

void* operator new(std::size_t size) { return CountedAllocation(size); }
void* operator new[](std::size_t size) { return CountedAllocation(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++heap_allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    ++heap_allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK_MAIN();
