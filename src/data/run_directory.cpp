// run_directory.cpp -- the run directory of an installed game: the player's own, linked to the read-only content
#include "data/run_directory.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace hm {

namespace {

bool ends_with(const std::string &s, const char *tail)
{
    size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

bool has_content(const std::string &dir) { return access((dir + "/jpal.txt").c_str(), R_OK) == 0; }

std::string parent(const std::string &path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// mkdir -p.
bool make_dirs(const std::string &dir)
{
    if (dir.empty() || dir == "/" || dir == ".") return true;
    struct stat st;
    if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (!make_dirs(parent(dir))) return false;
    return mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

bool players_file(const std::string &name)
{
    return name == "pnames.txt" || name == "pscr.bmp" || ends_with(name, ".cha") || ends_with(name, ".autosave") ||
           ends_with(name, ".tmp") || ends_with(name, ".new") || (name.rfind("hollowmere-", 0) == 0 && ends_with(name, ".png"));
}

int link_content(const std::string &data, const std::string &run)
{
    if (!make_dirs(run)) return -1;
    // Links into content that has gone (an older version's files) go first.
    if (DIR *d = opendir(run.c_str())) {
        while (dirent *e = readdir(d)) {
            std::string path = run + "/" + e->d_name;
            struct stat st;
            if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && access(path.c_str(), F_OK) != 0)
                unlink(path.c_str());
        }
        closedir(d);
    }
    DIR *d = opendir(data.c_str());
    if (!d) return -1;
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name[0] == '.' || players_file(name)) continue;
        std::string from = data + "/" + name, to = run + "/" + name;
        struct stat st;
        // Whatever is there already (a level the editor wrote, a link) stays.
        if (stat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || lstat(to.c_str(), &st) == 0) continue;
        symlink(from.c_str(), to.c_str());
    }
    closedir(d);
    return 0;
}

std::string player_data_dir()
{
    const char *data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return std::string(data) + "/hollowmere";
    const char *home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/share/hollowmere";
}

std::string choose_run_dir(const std::string &exe, const std::string &cwd, const std::string &installed_data)
{
    if (has_content(cwd) && access(cwd.c_str(), W_OK) == 0) return cwd;
    std::string bin = parent(exe);
    if (has_content(bin + "/data")) return bin + "/data";
    std::string shared = parent(bin) + "/share/hollowmere";
    if (!has_content(shared)) shared = installed_data;
    if (shared.empty() || !has_content(shared)) return "";
    std::string run = player_data_dir();
    if (link_content(shared, run) != 0) return "";
    return run;
}

}  // namespace hm
