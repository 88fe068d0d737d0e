// unplan.cpp -- level files back into plans: statistics, layers as fills and grids, spawners, chests
#include "levels/unplan.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

#include "battle/battle.h"
#include "chests/chests.h"
#include "world/world.h"

namespace levels {

namespace {

using hm::MAP_CELLS;
using hm::MAP_W;

constexpr size_t OFF_LSTS = hm::LEV_NAME_BYTES;
constexpr size_t OFF_LAYERS = OFF_LSTS + hm::LSTS_STORED * 4;
constexpr size_t OFF_SPAWNERS = OFF_LAYERS + 4 * MAP_CELLS * 2 + 3 * MAP_CELLS;
constexpr size_t OFF_CHESTS = OFF_SPAWNERS + hm::SPAWNER_COUNT * sizeof(hm::spawner_rec);

const char *const STAT_NAMES[] = {"lev_id",    "west_bound", "east_bound", "north_bound", "south_bound",
                                  "start_x",   "start_y",    "light_level", "roof_height", "west_lev",
                                  "west_x",    "west_y",     "east_lev",   "east_x",      "east_y",
                                  "north_lev", "north_x",    "north_y",    "south_lev",   "south_x",
                                  "south_y"};
constexpr int NAMED_STATS = sizeof STAT_NAMES / sizeof STAT_NAMES[0];

// The seven layers as a plan names them; kinds share one legend.
struct layer_out {
    const char *name;
    int kind;   // 0 ground, 1 object, 2 roof, 3 light
    int empty;  // the empty level's value
};
const layer_out LAYERS[7] = {{"ground", 0, 1},       {"ground2", 0, 0},      {"object", 1, 0},
                             {"roof", 2, 0},         {"ground_light", 3, 0}, {"object_light", 3, 0},
                             {"roof_light", 3, 0}};
const char *const KINDS[4] = {"ground", "object", "roof", "light"};

// The characters a legend may use: printable, and none kept for grids, comments or numbers.
std::string legend_chars()
{
    std::string out;
    for (char c = 'A'; c <= 'Z'; c++) out += c;
    for (char c = 'a'; c <= 'z'; c++) out += c;
    for (int c = 33; c < 127; c++)
        if (!std::isalnum(c) && c != '.' && c != '|' && c != '#') out += (char)c;
    return out;
}

template <typename T>
T at(const std::vector<uint8_t> &b, size_t off)
{
    T v;
    std::memcpy(&v, b.data() + off, sizeof v);
    return v;
}

class plan_writer {
public:
    plan_writer(const std::vector<uint8_t> &b, int level) : b_(b), level_(level) {}

    std::string run()
    {
        out_ << "# Level " << level_ << ", written back from its level file by hm_levels --plan.\n";
        name();
        stats();
        layers();
        spawners();
        chests();
        return out_.str();
    }

private:
    const std::vector<uint8_t> &b_;
    int level_;
    std::ostringstream out_;

    int value(int layer, int cell) const
    {
        if (layer < 4) return at<uint16_t>(b_, OFF_LAYERS + (size_t)layer * MAP_CELLS * 2 + cell * 2);
        return (int8_t)b_[OFF_LAYERS + 4 * MAP_CELLS * 2 + (size_t)(layer - 4) * MAP_CELLS + cell];
    }

    void name()
    {
        std::string n((const char *)b_.data(), strnlen((const char *)b_.data(), hm::LEV_NAME_BYTES));
        if (!n.empty()) out_ << "name " << n << "\n";
    }

    void stats()
    {
        // The empty level's statistics, as create_level_template sets them.
        hm::create_level_template(level_);
        out_ << "\n";
        for (int i = 1; i < hm::LSTS_STORED; i++) {
            int32_t v = at<int32_t>(b_, OFF_LSTS + 4 * (size_t)i);
            if (v == hm::lsts[i]) continue;
            out_ << "stat " << (i < NAMED_STATS ? STAT_NAMES[i] : std::to_string(i)) << " " << v << "\n";
        }
    }

    void layers()
    {
        int fill[7];
        std::map<int, int> uses[4];   // value -> cells that need it, per legend
        for (int l = 0; l < 7; l++) {
            std::map<int, int> count;
            for (int c = 0; c < MAP_CELLS; c++) count[value(l, c)]++;
            fill[l] = std::max_element(count.begin(), count.end(), [](auto &a, auto &b2) { return a.second < b2.second; })->first;
            for (auto &[v, n] : count)
                if (v != fill[l]) uses[LAYERS[l].kind][v] += n;
        }
        // The most used values get characters; the others are put cell by cell.
        const std::string chars = legend_chars();
        std::map<int, char> legend[4];
        for (int k = 0; k < 4; k++) {
            std::vector<std::pair<int, int>> byuse(uses[k].begin(), uses[k].end());
            std::stable_sort(byuse.begin(), byuse.end(), [](auto &a, auto &b2) { return a.second > b2.second; });
            for (size_t i = 0; i < byuse.size() && i < chars.size(); i++) legend[k][byuse[i].first] = chars[i];
            if (legend[k].empty()) continue;
            out_ << "\nlegend " << KINDS[k] << "\n";
            for (auto &[v, ch] : legend[k]) out_ << ch << " " << v << "\n";
            out_ << "end\n";
        }
        for (int l = 0; l < 7; l++) {
            const layer_out &lo = LAYERS[l];
            out_ << "\n";
            if (fill[l] != lo.empty) out_ << "fill " << lo.name << " " << fill[l] << "\n";
            std::ostringstream grid, puts;
            for (int r = 0; r < MAP_W; r++) {
                std::string row;
                for (int c = 0; c < MAP_W; c++) {
                    int v = value(l, c + MAP_W * r);
                    if (v == fill[l]) {
                        row += '.';
                        continue;
                    }
                    auto it = legend[lo.kind].find(v);
                    if (it != legend[lo.kind].end()) {
                        row += it->second;
                    } else {
                        row += '.';
                        puts << "put " << lo.name << " " << v << " at " << c << " " << r << "\n";
                    }
                }
                row.erase(row.find_last_not_of('.') + 1);
                if (!row.empty()) grid << r << "|" << row << "\n";
            }
            if (!grid.str().empty()) out_ << "grid " << lo.name << "\n" << grid.str() << "end\n";
            out_ << puts.str();
        }
    }

    void spawners()
    {
        hm::create_level_template(level_);
        for (int k = 0; k < hm::SPAWNER_COUNT; k++) {
            hm::spawner_rec s = at<hm::spawner_rec>(b_, OFF_SPAWNERS + k * sizeof(hm::spawner_rec));
            if (std::memcmp(&s, &hm::crt_spawner[k], sizeof s) == 0) continue;
            const hm::spawner_rec &e = hm::crt_spawner[k];
            out_ << "\nspawner " << k << "\n  at " << (int)s.x << " " << (int)s.y << "\n";
            if (s.trigger != 10) out_ << "  trigger " << (int)s.trigger << "\n";
            if (s.id != level_ * hm::SPAWNER_COUNT + k) out_ << "  id " << s.id << "\n";
            int last = -1;
            for (int i = 0; i < hm::SPAWNER_SLOTS; i++)
                if (s.crt_types[i] != e.crt_types[i] || s.crt_levels[i] != e.crt_levels[i]) last = i;
            for (int i = 0; i <= last; i++) out_ << "  creature " << s.crt_types[i] << " " << s.crt_levels[i] << "\n";
            last = -1;
            for (int i = 0; i < hm::SPAWNER_LOOT; i++)
                if (s.loot_items[i] != e.loot_items[i] || s.loot_chances[i] != e.loot_chances[i]) last = i;
            for (int i = 0; i <= last; i++) out_ << "  loot " << s.loot_items[i] << " " << s.loot_chances[i] << "\n";
            if (!s.active) out_ << "  off\n";
            out_ << "end\n";
        }
    }

    void chests()
    {
        int32_t n = at<int32_t>(b_, OFF_CHESTS);
        const char *const traps[] = {"none", "locked", "jammed", "delete"};
        const char *const sides[] = {"left", "right", "up", "down"};
        for (int32_t i = 0; i < n; i++) {
            hm::chest_rec c = at<hm::chest_rec>(b_, OFF_CHESTS + 4 + i * sizeof(hm::chest_rec));
            out_ << "\nchest " << c.chest_id - level_ * hm::CHESTS_PER_LEVEL << "\n  at " << c.x << " " << c.y << "\n";
            if (c.chest_pic != 99) out_ << "  picture " << c.chest_pic << "\n";
            int last = -1;
            for (int k = 0; k < hm::CHEST_SLOTS; k++)
                if (c.item_types[k] != -1 || c.item_seeds[k] != 0 || c.item_chance[k] != 100) last = k;
            for (int k = 0; k <= last; k++)
                out_ << "  item " << c.item_types[k] << " " << c.item_seeds[k] << " " << (int)c.item_chance[k] << "\n";
            if (c.trap_state != 1 && c.trap_state < 4) out_ << "  trap " << traps[c.trap_state] << "\n";
            if (c.n_discs != 4) out_ << "  discs " << c.n_discs << "\n";
            if (c.difficulty != 100) out_ << "  difficulty " << c.difficulty << "\n";
            if (c.lock_seed != c.chest_id) out_ << "  lock_seed " << c.lock_seed << "\n";
            if (c.face_side != 4 && c.face_side >= 1 && c.face_side <= 4) out_ << "  face " << sides[c.face_side - 1] << "\n";
            bool plain = true;
            for (int k = 0; k < hm::LOCK_DISCS; k++) plain = plain && c.disc_r[k] == 20;
            if (!plain) {
                out_ << "  resist";
                for (int k = 0; k < hm::LOCK_DISCS; k++) out_ << " " << (int)c.disc_r[k];
                out_ << "\n";
            }
            out_ << "end\n";
        }
    }
};

}  // namespace

std::string level_to_plan(const std::vector<uint8_t> &bytes, int level, std::string &err)
{
    err.clear();
    if (level < 0 || level >= hm::LEVEL_COUNT) {
        err = "level " + std::to_string(level) + " is outside 0..399";
        return "";
    }
    int32_t n = bytes.size() >= OFF_CHESTS + 4 ? at<int32_t>(bytes, OFF_CHESTS) : -1;
    if (n < 0 || n > hm::CHESTS_PER_LEVEL || bytes.size() != OFF_CHESTS + 4 + n * sizeof(hm::chest_rec) + 4) {
        err = "not a whole level file (" + std::to_string(bytes.size()) + " bytes)";
        return "";
    }
    if (at<int32_t>(bytes, 0 + OFF_LSTS) != level) {
        err = "the file calls itself level " + std::to_string(at<int32_t>(bytes, OFF_LSTS)) +
              "; a plan takes its number from its name";
        return "";
    }
    return plan_writer(bytes, level).run();
}

int level_file_number(const std::string &path)
{
    size_t slash = path.rfind('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.size() < 6 || base.size() > 8 || base[0] != 'l' || base.compare(base.size() - 4, 4, ".txt")) return -1;
    std::string digits = base.substr(1, base.size() - 5);
    for (char ch : digits)
        if (!std::isdigit((unsigned char)ch)) return -1;
    return std::atoi(digits.c_str());
}

}  // namespace levels
