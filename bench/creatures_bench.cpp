// creatures_bench.cpp -- what planning a walk costs: the distance fill and a route along it
#include <benchmark/benchmark.h>

#include <cstring>

#include "battle/battle.h"
#include "bench/bench_setup.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"
#include "platform/headless.h"
#include "world/world.h"

namespace {

// The walking ground with its hero, as a script enters it; the working directory
// is the run directory (main in frame_bench.cpp).
int enter(int x, int y)
{
    bench::start_game();
    std::memset(hm::cspns, 1, hm::CSPNS_BYTES);
    hm::load_p1cr(0);
    hm::j[hm::leader] = 0;
    hm::make_level(1, 98, x, y);
    hm::set_grs();
    return hm::leader_crt();
}

// A field strewn with blocked cells, one in `every`, as a busy battle leaves it.
void strew(int every)
{
    hm::srandom(11);
    for (int i = 0; i < hm::MAP_CELLS; i++)
        if (hm::random() % every == 0) hm::grs[i] = hm::BLOCKED;
}

void BM_SetPbuf_WalkingGround(benchmark::State &state)
{
    enter(28, 54);
    for (auto _ : state) {
        hm::set_pbuf(28, 54);
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_SetPbuf_WalkingGround)->Unit(benchmark::kMicrosecond);

void BM_SetPbuf_Strewn(benchmark::State &state)
{
    enter(50, 50);
    strew(6);
    for (auto _ : state) {
        hm::set_pbuf(50, 50);
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_SetPbuf_Strewn)->Unit(benchmark::kMicrosecond);

// Round the pond: the route the play script walks.
void BM_FindCrpath_RoundThePond(benchmark::State &state)
{
    int c = enter(28, 54);
    for (auto _ : state) {
        hm::CRT[c].step_time = 0;
        benchmark::DoNotOptimize(hm::find_crpath(c, 28, 48));
    }
    hm::delete_mem();
}
BENCHMARK(BM_FindCrpath_RoundThePond)->Unit(benchmark::kMicrosecond);

// The longest plan there is: a target at the window's far corner.
void BM_FindCrpath_FarCorner(benchmark::State &state)
{
    int c = enter(50, 50);
    strew(9);
    hm::grs[50 + 100 * 50] = hm::BLOCKED;
    hm::grs[66 + 100 * 66] = 0;
    for (auto _ : state) {
        hm::CRT[c].step_time = 0;
        benchmark::DoNotOptimize(hm::find_crpath(c, 66, 66));
    }
    hm::delete_mem();
}
BENCHMARK(BM_FindCrpath_FarCorner)->Unit(benchmark::kMicrosecond);

}  // namespace
