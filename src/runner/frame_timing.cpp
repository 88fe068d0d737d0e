// frame_timing.cpp -- frame work of named scenarios, weighed against the floor
#include "runner/frame_timing.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace hm {

namespace {

constexpr int FLOOR_EVERY = 4;   // frames between two weighings of the floor

struct scenario {
    std::string name;
    std::vector<double> work_us, floor_us;
};

std::vector<scenario> scenarios;
bool running;
int frames_run;

uint8_t floor_in[SCR_W * SCR_H];
uint16_t floor_out[SCR_W * SCR_H];
volatile uint16_t floor_sink;

void close_scenario()
{
    if (!running) return;
    std::vector<double> work = hl_take_frame_work();
    scenarios.back().work_us.insert(scenarios.back().work_us.end(), work.begin(), work.end());
    hl_time_frames(false);
    running = false;
}

// The value at fraction q of the sorted samples (nearest rank).
double rank(std::vector<double> v, double q)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t at = (size_t)(q * (double)(v.size() - 1) + 0.5);
    return v[std::min(at, v.size() - 1)];
}

}  // namespace

double floor_once_us()
{
    // A screen of varied indices, so that the table is read all over.
    static bool filled;
    if (!filled) {
        for (int i = 0; i < SCR_W * SCR_H; i++) floor_in[i] = (uint8_t)((i * 7 + i / SCR_W * 13) & 255);
        filled = true;
    }
    double start = hl_cpu_us();
    const uint16_t *pal = jpal_buf;
    for (int i = 0; i < SCR_W * SCR_H; i++) floor_out[i] = pal[floor_in[i]];
    double stop = hl_cpu_us();
    floor_sink = floor_out[(SCR_W * SCR_H) / 2];
    return stop - start;
}

void timing_scenario(const std::string &name)
{
    close_scenario();
    if (name.empty()) return;
    scenarios.push_back({name, {}, {}});
    running = true;
    frames_run = 0;
    hl_take_frame_work();
    hl_time_frames(true);
}

void timing_frame()
{
    if (running && frames_run++ % FLOOR_EVERY == 0) scenarios.back().floor_us.push_back(floor_once_us());
}

void timing_report()
{
    close_scenario();
    for (const scenario &s : scenarios) {
        if (s.work_us.empty() || s.floor_us.empty()) continue;
        double floor = rank(s.floor_us, 0.5);
        std::printf("frame %s p50 %.1fx p99 %.1fx max %.1fx floor %.0f us\n", s.name.c_str(),
                    rank(s.work_us, 0.5) / floor, rank(s.work_us, 0.99) / floor, rank(s.work_us, 1.0) / floor, floor);
    }
}

}  // namespace hm
