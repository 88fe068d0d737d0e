// patch_index.h -- turns timidity's freepats index into the default.cfg that Allegro's DIGMID reads
#pragma once

#include <string>

namespace music {

// The index text of `timidity_cfg` rewritten for DIGMID: the `dir` line dropped,
// every patch file named by its full path under that directory and each line
// only a number and a file, as DIGMID reads them; programs of
// the melodic bank that the set lacks are given the patch of the nearest program
// it has, within the same General MIDI family of eight where there is one.
// Fills `error` and returns "" when the index names no directory or no patch.
std::string patch_index(const std::string &timidity_cfg, std::string &error);

}  // namespace music
