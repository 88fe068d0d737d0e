// save_mirror.h -- the player's files of the run directory kept copied into a directory that outlasts the page
#pragma once

#include <map>
#include <string>

namespace hm {

// The browser keeps only what lies in its stored directory: the player's files
// (players list, saves, screenshots) are copied there whenever they change.
class save_mirror {
public:
    save_mirror(std::string run, std::string keep) : run_(std::move(run)), keep_(std::move(keep)) {}

    // Copies every player's file kept earlier back into the run directory,
    // over whatever the content brought under that name.  The number copied.
    int restore();

    // Copies the player's files of the run directory that are new or changed
    // since the last look into the kept directory, and removes from it those
    // the game removed.  The number of files copied or removed; -1 when a
    // copy failed (it is tried again next time).
    int update();

private:
    struct stamp {
        long long mtime_ns;
        long long size;
        bool operator==(const stamp &o) const { return mtime_ns == o.mtime_ns && size == o.size; }
    };
    std::map<std::string, stamp> players_files(const std::string &dir) const;

    std::string run_, keep_;
    std::map<std::string, stamp> seen_;   // the run directory's files as last copied
};

}  // namespace hm
