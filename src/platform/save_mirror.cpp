// save_mirror.cpp -- copies the player's files between the run directory and the kept one
#include "platform/save_mirror.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "data/run_directory.h"

namespace hm {

namespace {

bool ends_with(const std::string &s, const char *tail)
{
    std::string t(tail);
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// A half-written file's name: never kept, its finished file is.
bool transient(const std::string &name) { return ends_with(name, ".tmp") || ends_with(name, ".new"); }

// Copies from into to through a temporary file, so that to is whole or old.
bool copy_file(const std::string &from, const std::string &to)
{
    FILE *in = std::fopen(from.c_str(), "rb");
    if (!in) return false;
    std::string temp = to + ".tmp";
    FILE *out = std::fopen(temp.c_str(), "wb");
    bool ok = out != nullptr;
    char buf[16384];
    size_t n;
    while (ok && (n = std::fread(buf, 1, sizeof buf, in)) > 0) ok = std::fwrite(buf, 1, n, out) == n;
    ok = ok && !std::ferror(in);
    std::fclose(in);
    if (out) ok = std::fclose(out) == 0 && ok;
    if (ok && std::rename(temp.c_str(), to.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}

}  // namespace

std::map<std::string, save_mirror::stamp> save_mirror::players_files(const std::string &dir) const
{
    std::map<std::string, stamp> files;
    DIR *d = opendir(dir.c_str());
    if (!d) return files;
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name[0] == '.' || !players_file(name) || transient(name)) continue;
        struct stat st;
        if (stat((dir + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        files[name] = {(long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, (long long)st.st_size};
    }
    closedir(d);
    return files;
}

int save_mirror::restore()
{
    seen_.clear();
    for (const auto &f : players_files(keep_))
        if (copy_file(keep_ + "/" + f.first, run_ + "/" + f.first)) seen_[f.first] = stamp{};
    // What came back is kept already: only later changes are copied.
    std::map<std::string, stamp> now = players_files(run_);
    for (auto &f : seen_) f.second = now[f.first];
    return (int)seen_.size();
}

int save_mirror::update()
{
    std::map<std::string, stamp> now = players_files(run_);
    int changes = 0;
    bool failed = false;
    for (const auto &f : now) {
        auto was = seen_.find(f.first);
        if (was != seen_.end() && was->second == f.second) continue;
        if (copy_file(run_ + "/" + f.first, keep_ + "/" + f.first)) {
            seen_[f.first] = f.second;
            changes++;
        } else {
            failed = true;
        }
    }
    for (auto it = seen_.begin(); it != seen_.end();) {
        if (now.count(it->first)) {
            ++it;
            continue;
        }
        std::remove((keep_ + "/" + it->first).c_str());
        it = seen_.erase(it);
        changes++;
    }
    return failed ? -1 : changes;
}

}  // namespace hm
