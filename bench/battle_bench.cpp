// battle_bench.cpp -- what the computer's turns cost: the rats' battle, and the worst a shooter can meet
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "bench/bench_setup.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"
#include "platform/headless.h"
#include "world/world.h"

namespace {

constexpr int RAT = 14, ARCHER = 17;   // creature types of crtinf.txt

void enter(int x, int y)
{
    bench::start_game();
    std::memset(hm::cspns, 0, hm::CSPNS_BYTES);   // no spawner fires by itself
    hm::load_p1cr(0);
    hm::j[hm::leader] = 0;
    hm::make_level(1, 98, x, y);
    hm::j[hm::battle_on] = 1;
    hm::j[hm::battle_stage] = 5;
}

// Runs creature c's turn over and over from the same state; the first turn, with
// nothing yet known of the rays, is reported on its own.
void turns_of(benchmark::State &state, int c)
{
    std::vector<hm::crt_rec> saved(hm::CRT, hm::CRT + hm::CRT_COUNT);
    auto one = [c] {
        hm::set_us();
        hm::set_grs();
        hm::j[hm::cur_crt] = c;
        hm::enemy_turn();
    };
    auto t0 = std::chrono::steady_clock::now();
    one();
    auto t1 = std::chrono::steady_clock::now();
    state.counters["first_turn_us"] = std::chrono::duration<double, std::micro>(t1 - t0).count();
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(saved.begin(), saved.end(), hm::CRT);
        state.ResumeTiming();
        one();
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}

// A rat of the walking ground's battle coming up to the hero from the meadow.
void BM_EnemyTurn_RatApproaches(benchmark::State &state)
{
    enter(42, 54);
    int rat = hm::new_creature(RAT, 2, 2, -1, -1, -1, -1, 50, 56);
    hm::new_creature(RAT, 1, 2, -1, -1, -1, -1, 49, 55);
    turns_of(state, rat);
}
BENCHMARK(BM_EnemyTurn_RatApproaches)->Unit(benchmark::kMicrosecond);

// The worst: an archer with no clear shot at any of five foes tries every cell it
// can reach against every foe, then advances.
void BM_EnemyTurn_ArcherFindsNoShot(benchmark::State &state)
{
    enter(42, 54);
    int archer = hm::new_creature(ARCHER, 3, 2, -1, -1, -1, -1, 50, 50);
    const int foes[5][2] = {{42, 54}, {56, 44}, {60, 58}, {44, 42}, {58, 51}};
    for (int i = 0; i < 5; i++) {
        int x = foes[i][0], y = foes[i][1];
        if (i > 0) hm::new_creature(RAT, 2, 3, -1, -1, -1, -1, x, y);
        // Walled in by cells no missile passes.
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (dx || dy) hm::rng_pen[x + dx + hm::MAP_W * (y + dy)] = 100;
    }
    hm::CRT[archer].speed = 40;
    turns_of(state, archer);
}
BENCHMARK(BM_EnemyTurn_ArcherFindsNoShot)->Unit(benchmark::kMicrosecond);

}  // namespace
