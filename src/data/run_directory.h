// run_directory.h -- where the game runs: its content's directory, or the player's own beside an installed game
#pragma once

#include <string>

namespace hm {

// Files the game writes for the player: the players list, saves and autosaves,
// screenshots, temporary files.  They are never taken from the content.
bool players_file(const std::string &name);

// Makes run a directory where every content file of data is found under its own
// name (as a link), without touching the player's files already in run; links
// whose content has gone are dropped.  Edited levels written into run replace
// their links.  0 done, -1 run could not be made.
int link_content(const std::string &data, const std::string &run);

// $XDG_DATA_HOME/hollowmere, or ~/.local/share/hollowmere.
std::string player_data_dir();

// Chooses the working directory for a game started as exe (its path) from cwd:
//  - cwd holds the content and may be written: it stays (build/data);
//  - data/ beside the program: there (a build tree);
//  - ../share/hollowmere beside the program, or installed_data: the player's
//    own directory, linked to that content.
// Returns the directory to change to, "" when no content was found.
std::string choose_run_dir(const std::string &exe, const std::string &cwd, const std::string &installed_data);

}  // namespace hm
