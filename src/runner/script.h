// script.h -- play scripts: scripted keys, mouse, expectations and screenshots
#pragma once

#include <string>

namespace hm {

// Reads a play script; false (with a message on stderr) when a line is not
// understood.  Paths in the script are taken relative to base_dir.
bool script_load(const std::string &file, const std::string &base_dir);
bool script_parse(const std::string &text, const std::string &name, const std::string &base_dir);

// The frame hook: runs the script's commands until one lets frames pass.
// frame_limit > 0 ends the run after that many frames.
void script_start(int frame_limit, int seed, bool has_seed);
void script_frame();

int script_failures();       // expectations that did not hold, plus command errors
int script_expectations();   // expectations checked

// Key code for a key name ("ESC", "A", "LEFT"), -1 when unknown.
int key_by_name(const std::string &name);

}  // namespace hm
