// make_crtinf.cpp -- writes the creature types of content/creatures/crtinf.def into crtinf.txt
//
//   hm_crtinf SOURCE OUT_FILE
//
// The source gives each type as "type N what it is" followed by its fields, one per
// line ('#' starts a comment); crtinf.def's head describes them.  The output holds
// 42 integers per type, one type per line, types 0, 1, 2, ... in order.  A fault
// is reported as file:line and nothing is written.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int INTS = 42;
constexpr int SPRITE_PICTURES = 1250;   // pictures of the creature group
constexpr int SPRITES = 10;             // sprites of one creature
constexpr int LOOKS = 7;                // missile looks 0..6

// Fields given as a fixed part and a per-level part, with the place of the fixed
// part in the type's 42 integers.
const std::map<std::string, int> PAIRS = {
    {"initiative", 1}, {"hp", 3},      {"wound_floor", 5}, {"dmg_e1", 7},  {"dmg_e2", 9},
    {"dmg_e3", 11},    {"dmg_e4", 13}, {"dmg_phys", 15},   {"armour", 17}, {"res_e1", 19},
    {"res_e2", 21},    {"res_e3", 23}, {"res_e4", 25},     {"hit", 27},    {"dodge", 29},
    {"luck", 31},      {"speed", 33},  {"mana", 35},
};
constexpr int PIC_BASE = 0, NATURAL_ITEM = 37, ATTACK_KIND = 38, SHOT_RANGE = 39, SHOT_PIC = 40, FLYING = 41;

int failures = 0;

void fail(const std::string &where, const std::string &why)
{
    std::fprintf(stderr, "%s: %s\n", where.c_str(), why.c_str());
    failures++;
}

bool to_int(const std::string &w, int &v)
{
    char *end = nullptr;
    long n = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end || n < -2147483647L || n > 2147483647L) return false;
    v = (int)n;
    return true;
}

struct creature_type {
    std::string where;         // its "type" line
    int v[INTS] = {};          // the 42 integers
    bool has_pic = false, has_hp = false, has_speed = false, has_attack = false;
};

// Reads the numbers after the key into out; false (reported) when they are not
// exactly `count` integers.
bool numbers(const std::string &where, const std::vector<std::string> &w, int count, int *out)
{
    if ((int)w.size() != count + 1) {
        fail(where, w[0] + " wants " + std::to_string(count) + " number" + (count == 1 ? "" : "s"));
        return false;
    }
    for (int i = 0; i < count; i++)
        if (!to_int(w[i + 1], out[i])) {
            fail(where, "'" + w[i + 1] + "' is not a number");
            return false;
        }
    return true;
}

void field(creature_type &t, const std::string &where, const std::vector<std::string> &w)
{
    const std::string &key = w[0];
    int n[2] = {};
    auto pair = PAIRS.find(key);
    if (pair != PAIRS.end()) {
        if (!numbers(where, w, 2, n)) return;
        t.v[pair->second] = n[0];
        t.v[pair->second + 1] = n[1];
        if (key == "hp") t.has_hp = true;
        if (key == "speed") t.has_speed = true;
    } else if (key == "pic_base") {
        if (!numbers(where, w, 1, n)) return;
        if (n[0] < 0 || n[0] + SPRITES > SPRITE_PICTURES) fail(where, "a sprite set lies within pictures 0..1249");
        t.v[PIC_BASE] = n[0];
        t.has_pic = true;
    } else if (key == "natural_item") {
        if (!numbers(where, w, 1, n)) return;
        if (n[0] < 0) fail(where, "natural_item is an item type, or 0 for none");
        t.v[NATURAL_ITEM] = n[0];
    } else if (key == "strikes" || key == "shoots") {
        if (t.has_attack) fail(where, "a creature either strikes or shoots, once");
        t.has_attack = true;
        if (key == "strikes") {
            if (w.size() != 1) fail(where, "strikes takes no numbers");
            t.v[ATTACK_KIND] = 1;
            return;
        }
        if (!numbers(where, w, 2, n)) return;
        if (n[0] < 1) fail(where, "a shooter's range is at least 1 cell");
        if (n[1] < 0 || n[1] >= LOOKS) fail(where, "a missile look is 0..6");
        t.v[ATTACK_KIND] = 2;
        t.v[SHOT_RANGE] = n[0];
        t.v[SHOT_PIC] = n[1];
    } else if (key == "flies") {
        if (w.size() != 1) fail(where, "flies takes no numbers");
        t.v[FLYING] = 1;
    } else {
        fail(where, "unknown field '" + key + "'");
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hm_crtinf SOURCE OUT_FILE\n");
        return 2;
    }
    std::string source = argv[1];
    std::ifstream in(source);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read\n", source.c_str());
        return 1;
    }
    std::vector<creature_type> types;
    std::string text;
    for (int no = 1; std::getline(in, text); no++) {
        size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        std::istringstream words(text);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;
        std::string where = source + ":" + std::to_string(no);
        if (w[0] == "type") {
            int n = -1;
            if (w.size() < 2 || !to_int(w[1], n)) {
                fail(where, "type wants its number");
                continue;
            }
            if (n != (int)types.size()) fail(where, "types are numbered 0, 1, 2, ... in order; expected " +
                                                        std::to_string(types.size()));
            types.push_back({});
            types.back().where = where;
        } else if (types.empty()) {
            fail(where, "a field before the first type");
        } else {
            field(types.back(), where, w);
        }
    }
    for (const creature_type &t : types) {
        if (!t.has_pic) fail(t.where, "no pic_base");
        if (!t.has_hp) fail(t.where, "no hp");
        if (!t.has_speed) fail(t.where, "no speed");
        if (!t.has_attack) fail(t.where, "neither strikes nor shoots");
    }
    if (types.empty()) fail(source, "no creature types");
    if (failures) return 1;

    std::ostringstream out;
    for (const creature_type &t : types) {
        for (int i = 0; i < INTS; i++) out << t.v[i] << (i + 1 < INTS ? " " : "\n");
    }
    std::string file = argv[2], tmp = file + ".new";
    FILE *f = std::fopen(tmp.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "%s: cannot write\n", tmp.c_str());
        return 1;
    }
    std::string s = out.str();
    bool ok = std::fwrite(s.data(), 1, s.size(), f) == s.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), file.c_str()) != 0) {
        std::remove(tmp.c_str());
        std::fprintf(stderr, "%s: cannot write\n", file.c_str());
        return 1;
    }
    return 0;
}
