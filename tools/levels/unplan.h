// unplan.h -- a level file written back as a level plan, for levels edited in the game
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace levels {

// The plan of level file `bytes` (level `level`): a plan that compile_plan turns
// back into the same bytes.  "" with `err` set when the file is not a whole level
// file or holds what a plan cannot say.
std::string level_to_plan(const std::vector<uint8_t> &bytes, int level, std::string &err);

// The level number of a level file named l<N>.txt (any folder), -1 otherwise.
int level_file_number(const std::string &path);

}  // namespace levels
