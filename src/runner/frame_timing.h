// frame_timing.h -- frame work of named scenarios, weighed against the floor
#pragma once

#include <string>

namespace hm {

// Starts timing the frames of a scenario (ending any scenario being timed), or
// stops with an empty name.
void timing_scenario(const std::string &name);
// Called by the frame hook each frame: while a scenario runs it weighs the
// floor now and then, so that both see the same load on the machine.
void timing_frame();
// One line per scenario timed: "frame NAME p50 A.Bx p99 C.Dx max E.Fx floor G us".
void timing_report();
// The least a repainting frame does: a 640 x 400 screen of palette indices
// turned into 16-bit colour through the colour table; microseconds.
double floor_once_us();

}  // namespace hm
