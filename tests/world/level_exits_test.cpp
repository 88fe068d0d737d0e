// level_exits_test.cpp -- every level file of the run directory: its exits lead somewhere walkable and back, and what it holds is in the catalogues
#include <dirent.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "story/story.h"
#include "world_fixture.h"

namespace hm {
namespace {

// Levels still being built on other branches: an exit may lead to them before
// their files come in, and is walked as soon as they do.
const std::set<int> BEING_BUILT = {5, 6};
// The test grounds send every border to the village and expect no way back.
const std::set<int> TEST_GROUNDS = {98, 99};

const char *SIDE[5] = {"", "west", "east", "north", "south"};

int cell(int x, int y) { return x + MAP_W * y; }
bool open(int x, int y) { return cell_ok(x, y) && grsc[cell(x, y)] == 0; }

// The side a leader standing at (x, y) leaves by, 0 none: the later test wins.
int leaving_side(int x, int y)
{
    int d = 0;
    if (x <= lsts[west_bound]) d = 1;
    if (x >= lsts[east_bound]) d = 2;
    if (y <= lsts[north_bound]) d = 3;
    if (y >= lsts[south_bound]) d = 4;
    return d;
}

// Cells a walker reaches from (x, y); a walker stops at the first cell past a
// bound, so those cells lead no further.
std::vector<bool> reach(int x, int y)
{
    return walk_reach(x, y, [](int cx, int cy) { return leaving_side(cx, cy) != 0; });
}

// The sides a walker can leave by from the cells reached.
std::set<int> sides_reached(const std::vector<bool> &seen)
{
    std::set<int> out;
    for (int c = 0; c < MAP_CELLS; c++)
        if (seen[c] && leaving_side(c % MAP_W, c / MAP_W)) out.insert(leaving_side(c % MAP_W, c / MAP_W));
    return out;
}

bool file_exists(const std::string &name)
{
    std::ifstream in(name);
    return (bool)in;
}

std::vector<int> level_files()
{
    std::vector<int> out;
    DIR *d = opendir(".");
    if (!d) return out;
    while (dirent *e = readdir(d)) {
        int n = -1;
        char tail[8] = "";
        if (std::sscanf(e->d_name, "l%d.%7s", &n, tail) == 2 && std::string(tail) == "txt" &&
            std::string(e->d_name) == "l" + std::to_string(n) + ".txt")
            out.push_back(n);
    }
    closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

int creature_types()
{
    std::ifstream in("crtinf.txt");
    long v, n = 0;
    while (in >> v) n++;
    return (int)(n / 42);
}

bool item_type_exists(int t) { return t >= 0 && file_exists("i" + std::to_string(t) + ".txt"); }

class LevelExits : public WorldTest {};

TEST_F(LevelExits, EveryExitLeadsToAWalkableCellWithAWayBack)
{
    std::vector<int> levels = level_files();
    ASSERT_FALSE(levels.empty());
    int walked = 0;
    for (int lv : levels) {
        make_level(1, lv, 0, 0);
        SCOPED_TRACE("level " + std::to_string(lv));
        int sx = lsts[start_x], sy = lsts[start_y];
        ASSERT_TRUE(open(sx, sy)) << "start cell " << sx << " " << sy;
        std::set<int> from_start = sides_reached(reach(sx, sy));
        int exits[5][3];
        for (int d = 1; d <= 4; d++)
            for (int k = 0; k < 3; k++) exits[d][k] = lsts[3 * d + 6 + k];
        for (int d = 1; d <= 4; d++) {
            int to = exits[d][0], ex = exits[d][1], ey = exits[d][2];
            bool leads = to != lv && file_exists("l" + std::to_string(to) + ".txt");
            if (!leads && BEING_BUILT.count(to)) continue;
            if (!leads) {
                // A side that leads nowhere must not be reached at all.
                EXPECT_FALSE(from_start.count(d)) << SIDE[d] << " leads to level " << to << ", which is not there";
                continue;
            }
            EXPECT_TRUE(from_start.count(d)) << SIDE[d] << " exit to level " << to << " cannot be reached";
            make_level(1, to, ex, ey);
            SCOPED_TRACE(std::string(SIDE[d]) + " -> level " + std::to_string(to));
            ASSERT_EQ(lsts[start_x], ex);
            ASSERT_EQ(lsts[start_y], ey);
            EXPECT_TRUE(open(ex, ey)) << "entry cell " << ex << " " << ey << " blocks";
            EXPECT_GE(ex - lsts[west_bound], 3);
            EXPECT_GE(lsts[east_bound] - ex, 3);
            EXPECT_GE(ey - lsts[north_bound], 3);
            EXPECT_GE(lsts[south_bound] - ey, 3);
            if (!TEST_GROUNDS.count(lv)) {
                std::set<int> back = sides_reached(reach(ex, ey));
                bool way_back = false;
                for (int e : back) way_back = way_back || lsts[3 * e + 6] == lv;
                EXPECT_TRUE(way_back) << "no side reached from the entry leads back to level " << lv;
            }
            walked++;
            make_level(1, lv, 0, 0);
        }
    }
    EXPECT_GT(walked, 0);
}

// What the spawners bring and drop, what the chests and the shops hold, and what
// the creatures carry are all real entries of the catalogues, placed where the
// party can get at them; and the world offers a good spread of items.
TEST_F(LevelExits, SpawnersChestsShopsAndStashesNameRealEntries)
{
    int types = creature_types();
    ASSERT_GT(types, 25);
    std::set<int> in_play;
    for (int lv : level_files()) {
        if (TEST_GROUNDS.count(lv)) continue;
        make_level(1, lv, 0, 0);
        SCOPED_TRACE("level " + std::to_string(lv));
        std::vector<bool> seen = reach(lsts[start_x], lsts[start_y]);
        for (int s = 0; s < SPAWNER_COUNT; s++) {
            const spawner_rec &sp = crt_spawner[s];
            if (!sp.active) continue;
            SCOPED_TRACE("spawner " + std::to_string(s));
            EXPECT_TRUE(seen[cell(sp.x, sp.y)]) << "its cell cannot be walked to";
            int brought = 0;
            for (int k = 0; k < 20; k++) {
                if (sp.crt_types[k] == -1) continue;
                brought++;
                EXPECT_TRUE(sp.crt_types[k] >= 0 && sp.crt_types[k] < types) << "creature type " << sp.crt_types[k];
                EXPECT_GE(sp.crt_levels[k], 1);
            }
            EXPECT_GT(brought, 0);
            for (int k = 0; k < 5; k++) {
                if (sp.loot_items[k] == -1 || sp.loot_chances[k] == 0) continue;
                EXPECT_TRUE(item_type_exists(sp.loot_items[k])) << "loot " << sp.loot_items[k];
                in_play.insert(sp.loot_items[k]);
            }
        }
        // A spawner inside another's trigger distance would fire with it in one
        // pass and place the party twice: each fights alone.
        for (int s = 0; s < SPAWNER_COUNT; s++) {
            if (!crt_spawner[s].active) continue;
            std::memcpy(grs, grsc, MAP_CELLS);
            set_pbuf(crt_spawner[s].x, crt_spawner[s].y);
            for (int t = 0; t < SPAWNER_COUNT; t++) {
                const spawner_rec &o = crt_spawner[t];
                if (t == s || !o.active) continue;
                int d = pbuf[cell(o.x, o.y)];
                EXPECT_FALSE(d > 2 && d < o.trigger) << "spawner " << t << " fires with spawner " << s;
            }
        }
        static const int STEP[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (int c = 0; c < CHEST_COUNT; c++) {
            const chest_rec &ch = chest[c];
            if (!ch.in_use || ch.chest_id / 50 != lv) continue;
            SCOPED_TRACE("chest " + std::to_string(ch.chest_id));
            int side = ch.face_side >= 1 && ch.face_side <= 4 ? ch.face_side : 0;
            int ax = ch.x + STEP[side][0], ay = ch.y + STEP[side][1];
            EXPECT_TRUE(cell_ok(ax, ay) && seen[cell(ax, ay)]) << "its approach cell " << ax << " " << ay;
            for (int k = 0; k < 20; k++) {
                if (ch.item_types[k] == -1) continue;
                EXPECT_TRUE(item_type_exists(ch.item_types[k])) << "item " << ch.item_types[k];
                in_play.insert(ch.item_types[k]);
            }
        }
    }

    load_all_npcs();
    for (int n = 0; n < NPC_COUNT; n++) {
        if (!npc[n].in_use) continue;
        SCOPED_TRACE("NPC " + std::to_string(n));
        EXPECT_TRUE(npc[n].crt_type >= 0 && npc[n].crt_type < types);
        for (int k = 0; k < 20; k++) {
            if (npc[n].item_type[k] == -1) continue;
            EXPECT_TRUE(item_type_exists(npc[n].item_type[k])) << "goods " << npc[n].item_type[k];
            in_play.insert(npc[n].item_type[k]);
        }
        if (npc[n].lev >= 0 && file_exists("l" + std::to_string(npc[n].lev) + ".txt")) {
            make_level(1, npc[n].lev, 0, 0);
            EXPECT_TRUE(open(npc[n].x, npc[n].y)) << "stands on a blocked cell";
        }
    }

    // crtstash.txt: per creature type ten drops (item, least level, chance), gold, experience.
    std::ifstream stash("crtstash.txt");
    ASSERT_TRUE((bool)stash);
    std::string line;
    int rows = 0;
    while (std::getline(stash, line)) {
        std::istringstream in(line);
        for (int k = 0; k < 10; k++) {
            int item = -1, lvl = 0, chance = 0;
            in >> item >> lvl >> chance;
            if (item == -1) continue;
            EXPECT_TRUE(item_type_exists(item)) << "creature type " << rows << " drops " << item;
            if (chance > 0) in_play.insert(item);
        }
        rows++;
    }
    EXPECT_LE(rows, types);
    EXPECT_GE(in_play.size(), 60u);
}

// Every level drawn whole, by day, with its roofs down: no cell a picture should
// cover is left undrawn.  With HM_LEVEL_MAPS set to a folder, each map is written
// there as level<N>_map.bmp for looking at.
TEST_F(LevelExits, EveryLevelDrawsWholeWithoutHoles)
{
    const char *dir = std::getenv("HM_LEVEL_MAPS");
    for (int lv : level_files()) {
        make_level(1, lv, 0, 0);
        SCOPED_TRACE("level " + std::to_string(lv));
        j[light_now] = lsts[light_level] == -1 ? 0 : lsts[light_level];
        std::vector<uint16_t> map;
        EXPECT_EQ(draw_whole_map(dir ? &map : nullptr), 0);
        if (dir)
            write_bmp24(std::string(dir) + "/level" + std::to_string(lv) + "_map.bmp", 60 * MAP_W, 20 * MAP_W + 100,
                        map);
    }
}

}  // namespace
}  // namespace hm
