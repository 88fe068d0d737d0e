// web_main.cpp -- the game in a browser page: the content preloaded, the player's files kept by the browser
#include <unistd.h>

#include <cstdio>

#include "core/core.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "platform/web.h"

namespace {

// Where the page put things (web/shell.js): the content, packed with the page,
// and the directory the browser stores in IndexedDB.
const char *RUN_DIR = "/hollowmere";
const char *KEPT_DIR = "/kept";

}  // namespace

int main()
{
    if (chdir(RUN_DIR) != 0) {
        std::fprintf(stderr, "hollowmere: the game's data was not loaded\n");
        return 1;
    }
    hm::web_keep_players_files(RUN_DIR, KEPT_DIR);
    // No settings file in a page: the defaults suit it (the page does the scaling).
    int status = hm::hollowmere_main();
    hm::web_keep_players_files_now();
    // A page cannot close itself: it says how to start again.
    hm::plat_message("Hollowmere has ended: reload the page to play again.");
    return status;
}
