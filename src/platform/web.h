// web.h -- what the browser's start-up asks of the browser backend
#pragma once

namespace hm {

// From now on the player's files of run are kept in keep (a directory the page
// stores in the browser), checked a few times a second; those kept before are
// copied back into run first.
void web_keep_players_files(const char *run, const char *keep);

// Keeps what changed since the last check now (the game has ended: no frame
// will check again).
void web_keep_players_files_now();

}  // namespace hm
