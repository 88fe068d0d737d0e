// frame_bench.cpp -- what one frame of play costs, without the wait for the next one
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "core/core.h"
#include "platform/headless.h"

namespace {

void BM_PlayFrame(benchmark::State &state)
{
    hm::hl_reset();
    hm::plat_install_tick(hm::inc_jtimer);
    hm::init_mem();
    hm::f[hm::cam_fx] = 1500;
    hm::f[hm::cam_fy] = 800;
    int exit_code = hm::EXIT_NONE;
    for (auto _ : state) {
        hm::play_frame(exit_code);
        benchmark::ClobberMemory();
    }
    hm::delete_mem();
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    // The frame opens content files relative to the run directory beside the program.
    std::string exe = argv[0];
    size_t slash = exe.rfind('/');
    std::string data = (slash == std::string::npos ? std::string(".") : exe.substr(0, slash)) + "/data";
    if (chdir(data.c_str()) != 0) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
