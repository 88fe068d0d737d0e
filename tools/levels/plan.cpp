// plan.cpp -- the level plan reader: legends, grids, cells, statistics, spawners and chests
#include "levels/plan.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace levels {

namespace {

using hm::MAP_W;

// A failure with its line; thrown to the top of compile_plan.
struct plan_error {
    int line;
    std::string what;
};

[[noreturn]] void fail(int line, const std::string &what) { throw plan_error{line, what}; }

// The four legends: picture groups 0 (both ground layers), 1 and 2, and light offsets.
enum Kind { K_GROUND, K_OBJECT, K_ROOF, K_LIGHT, KINDS };
const char *const KIND_NAMES[KINDS] = {"ground", "object", "roof", "light"};

struct layer_info {
    const char *name;
    Kind kind;
};
const layer_info LAYERS[] = {
    {"ground", K_GROUND},        {"ground2", K_GROUND},      {"object", K_OBJECT},    {"roof", K_ROOF},
    {"ground_light", K_LIGHT}, {"object_light", K_LIGHT}, {"roof_light", K_LIGHT},
};
constexpr int LAYER_COUNT = sizeof LAYERS / sizeof LAYERS[0];

// What a cell of each kind may hold: the group's picture numbers, or a signed byte.
void value_range(Kind k, int &lo, int &hi)
{
    lo = 0;
    if (k == K_GROUND) hi = hm::PICT_SIZE[0] - 1;
    else if (k == K_OBJECT) hi = hm::PICT_SIZE[1] - 1;
    else if (k == K_ROOF) hi = hm::PICT_SIZE[2] - 1;
    else {
        lo = -128;
        hi = 127;
    }
}

const char *const STAT_NAMES[] = {"lev_id",    "west_bound", "east_bound", "north_bound", "south_bound",
                                  "start_x",   "start_y",    "light_level", "roof_height", "west_lev",
                                  "west_x",    "west_y",     "east_lev",   "east_x",      "east_y",
                                  "north_lev", "north_x",    "north_y",    "south_lev",   "south_x",
                                  "south_y"};

std::vector<std::string> words(const std::string &s)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

bool parse_int(const std::string &s, long &v)
{
    if (s.empty()) return false;
    char *end = nullptr;
    v = std::strtol(s.c_str(), &end, 10);
    return *end == 0;
}

class plan_reader {
public:
    plan_reader(const std::string &text, int level) : level_(level)
    {
        std::istringstream in(text);
        for (std::string l; std::getline(in, l);) {
            if (!l.empty() && l.back() == '\r') l.pop_back();
            lines_.push_back(l);
        }
    }

    void run()
    {
        hm::create_level_template(level_);
        while (at_ < lines_.size()) {
            int line = (int)at_ + 1;
            std::string raw = lines_[at_++];
            std::vector<std::string> w = words(strip(raw));
            if (w.empty()) continue;
            const std::string &cmd = w[0];
            if (cmd == "name") read_name(line, raw);
            else if (cmd == "stat") read_stat(line, w);
            else if (cmd == "fill") read_fill(line, w);
            else if (cmd == "rect") read_rect(line, w);
            else if (cmd == "put") read_put(line, w);
            else if (cmd == "legend") read_legend(line, w);
            else if (cmd == "grid") read_grid(line, w);
            else if (cmd == "spawner") read_spawner(line, w);
            else if (cmd == "chest") read_chest(line, w);
            else fail(line, "unknown command '" + cmd + "'");
        }
    }

private:
    std::vector<std::string> lines_;
    size_t at_ = 0;
    int level_;
    std::map<char, int> legend_[KINDS];
    std::set<int> spawners_, chests_;

    // '#' starts a comment anywhere: it is never a legend character.
    static std::string strip(const std::string &s)
    {
        size_t hash = s.find('#');
        return hash == std::string::npos ? s : s.substr(0, hash);
    }

    // The lines of a block up to its "end", with their line numbers.
    std::vector<std::pair<int, std::string>> block(int line, const std::string &what)
    {
        std::vector<std::pair<int, std::string>> out;
        while (at_ < lines_.size()) {
            int n = (int)at_ + 1;
            std::string l = strip(lines_[at_++]);
            std::vector<std::string> w = words(l);
            if (w.size() == 1 && w[0] == "end") return out;
            if (!w.empty()) out.push_back({n, l});
        }
        fail(line, what + " has no 'end'");
    }

    long number(int line, const std::string &s, long lo, long hi, const std::string &what)
    {
        long v;
        if (!parse_int(s, v)) fail(line, what + ": '" + s + "' is not a number");
        if (v < lo || v > hi)
            fail(line, what + " " + s + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
        return v;
    }

    int layer_index(int line, const std::string &name)
    {
        for (int i = 0; i < LAYER_COUNT; i++)
            if (name == LAYERS[i].name) return i;
        fail(line, "no layer '" + name + "' (ground, ground2, object, roof, ground_light, object_light, roof_light)");
    }

    // A cell value: a number, or one character of the layer's legend.
    int layer_value(int line, int layer, const std::string &s)
    {
        Kind k = LAYERS[layer].kind;
        if (s.size() == 1 && !std::isdigit((unsigned char)s[0])) {
            auto it = legend_[k].find(s[0]);
            if (it == legend_[k].end()) fail(line, "'" + s + "' is not in the " + KIND_NAMES[k] + " legend");
            return it->second;
        }
        int lo, hi;
        value_range(k, lo, hi);
        return (int)number(line, s, lo, hi, std::string(LAYERS[layer].name) + " value");
    }

    static void set_cell(int layer, int cell, int v)
    {
        switch (layer) {
        case 0: hm::gr[cell] = (uint16_t)v; break;
        case 1: hm::gr2[cell] = (uint16_t)v; break;
        case 2: hm::ls[cell] = (uint16_t)v; break;
        case 3: hm::rf[cell] = (uint16_t)v; break;
        case 4: hm::gr_lt[cell] = (int8_t)v; break;
        case 5: hm::ls_lt[cell] = (int8_t)v; break;
        default: hm::rf_lt[cell] = (int8_t)v; break;
        }
    }

    void read_name(int line, const std::string &raw)
    {
        std::string s = raw.substr(raw.find("name") + 4);
        size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
        s = a == std::string::npos ? "" : s.substr(a, b - a + 1);
        if (s.size() >= (size_t)hm::LEV_NAME_BYTES)
            fail(line, "the name is longer than " + std::to_string(hm::LEV_NAME_BYTES - 1) + " characters");
        std::memset(hm::lev_nam, 0, sizeof hm::lev_nam);
        std::memcpy(hm::lev_nam, s.data(), s.size());
    }

    void read_stat(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 3) fail(line, "stat wants a name (or number) and a value");
        long slot = -1;
        for (int i = 0; i < (int)(sizeof STAT_NAMES / sizeof STAT_NAMES[0]); i++)
            if (w[1] == STAT_NAMES[i]) slot = i;
        if (slot < 0) slot = number(line, w[1], 0, hm::LSTS_STORED - 1, "statistic");
        if (slot == hm::lev_id) fail(line, "lev_id is the level's own number, taken from the file name");
        long v = number(line, w[2], -2147483647L, 2147483647L, "value");
        if (slot == hm::start_x || slot == hm::start_y) number(line, w[2], 0, MAP_W - 1, "start cell");
        // Exit destinations must be levels the game can enter, on the map.
        if (slot >= hm::west_lev && slot <= hm::south_y) {
            if ((slot - hm::west_lev) % 3 == 0) number(line, w[2], 0, hm::LEVEL_COUNT - 1, "exit level");
            else number(line, w[2], 0, MAP_W - 1, "exit cell");
        }
        hm::lsts[slot] = (int32_t)v;
    }

    void read_fill(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 3) fail(line, "fill wants a layer and a value");
        int layer = layer_index(line, w[1]), v = layer_value(line, layer, w[2]);
        for (int i = 0; i < hm::MAP_CELLS; i++) set_cell(layer, i, v);
    }

    void read_rect(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 9 || w[3] != "from" || w[6] != "to")
            fail(line, "rect wants: rect LAYER VALUE from COLUMN ROW to COLUMN ROW");
        int layer = layer_index(line, w[1]), v = layer_value(line, layer, w[2]);
        int c1 = (int)number(line, w[4], 0, 99, "column"), r1 = (int)number(line, w[5], 0, 99, "row");
        int c2 = (int)number(line, w[7], 0, 99, "column"), r2 = (int)number(line, w[8], 0, 99, "row");
        if (c2 < c1 || r2 < r1) fail(line, "rect: the second corner lies before the first");
        for (int r = r1; r <= r2; r++)
            for (int c = c1; c <= c2; c++) set_cell(layer, c + MAP_W * r, v);
    }

    void read_put(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 6 || w[3] != "at") fail(line, "put wants: put LAYER VALUE at COLUMN ROW");
        int layer = layer_index(line, w[1]), v = layer_value(line, layer, w[2]);
        int c = (int)number(line, w[4], 0, 99, "column"), r = (int)number(line, w[5], 0, 99, "row");
        set_cell(layer, c + MAP_W * r, v);
    }

    void read_legend(int line, const std::vector<std::string> &w)
    {
        Kind k = KINDS;
        for (int i = 0; i < KINDS; i++)
            if (w.size() == 2 && w[1] == KIND_NAMES[i]) k = (Kind)i;
        if (k == KINDS) fail(line, "legend wants one of: ground, object, roof, light");
        int lo, hi;
        value_range(k, lo, hi);
        for (const auto &[n, l] : block(line, "legend")) {
            std::vector<std::string> e = words(l);
            if (e.size() < 2 || e[0].size() != 1) fail(n, "a legend line is: CHARACTER VALUE [description]");
            char ch = e[0][0];
            if (ch == '.' || ch == '|') fail(n, "'.' and '|' are kept for grids");
            if (std::isdigit((unsigned char)ch)) fail(n, "digits are kept for numbers");
            if (legend_[k].count(ch)) fail(n, std::string("'") + ch + "' is already in the " + KIND_NAMES[k] + " legend");
            legend_[k][ch] = (int)number(n, e[1], lo, hi, std::string(KIND_NAMES[k]) + " legend value");
        }
    }

    void read_grid(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 2) fail(line, "grid wants a layer");
        int layer = layer_index(line, w[1]);
        const std::map<char, int> &legend = legend_[LAYERS[layer].kind];
        for (const auto &[n, l] : block(line, "grid")) {
            size_t bar = l.find('|');
            long row;
            std::string head = bar == std::string::npos ? "" : l.substr(0, bar);
            head.erase(0, head.find_first_not_of(" \t"));
            head.erase(head.find_last_not_of(" \t") + 1);
            if (bar == std::string::npos || !parse_int(head, row)) fail(n, "a grid line is: ROW|cells");
            if (row < 0 || row > 99) fail(n, "row " + head + " is off the map");
            std::string cells = l.substr(bar + 1);
            for (size_t c = 0; c < cells.size(); c++) {
                char ch = cells[c];
                if (ch == '.' || ch == ' ' || ch == '\t') continue;
                if (c >= (size_t)MAP_W) fail(n, "column " + std::to_string(c) + " is off the map");
                auto it = legend.find(ch);
                if (it == legend.end())
                    fail(n, "column " + std::to_string(c) + ": '" + std::string(1, ch) + "' is not in the " +
                                KIND_NAMES[LAYERS[layer].kind] + " legend");
                set_cell(layer, (int)c + MAP_W * (int)row, it->second);
            }
        }
    }

    void read_spawner(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 2) fail(line, "spawner wants its number");
        int k = (int)number(line, w[1], 0, hm::SPAWNER_COUNT - 1, "spawner");
        if (!spawners_.insert(k).second) fail(line, "spawner " + w[1] + " is given twice");
        hm::spawner_rec &s = hm::crt_spawner[k];
        s.active = 1;
        s.trigger = 10;
        s.id = level_ * hm::SPAWNER_COUNT + k;
        bool placed = false;
        int creatures = 0, loot = 0;
        for (const auto &[n, l] : block(line, "spawner")) {
            std::vector<std::string> e = words(l);
            const std::string &key = e[0];
            if (key == "at" && e.size() == 3) {
                s.x = (int8_t)number(n, e[1], 0, 99, "column");
                s.y = (int8_t)number(n, e[2], 0, 99, "row");
                placed = true;
            } else if (key == "trigger" && e.size() == 2) {
                s.trigger = (int8_t)number(n, e[1], 0, 127, "trigger");
            } else if (key == "id" && e.size() == 2) {
                s.id = (int32_t)number(n, e[1], 0, hm::LEVEL_COUNT * hm::SPAWNER_COUNT - 1, "spawner id");
            } else if (key == "creature" && e.size() == 3) {
                // Type -1 is an empty slot, as the editor leaves them.
                if (creatures == hm::SPAWNER_SLOTS) fail(n, "a spawner brings at most 20 creatures");
                s.crt_types[creatures] = (int32_t)number(n, e[1], -1, 100000, "creature type");
                s.crt_levels[creatures++] = (int32_t)number(n, e[2], 0, 1000, "creature level");
            } else if (key == "loot" && e.size() == 3) {
                if (loot == hm::SPAWNER_LOOT) fail(n, "a spawner drops at most 5 loot items");
                s.loot_items[loot] = (int32_t)number(n, e[1], -1, 100000, "item type");
                s.loot_chances[loot++] = (int32_t)number(n, e[2], 0, 100, "loot chance");
            } else if (key == "off" && e.size() == 1) {
                s.active = 0;
            } else {
                fail(n, "a spawner line is one of: at C R, trigger T, id N, creature TYPE LEVEL, loot ITEM CHANCE, off");
            }
        }
        if (!placed) fail(line, "spawner " + w[1] + " has no 'at'");
    }

    void read_chest(int line, const std::vector<std::string> &w)
    {
        if (w.size() != 2) fail(line, "chest wants its number on the level (0..49)");
        int k = (int)number(line, w[1], 0, hm::CHESTS_PER_LEVEL - 1, "chest");
        if (!chests_.insert(k).second) fail(line, "chest " + w[1] + " is given twice");
        int slot = hm::new_chest_n();
        hm::chest_rec c = {};
        // As the editor makes a new chest, with fixed seeds instead of rolled ones.
        c.in_use = 1;
        c.chest_id = level_ * hm::CHESTS_PER_LEVEL + k;
        c.chest_pic = 99;
        for (int i = 0; i < hm::CHEST_SLOTS; i++) {
            c.item_types[i] = -1;
            c.item_chance[i] = 100;
        }
        c.trap_state = 1;
        c.n_discs = 4;
        c.difficulty = 100;
        c.lock_seed = c.chest_id;
        c.face_side = 4;
        for (int i = 0; i < hm::LOCK_DISCS; i++) c.disc_r[i] = 20;
        bool placed = false;
        int items = 0;
        const char *const traps[] = {"none", "locked", "jammed", "delete"};
        const char *const sides[] = {"left", "right", "up", "down"};
        for (const auto &[n, l] : block(line, "chest")) {
            std::vector<std::string> e = words(l);
            const std::string &key = e[0];
            if (key == "at" && e.size() == 3) {
                c.x = (int32_t)number(n, e[1], 0, 99, "column");
                c.y = (int32_t)number(n, e[2], 0, 99, "row");
                placed = true;
            } else if (key == "picture" && e.size() == 2) {
                // Its emptied picture is the next one.
                c.chest_pic = (int32_t)number(n, e[1], 1, hm::PICT_SIZE[1] - 2, "chest picture");
            } else if (key == "item" && (e.size() == 3 || e.size() == 4)) {
                if (items == hm::CHEST_SLOTS) fail(n, "a chest holds at most 20 items");
                c.item_types[items] = (int16_t)number(n, e[1], -1, 32767, "item type");
                c.item_seeds[items] = (int16_t)number(n, e[2], 0, 32767, "item seed");
                c.item_chance[items++] = e.size() == 4 ? (uint8_t)number(n, e[3], 0, 100, "item chance") : 100;
            } else if (key == "trap" && e.size() == 2) {
                int t = -1;
                for (int i = 0; i < 4; i++)
                    if (e[1] == traps[i]) t = i;
                if (t < 0) fail(n, "trap is one of: none, locked, jammed, delete");
                c.trap_state = (uint8_t)t;
            } else if (key == "discs" && e.size() == 2) {
                c.n_discs = (int32_t)number(n, e[1], 1, hm::LOCK_DISCS, "discs");
            } else if (key == "difficulty" && e.size() == 2) {
                c.difficulty = (int32_t)number(n, e[1], 0, 299, "difficulty");
            } else if (key == "lock_seed" && e.size() == 2) {
                c.lock_seed = (int32_t)number(n, e[1], 0, 32767, "lock seed");
            } else if (key == "face" && e.size() == 2) {
                int s = -1;
                for (int i = 0; i < 4; i++)
                    if (e[1] == sides[i]) s = i + 1;
                if (s < 0) fail(n, "face is one of: left, right, up, down");
                c.face_side = s;
            } else if (key == "resist" && e.size() >= 2 && e.size() <= 1 + (size_t)hm::LOCK_DISCS) {
                for (size_t i = 1; i < e.size(); i++) c.disc_r[i - 1] = (int8_t)number(n, e[i], 0, 100, "resistance");
            } else {
                fail(n, "a chest line is one of: at C R, picture P, item TYPE SEED [CHANCE], trap T, discs N, "
                        "difficulty D, lock_seed S, face SIDE, resist R..");
            }
        }
        if (!placed) fail(line, "chest " + w[1] + " has no 'at'");
        if (slot < 0) fail(line, "the chest table is full");
        hm::chest[slot] = c;
    }
};

// Grounds that show deep water over more than half of their cell: deep water
// itself, and the shallow/deep transitions with shallow water in one corner only.
bool looks_deep(int g) { return g == 32 || (g >= 131 && g <= 134); }

// Every cell that looks like deep water must block, by its ground or its object,
// so that nobody is seen wading through it.  "" when they all do.
std::string check_deep_water(const std::string &name)
{
    hm::update_grsc();
    int first = -1, count = 0;
    for (int i = 0; i < hm::MAP_CELLS; i++) {
        if (!looks_deep(hm::gr[i]) && !looks_deep(hm::gr2[i])) continue;
        if (hm::grsc[i] == hm::BLOCKED) continue;
        if (first < 0) first = i;
        count++;
    }
    if (first < 0) return "";
    int g = looks_deep(hm::gr[first]) ? hm::gr[first] : hm::gr2[first];
    std::string more = count > 1 ? " (and " + std::to_string(count - 1) + " more cells)" : "";
    return name + ": cell (" + std::to_string(first % MAP_W) + ", " + std::to_string(first / MAP_W) +
           "): ground " + std::to_string(g) +
           " looks like deep water but does not block; give it ground 32 or a blocking object" + more;
}

}  // namespace

std::string compile_plan(const std::string &text, const std::string &name, int level)
{
    if (level < 0 || level >= hm::LEVEL_COUNT) return name + ": level " + std::to_string(level) + " is outside 0..399";
    try {
        plan_reader(text, level).run();
    } catch (const plan_error &e) {
        return name + ":" + std::to_string(e.line) + ": " + e.what;
    }
    return check_deep_water(name);
}

int plan_level(const std::string &path)
{
    size_t slash = path.rfind('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string ext = ".plan";
    if (base.size() <= 1 + ext.size() || base[0] != 'l' || base.compare(base.size() - ext.size(), ext.size(), ext))
        return -1;
    std::string digits = base.substr(1, base.size() - 1 - ext.size());
    if (digits.empty() || digits.size() > 3) return -1;
    for (char ch : digits)
        if (!std::isdigit((unsigned char)ch)) return -1;
    return std::atoi(digits.c_str());
}

}  // namespace levels
