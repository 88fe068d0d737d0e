// light_bench.cpp -- what the light passes, the effects and the sea add to a frame
#include <benchmark/benchmark.h>

#include "bench/bench_setup.h"
#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace {

// The village entered at an hour of the first day, with its creatures on their cells.
void village_at(int h, int x, int y)
{
    bench::start_game();
    hm::j[hm::hour] = h;
    hm::make_level(1, 4, x, y);
    hm::set_us();
}

// The village at eleven at night: its lamps lit, as each frame lights them.
void BM_GroundLight_VillageAtNight(benchmark::State &state)
{
    village_at(23, 44, 37);
    for (auto _ : state) {
        hm::do_gr_light();
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_GroundLight_VillageAtNight)->Unit(benchmark::kMicrosecond);

// The beach with the mere's waves filling the lower view: the scene with its sea.
void BM_DrawAll_TheMere(benchmark::State &state)
{
    village_at(12, 40, 93);
    hm::do_gr_light();
    for (auto _ : state) {
        hm::draw_all();
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_DrawAll_TheMere)->Unit(benchmark::kMicrosecond);

// A full table of effects of every kind advanced and drawn.
void BM_Effects_FullTable(benchmark::State &state)
{
    village_at(12, 44, 37);
    for (auto _ : state) {
        for (int i = 0; i < hm::ANI_COUNT; i++)
            if (!hm::ANI[i].active) {
                int cell = 46 + hm::MAP_W * (35 + i % 5);
                if (i % 34 == 0) hm::new_ani(cell, 160, 35, 2, 16, 9, 0);
                else hm::new_ani2(i % 34, cell, 16, 0, 0, 0, 1, -2, 0);
            }
        hm::do_anis();
        hm::draw_all();
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_Effects_FullTable)->Unit(benchmark::kMicrosecond);

}  // namespace
