// autosave.cpp -- the autosave beside each player's file and the players list's rows that offer it
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "flow/flow.h"

namespace hm {

namespace {

const char *SAVE_EXT = ".cha";
const char *AUTO_EXT = ".autosave";
const char *AUTO_ROW = " (autosave)";

bool has_autosave(int k)
{
    char name[PNAME_MAX + 1];
    int len = pname_copy(k, name);
    if (len < 0 || !pname_safe(pnames + pname_at(k), len)) return false;
    return access(autosave_file((std::string(name) + SAVE_EXT).c_str()).c_str(), F_OK) == 0;
}

bool name_listed(const char *name)
{
    char other[PNAME_MAX + 1];
    for (int k = 0; pname_copy(k, other) >= 0; k++)
        if (std::strcmp(other, name) == 0) return true;
    return false;
}

}  // namespace

std::string autosave_file(const char *save)
{
    std::string s = save;
    size_t len = std::strlen(SAVE_EXT);
    if (s.size() >= len && s.compare(s.size() - len, len, SAVE_EXT) == 0) s.resize(s.size() - len);
    // A player's own file always ends in ".cha": no name can reach this one.
    return s + AUTO_EXT;
}

int list_row(int row, int *k)
{
    if (row < 0) return -1;
    int at = 0;
    for (int n = 0; pname_at(n) >= 0; n++) {
        *k = n;
        if (at++ == row) return ROW_OWN;
        if (has_autosave(n) && at++ == row) return ROW_AUTOSAVE;
    }
    return -1;
}

int row_text(int row, char *out)
{
    int k = 0, kind = list_row(row, &k);
    out[0] = 0;
    if (kind < 0) return -1;
    pname_copy(k, out);
    if (kind == ROW_AUTOSAVE) std::strcat(out, AUTO_ROW);
    return kind;
}

int delete_row(int row)
{
    int k = 0, kind = list_row(row, &k);
    if (kind < 0) return 0;
    char name[PNAME_MAX + 1];
    pname_copy(k, name);
    std::string autosave = autosave_file((std::string(name) + SAVE_EXT).c_str());
    if (kind == ROW_AUTOSAVE) return std::remove(autosave.c_str()) == 0 ? 1 : -1;
    int r = delete_pnam(k);
    // The autosave goes with the last entry of its name, as the player's file does.
    if (r == 1 && !name_listed(name)) std::remove(autosave.c_str());
    return r;
}

}  // namespace hm
