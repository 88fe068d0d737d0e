// plan.h -- level plans: readable level sources compiled into the game's level tables
#pragma once

#include <string>

namespace levels {

// Reads a level plan (content/levels/README.md) into the game's level tables as
// level `level`, starting from the empty level.  Returns "" when the plan is
// sound, else "name:line: what is wrong" for the first fault found.  A plan is
// also refused when a cell that looks like deep water does not block; objects
// block as the loaded object table (ls_tile) says.
std::string compile_plan(const std::string &text, const std::string &name, int level);

// The level number of a plan file named l<N>.plan (any folder), -1 otherwise.
int plan_level(const std::string &path);

}  // namespace levels
