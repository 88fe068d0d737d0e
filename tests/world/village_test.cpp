// village_test.cpp -- level 4, the village: the story's cells, the yard, the houses and their roofs, drawing it
#include <cstdlib>
#include <deque>
#include <set>

#include "world_fixture.h"

namespace hm {
namespace {

struct story_cell {
    int x, y;
    const char *what;
};

// Cells the story walks, stops or appears on; each must be walkable and reached from the entry.
const story_cell STORY[] = {
    {26, 78, "the opening cell"},          {89, 78, "before the cellar door"},
    {42, 37, "where Isolde walks away"},    {90, 38, "east arrival"},
    {87, 38, "east arrival's stop"},        {86, 38, "the east trigger"},
    {92, 38, "the east limit"},             {5, 37, "west arrival"},
    {9, 37, "west arrival's stop"},         {12, 37, "the west trigger"},
    {8, 37, "the west limit"},              {37, 38, "from the main street"},
    {43, 32, "onto the square"},            {46, 26, "up the north road"},
    {46, 17, "the north road"},             {46, 15, "the north road's end"},
    {45, 10, "the north trigger"},          {85, 52, "the visitor's place"},
    {38, 59, "the middle of the yard"},
};

// Cleared by the story (picture 0, free) and barred by it (rubble), in the yard.
const int YARD_CLEARED[10][2] = {{37, 56}, {37, 57}, {34, 60}, {35, 60}, {41, 59},
                                 {42, 57}, {39, 57}, {37, 60}, {40, 59}, {42, 58}};
const int YARD_BARRED[6][2] = {{37, 62}, {38, 62}, {38, 61}, {39, 61}, {41, 61}, {41, 62}};

bool is_door(int pic) { return pic == 59 || pic == 60 || pic == 69 || pic == 70 || pic == 147; }

class Village : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        make_level(1, 4, 26, 78);
    }

    static int cell(int x, int y) { return x + MAP_W * y; }
    static bool open(int x, int y) { return cell_ok(x, y) && grsc[cell(x, y)] == 0; }

    // Cells a walker reaches from (x, y).
    static std::vector<bool> reach(int x, int y) { return walk_reach(x, y); }

    // The roof areas as clear_roof sees them: cells joined below, left, right and above.
    std::vector<std::vector<int>> roof_areas() const
    {
        std::vector<int> area(MAP_CELLS, -1);
        std::vector<std::vector<int>> out;
        for (int i = 0; i < MAP_CELLS; i++) {
            if (!rf[i] || area[i] >= 0) continue;
            out.push_back({i});
            area[i] = (int)out.size() - 1;
            for (size_t k = 0; k < out.back().size(); k++) {
                int c = out.back()[k], x = c % MAP_W, y = c / MAP_W;
                const int steps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
                for (const auto &s : steps) {
                    int nx = x + s[0], ny = y + s[1];
                    if (!cell_ok(nx, ny) || !rf[cell(nx, ny)] || area[cell(nx, ny)] >= 0) continue;
                    area[cell(nx, ny)] = area[i];
                    out.back().push_back(cell(nx, ny));
                }
            }
        }
        return out;
    }

    int chest_with_id(int id) const
    {
        for (int i = 0; i < CHEST_COUNT; i++)
            if (chest[i].in_use && chest[i].chest_id == id) return i;
        return -1;
    }

    crt_rec &leader_at(int x, int y)
    {
        crt_rec &c = put_creature(0, x, y);
        make_leader(0);
        return c;
    }
};

TEST_F(Village, TheStorysCellsAreWalkableAndReachedFromTheEntry)
{
    EXPECT_STREQ(lev_nam, "Hollowmere");
    EXPECT_EQ(lsts[start_x], 26);
    EXPECT_EQ(lsts[start_y], 78);
    EXPECT_EQ(ls[cell(26, 78)], 0) << "the party appears on an empty cell";
    std::vector<bool> seen = reach(26, 78);
    for (const story_cell &s : STORY) {
        ASSERT_TRUE(cell_ok(s.x, s.y)) << s.what;
        EXPECT_EQ(grsc[cell(s.x, s.y)], 0) << s.what << " at " << s.x << ", " << s.y << " is blocked";
        EXPECT_TRUE(seen[cell(s.x, s.y)]) << s.what << " at " << s.x << ", " << s.y << " cannot be reached";
    }
    // The party walks the main street from end to end, and the north road to its end.
    for (int x = 5; x <= 95; x++) EXPECT_TRUE(seen[cell(x, 37)] || seen[cell(x, 38)]) << "main street, column " << x;
    for (int y = 5; y <= 37; y++) EXPECT_TRUE(seen[cell(45, y)] || seen[cell(46, y)]) << "north road, row " << y;
}

TEST_F(Village, TheCellarDoorIsADoorUsedFromTheSouth)
{
    EXPECT_TRUE(is_door(ls[cell(89, 77)])) << "object " << ls[cell(89, 77)];
    EXPECT_NE(rf[cell(89, 77)], 0) << "the door belongs to a roofed house";
    EXPECT_EQ(rf[cell(89, 78)], 0) << "its approach is outside";
    EXPECT_EQ(grsc[cell(89, 78)], 0);
}

TEST_F(Village, TheYardHoldsTwoChestsAndWhatTheStoryClears)
{
    std::vector<bool> seen = reach(26, 78);
    for (int id : {200, 202}) {
        int k = chest_with_id(id);
        ASSERT_GE(k, 0) << "chest " << id;
        const chest_rec &c = chest[k];
        EXPECT_GE(c.x, 34);
        EXPECT_LE(c.x, 42);
        EXPECT_GE(c.y, 56);
        EXPECT_LE(c.y, 62);
        EXPECT_EQ(ls[cell(c.x, c.y)], c.chest_pic) << "the chest stands on its cell";
        EXPECT_EQ(grsc[cell(c.x, c.y)], BLOCKED);
        // The story asks whether these two were emptied and removed.
        EXPECT_EQ(c.trap_state, 3) << "chest " << id << " is removed when emptied";
        EXPECT_NE(c.item_types[0], -1) << "chest " << id << " holds something";
        const int side[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        int ax = c.x + side[c.face_side][0], ay = c.y + side[c.face_side][1];
        EXPECT_TRUE(open(ax, ay) && seen[cell(ax, ay)]) << "chest " << id << " is used from " << ax << ", " << ay;
    }
    EXPECT_EQ(chest_with_id(201), -1);
    for (const auto &p : YARD_CLEARED) {
        EXPECT_NE(ls[cell(p[0], p[1])], 0) << "something to clear at " << p[0] << ", " << p[1];
        EXPECT_EQ(rf[cell(p[0], p[1])], 0);
    }
    for (const auto &p : YARD_BARRED) EXPECT_EQ(ls[cell(p[0], p[1])], 0) << "open until the story bars " << p[0] << ", " << p[1];
}

TEST_F(Village, ChestsWithLocksOfRisingDifficultyStandWhereTheHeroCanReachThem)
{
    std::vector<bool> seen = reach(26, 78);
    int locked = 0, unlocked = 0, jammed = 0, vanishing = 0, hardest = 0;
    bool discs[LOCK_DISCS + 1] = {};
    for (int k = 0; k < CHEST_COUNT; k++) {
        const chest_rec &c = chest[k];
        if (!c.in_use || !chest_of_level(c.chest_id, 4)) continue;
        std::string which = "chest " + std::to_string(c.chest_id);
        EXPECT_EQ(ls[cell(c.x, c.y)], c.chest_pic) << which;
        EXPECT_GE(c.face_side, 1) << which;
        EXPECT_LE(c.face_side, 4) << which;
        const int side[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        int ax = c.x + side[c.face_side][0], ay = c.y + side[c.face_side][1];
        EXPECT_TRUE(open(ax, ay) && seen[cell(ax, ay)]) << which << " is used from " << ax << ", " << ay;
        EXPECT_NE(c.item_types[0], -1) << which << " holds something";
        EXPECT_GE(c.n_discs, 1) << which;
        EXPECT_LE(c.n_discs, LOCK_DISCS) << which;
        unlocked += c.trap_state == LOCK_NONE;
        locked += c.trap_state == LOCK_LOCKED;
        jammed += c.trap_state == LOCK_JAMMED;
        vanishing += c.trap_state == LOCK_DELETE_WHEN_EMPTY;
        if (c.trap_state == LOCK_LOCKED) {
            discs[c.n_discs] = true;
            // More discs, and a shorter fuse.
            if (c.n_discs > hardest) hardest = c.n_discs;
        }
    }
    EXPECT_GE(locked, 3);
    EXPECT_GE(unlocked, 1);
    EXPECT_GE(jammed, 1);
    EXPECT_GE(vanishing, 3);
    EXPECT_TRUE(discs[2] && discs[4] && discs[6]);
    EXPECT_EQ(hardest, 6);
}

TEST_F(Village, EveryHouseIsOneRoofAreaThatLiftsAloneWhenEntered)
{
    std::vector<std::vector<int>> areas = roof_areas();
    ASSERT_GE(areas.size(), 10u);
    for (const std::vector<int> &a : areas) {
        int x0 = MAP_W, y0 = MAP_W, x1 = -1, y1 = -1;
        for (int c : a) {
            x0 = std::min(x0, c % MAP_W), x1 = std::max(x1, c % MAP_W);
            y0 = std::min(y0, c / MAP_W), y1 = std::max(y1, c / MAP_W);
        }
        std::string where = std::to_string(x0) + ", " + std::to_string(y0);
        // A house is a rectangle of roof over a ring of walls with one door, in its south wall.
        EXPECT_EQ((int)a.size(), (x1 - x0 + 1) * (y1 - y0 + 1)) << "the house at " << where << " is not a rectangle";
        EXPECT_LE(y1 - y0, 3) << "roofs are at most four rows deep: " << where;
        int doors = 0, door = -1;
        for (int c : a) {
            int x = c % MAP_W, y = c / MAP_W;
            bool ring = x == x0 || x == x1 || y == y0 || y == y1;
            if (ring) {
                EXPECT_NE(ls[c], 0) << "a gap in the walls at " << x << ", " << y;
            }
            if (is_door(ls[c])) doors++, door = c;
        }
        ASSERT_EQ(doors, 1) << "the house at " << where;
        EXPECT_EQ(door / MAP_W, y1) << "the door of the house at " << where << " is in its south wall";

        // Stepping in through the door lifts this roof and no other; stepping out lowers it.
        int dx = door % MAP_W, dy = door / MAP_W;
        crt_rec &hero = leader_at(dx, dy + 1);
        clear_roof();
        hero.x = dx;
        hero.y = dy;
        clear_roof();
        int lifted = 0;
        for (int i = 0; i < MAP_CELLS; i++) lifted += rf[i] > ROOF_LIFTED;
        EXPECT_EQ(lifted, (int)a.size()) << "the house at " << where;
        for (int c : a) EXPECT_GT(rf[c], ROOF_LIFTED);
        hero.y = dy + 1;
        clear_roof();
        for (int i = 0; i < MAP_CELLS; i++) ASSERT_LT(rf[i], ROOF_LIFTED);
        CRT[0].in_use = 0;
        us[hero.cell] = -1;
    }
}

TEST_F(Village, TheBoundsLeaveTheStoryRoomAndLeadToTheNeighbours)
{
    EXPECT_EQ(lsts[roof_height], 40);
    // Arrivals stand inside the bounds, and the story's limits (columns 8 and 92)
    // are reached before a bound is.
    const int inside[][2] = {{6, 37}, {9, 37}, {90, 38}, {93, 38}, {7, 37}, {46, 15}, {45, 10}, {46, 5}, {26, 78}};
    for (const auto &p : inside) {
        leader_at(p[0], p[1]);
        leave_level_chk();
        EXPECT_EQ(j[level_no], 4) << "a leader at " << p[0] << ", " << p[1] << " left";
        CRT[0].in_use = 0;
    }
    struct exit_t {
        int x, y, level;
    };
    const exit_t exits[] = {{5, 37, lsts[west_lev]}, {94, 38, lsts[east_lev]}, {46, 4, lsts[north_lev]}};
    for (const exit_t &e : exits) {
        EXPECT_NE(e.level, 4);
        make_level(1, 4, 26, 78);
        leader_at(e.x, e.y);
        leave_level_chk();
        EXPECT_EQ(j[level_no], e.level) << "leaving from " << e.x << ", " << e.y;
    }
}

TEST_F(Village, EveryPictureItUsesIsInTheArchive)
{
    std::set<std::pair<int, int>> missing;
    auto need = [&](int n, int g) {
        if (!pic_ok(n, g) || !PIC_dat[g][n]) missing.insert({g, n});
    };
    for (int i = 0; i < MAP_CELLS; i++) {
        need(gr[i], 0);
        if (gr2[i]) need(gr2[i], 0);
        if (ls[i]) need(ls[i], 1);
        if (rf[i]) need(rf[i], 2);
    }
    for (const auto &m : missing) ADD_FAILURE() << "picture " << m.second << " of group " << m.first;
}

// Every object is drawn before every roof, so a tall thing standing just south of a
// house would have the eaves of the roof behind it painted over its top.
TEST_F(Village, NoRoofPaintsOverWhatStandsInFrontOfIt)
{
    // Each object is drawn at the middle of the view; only the box it can cover is looked at.
    const uint16_t blank = 0xf81f;
    const int bx0 = 150, bx1 = 300, by1 = 150;
    auto clear = [&] {
        for (int y = 0; y < by1; y++)
            for (int x = bx0; x < bx1; x++) vs[y * VIEW_W + x] = blank;
    };
    std::vector<bool> thing(VIEW_W * VIEW_H);
    int looked_at = 0;
    for (int y = 0; y < MAP_W; y++)
        for (int x = 0; x < MAP_W; x++) {
            int pic = ls[cell(x, y)];
            if (!pic || pic == 128 || rf[cell(x, y)]) continue;
            std::vector<std::pair<int, int>> behind;
            for (int r = std::max(0, y - 6); r < y; r++)
                for (int c = std::max(0, x - 6); c <= std::min(MAP_W - 1, x + 6); c++)
                    if (rf[cell(c, r)]) behind.push_back({c, r});
            if (behind.empty()) continue;
            looked_at++;
            int cx = 40 * x + 20 * y - 200, cy = 20 * y - 120;
            clear();
            draw_ls(pic, 1, 200, 120 - 20, 0);
            for (int py = 0; py < by1; py++)
                for (int px = bx0; px < bx1; px++) thing[py * VIEW_W + px] = vs[py * VIEW_W + px] != blank;
            clear();
            for (const auto &b : behind) {
                int v = rf[cell(b.first, b.second)];
                int vx = 40 * b.first + 20 * b.second - cx, vy = 20 * b.second - cy - lsts[roof_height];
                if ((v / 60) % 4 == 1) draw_rf(v, 2, vx, vy, 0);
                else draw_ls(v, 2, vx, vy, 0);
            }
            int covered = 0;
            for (int py = 0; py < by1; py++)
                for (int px = bx0; px < bx1; px++) covered += thing[py * VIEW_W + px] && vs[py * VIEW_W + px] != blank;
            EXPECT_LE(covered, 2) << "object " << pic << " at " << x << ", " << y
                                  << " is under the eaves of a roof behind it";
        }
    EXPECT_GT(looked_at, 50);
}

// The whole map drawn view by view. Every pixel that shows a cell of the map must
// be painted: a cell left undrawn behind a roof that does not cover it shows as a
// hole. With HM_VILLAGE_SHOTS set to a folder, the map and a few views with the
// game's frame are written there as BMP files for looking at.
class VillageShots : public Village {
protected:
    // One view with the game's frame, the leader standing at (x, y).
    void shot(const char *dir, const char *name, int x, int y)
    {
        crt_rec &hero = leader_at(x, y);
        j[box_crt] = 0;
        j[cam_x] = 40 * x + 20 * y - 200;
        j[cam_y] = 20 * y - 120;
        f[cam_fx] = (float)j[cam_x];
        f[cam_fy] = (float)j[cam_y];
        clear_roof();
        update_scr();
        draw_all();
        fscr();
        EXPECT_EQ(hl_write_bmp((std::string(dir) + "/" + name).c_str()), 0);
        // Back outside, so that the next view starts with every roof down.
        hero.in_use = 0;
        us[hero.cell] = -1;
        j[box_crt] = -1;
        for (int i = 0; i < MAP_CELLS; i++)
            if (rf[i] > ROOF_LIFTED) rf[i] -= ROOF_LIFTED;
    }
};

TEST_F(VillageShots, TheWholeMapDrawsWithoutHoles)
{
    const char *dir = std::getenv("HM_VILLAGE_SHOTS");
    std::vector<uint16_t> map;
    EXPECT_EQ(draw_whole_map(dir ? &map : nullptr), 0);
    if (!dir) return;
    const int map_w = 40 * MAP_W + 20 * MAP_W, map_h = 20 * MAP_W + 100;
    write_bmp24(std::string(dir) + "/village_map.bmp", map_w, map_h, map);
    shot(dir, "village_entry.bmp", 26, 78);
    shot(dir, "village_square.bmp", 42, 37);
    shot(dir, "village_isolde_inside.bmp", 38, 52);
    shot(dir, "village_yard.bmp", 38, 59);
    shot(dir, "village_inn_inside.bmp", 39, 28);
    shot(dir, "village_cellar.bmp", 89, 78);
    shot(dir, "village_visitor.bmp", 85, 52);
    shot(dir, "village_chapel.bmp", 21, 22);
    shot(dir, "village_west.bmp", 9, 37);
    shot(dir, "village_east.bmp", 90, 38);
    shot(dir, "village_north.bmp", 46, 15);
    shot(dir, "village_farm.bmp", 65, 24);
    shot(dir, "village_beach.bmp", 52, 94);
}

}  // namespace
}  // namespace hm
