// players.cpp -- the players list in pnames.txt, and deleting a player
#include <cstdio>
#include <cstring>

#include "data/replace_file.h"
#include "flow/flow.h"

namespace hm {

char pnames[PNAMES_BYTES];

namespace {

const char *LIST_FILE = "pnames.txt";
const char *SAVE_EXT = ".cha";

// Offset of the list's '^'.  The list always has one: every reader puts it back.
int list_end()
{
    int at = 0;
    while (at < PNAMES_BYTES - 1 && pnames[at] != '^') at++;
    return at;
}

int name_len(int at)
{
    int n = 0;
    while (at + n < PNAMES_BYTES && pnames[at + n] != '~' && pnames[at + n] != '^') n++;
    return n;
}

bool same_name(int a, int b)
{
    int la = name_len(a);
    return la == name_len(b) && std::memcmp(pnames + a, pnames + b, (size_t)la) == 0;
}

int write_list()
{
    return replace_file(LIST_FILE, pnames, (size_t)list_end() + 1);
}

}  // namespace

int LorS_pnames(int mode)
{
    if (mode == 2) return write_list();
    if (mode != 1) return 0;
    std::memset(pnames, 0, sizeof pnames);
    FILE *in = std::fopen(LIST_FILE, "rb");
    if (!in) {
        pnames[0] = '^';
        return write_list();
    }
    int n = 0;
    for (int c; n < PNAMES_BYTES - 1 && (c = std::fgetc(in)) >= 0;) {
        pnames[n++] = (char)c;
        if (c == '^') break;
    }
    std::fclose(in);
    // The list ends after its last complete name: a cut-off list, or stray
    // characters before the '^', are not names.
    int end = n;
    while (end > 0 && pnames[end - 1] != '~') end--;
    std::memset(pnames + end, 0, sizeof pnames - (size_t)end);
    pnames[end] = '^';
    return 0;
}

int pname_at(int k)
{
    if (k < 0) return -1;
    int at = 0;
    for (int i = 0; i < k; i++) {
        at += name_len(at);
        if (at >= PNAMES_BYTES || pnames[at] != '~') return -1;
        at++;
    }
    return at < PNAMES_BYTES && pnames[at] != '^' ? at : -1;
}

int pname_copy(int k, char *out)
{
    out[0] = 0;
    int at = pname_at(k);
    if (at < 0) return -1;
    int len = name_len(at);
    int n = len < PNAME_MAX ? len : PNAME_MAX;
    std::memcpy(out, pnames + at, (size_t)n);
    out[n] = 0;
    return len;
}

int pname_safe(const char *name, int len)
{
    if (len < 0 || len > PNAME_MAX) return 0;
    for (int i = 0; i < len; i++) {
        char c = name[i];
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '-' || c == '.' || c == ' ';
        if (!ok) return 0;
    }
    return 1;
}

int pname_new_ok(const char *name)
{
    int len = (int)strnlen(name, PNAME_MAX + 1);
    // An empty name, or one of spaces, is a blank row; a leading '.' a hidden file.
    if (!pname_safe(name, len) || len == 0 || name[0] == '.') return 0;
    for (int i = 0; i < len; i++)
        if (name[i] != ' ') return 1;
    return 0;
}

int pname_find(const char *name)
{
    size_t len = strnlen(name, PNAME_MAX + 1);
    for (int k = 0, at; (at = pname_at(k)) >= 0; k++)
        if ((size_t)name_len(at) == len && std::memcmp(pnames + at, name, len) == 0) return k;
    return -1;
}

int add_pname(const char *name)
{
    int len = (int)strnlen(name, PNAME_MAX + 1);
    if (len > PNAME_MAX) return -1;
    int end = list_end();
    // The name, its '~' and the new '^'.
    if (end + len + 2 > PNAMES_BYTES) return -1;
    std::memcpy(pnames + end, name, (size_t)len);
    pnames[end + len] = '~';
    pnames[end + len + 1] = '^';
    return 0;
}

void drop_pname(int k)
{
    int at = pname_at(k);
    if (at < 0) return;
    int gone = name_len(at) + 1;
    int end = list_end();
    std::memmove(pnames + at, pnames + at + gone, (size_t)(end + 1 - (at + gone)));
    std::memset(pnames + end + 1 - gone, 0, (size_t)gone);
}

int delete_pnam(int k)
{
    int at = pname_at(k);
    if (at < 0) return 0;
    int len = name_len(at);
    if (!pname_safe(pnames + at, len)) return -1;
    std::memset(cnam, 0, 50);
    std::memcpy(cnam, pnames + at, (size_t)len);
    std::strcat(cnam, SAVE_EXT);
    bool shared = false;
    for (int o = 0; !shared && o < PNAMES_BYTES && pnames[o] != '^'; o++) {
        shared = o != at && same_name(o, at);
        o += name_len(o);
        if (o >= PNAMES_BYTES || pnames[o] != '~') break;
    }
    // Two entries of one name share its save file: it goes with the last of them.
    if (!shared) std::remove(cnam);
    drop_pname(k);
    LorS_pnames(2);
    return 1;
}

}  // namespace hm
