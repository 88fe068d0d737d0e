// world_bench.cpp -- what drawing one frame of the world costs: the scene, the view's flush, the static screen
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/bench_setup.h"
#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"
#include "world/world.h"

namespace {

// The level entered at its start, as play begins there; the working directory is
// the run directory (main in frame_bench.cpp).
void enter(int level, int x, int y)
{
    bench::start_game();
    hm::make_level(1, level, x, y);
}

void draw_frame(benchmark::State &state, int level, int x, int y)
{
    enter(level, x, y);
    for (auto _ : state) {
        std::memset(hm::vs, 0, sizeof(uint16_t) * hm::VIEW_W * hm::VIEW_H);
        hm::draw_all();
        hm::fscr();
        hm::update_scr();
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}

// Level 4 at the opening's entry cell.
void BM_DrawWorld_Level4(benchmark::State &state) { draw_frame(state, 4, 26, 78); }
BENCHMARK(BM_DrawWorld_Level4)->Unit(benchmark::kMicrosecond);

// The proving ground among its houses and roofs.
void BM_DrawWorld_ProvingGround(benchmark::State &state) { draw_frame(state, 99, 50, 49); }
BENCHMARK(BM_DrawWorld_ProvingGround)->Unit(benchmark::kMicrosecond);

// The scene alone.
void BM_DrawAll_Level4(benchmark::State &state)
{
    enter(4, 26, 78);
    for (auto _ : state) {
        hm::draw_all();
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_DrawAll_Level4)->Unit(benchmark::kMicrosecond);

}  // namespace
