// patch_index.cpp -- the DIGMID patch index made from timidity's freepats index
#include "music/patch_index.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace music {

namespace {

constexpr int PROGRAMS = 128;
constexpr int FAMILY = 8;   // General MIDI groups programs in eights: pianos, organs, guitars...

// The program nearest `p` among those `have`: first within p's family, then
// anywhere; the lower one wins a tie (for most families the plainer sound).
int nearest(const std::vector<std::string> &have, int p)
{
    for (int pass = 0; pass < 2; pass++)
        for (int d = 1; d < PROGRAMS; d++)
            for (int q : {p - d, p + d})
                if (q >= 0 && q < PROGRAMS && !have[q].empty() && (pass == 1 || q / FAMILY == p / FAMILY))
                    return q;
    return -1;
}

}  // namespace

std::string patch_index(const std::string &timidity_cfg, std::string &error)
{
    std::istringstream in(timidity_cfg);
    std::string dir;
    std::vector<std::string> melodic(PROGRAMS), drums(PROGRAMS);   // the patch file of each program and drum key
    std::vector<std::string> *bank = nullptr;                      // the one the lines now fill
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#') continue;
        int n = -1;
        if (first == "dir") {
            words >> dir;
        } else if (first == "drumset" || first == "bank") {
            // Only the General MIDI sets: bank 0 and drum set 0.
            words >> n;
            bank = n != 0 ? nullptr : first == "bank" ? &melodic : &drums;
        } else {
            char *end = nullptr;
            long p = std::strtol(first.c_str(), &end, 10);
            std::string file;
            if (*end || p < 0 || p >= PROGRAMS || !(words >> file) || !bank) continue;
            if (file[0] != '/') {
                if (dir.empty()) {
                    error = "the index names patch " + file + " before any directory";
                    return "";
                }
                file = dir + "/" + file;
            }
            (*bank)[(size_t)p] = file;   // timidity's options (amp=, pan=) are not DIGMID's
        }
    }
    if (nearest(melodic, 0) < 0 && melodic[0].empty()) {
        error = "the index names no patch of the General MIDI programs";
        return "";
    }
    // DIGMID reads a Gravis UltraSound index: programs are numbered from 1, and
    // the drum kit is a multipatch at 129 whose keys are numbered from 1.
    std::ostringstream out;
    out << "# DIGMID's patch index, made from the freepats index at build time.\n"
        << "# A program the set lacks plays its nearest neighbour's patch.\n";
    for (int p = 0; p < PROGRAMS; p++)
        out << p + 1 << " " << (melodic[p].empty() ? melodic[nearest(melodic, p)] : melodic[p]) << "\n";
    out << "\n" << PROGRAMS + 1 << " begin_multipatch\n";
    for (int k = 0; k < PROGRAMS; k++)
        if (!drums[k].empty()) out << k + 1 << " " << drums[k] << "\n";
    out << "end_multipatch\n";
    return out.str();
}

}  // namespace music
