// creatures_on_the_map_test.cpp -- the sprite sets drawn by the game's own scene on the
// opening level: every kind stands on its cell, and screenshots of them walking and
// fighting are left in build/asan/demo/ for the eye
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "art/creature_sheets.h"
#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"
#include "world/world.h"

namespace hm {
namespace {

struct placed {
    int crt, base, frame, col, row;
    bool left, flies;
};

class CreaturesOnTheMap : public ::testing::Test {
protected:
    std::vector<uint16_t> empty;   // the view with no creature on it
    std::vector<placed> list;

    void SetUp() override
    {
        hl_reset();
        init_mem();
        load_jpal(0, 0, 0);
        load_swad();
        load_pic_dat();
        init_wrt_data();
        make_level(1, 4, 26, 78);
        clear_creatures();
        draw();
        empty.assign(vs, vs + VIEW_W * VIEW_H);
    }
    void TearDown() override { delete_mem(); }

    void clear_creatures()
    {
        for (int c = 0; c < CRT_COUNT; c++) CRT[c].in_use = 0;
        std::memset(us, -1, MAP_CELLS);
        std::memset(us2, -1, MAP_CELLS);
        list.clear();
    }

    void draw()
    {
        std::memset(vs, 0, sizeof(uint16_t) * VIEW_W * VIEW_H);
        draw_all();
    }

    // A creature of the set at `base` in the given frame on cell (col, row).
    void put(int base, int frame, int col, int row, bool left, bool flies)
    {
        int c = (int)list.size();
        ASSERT_LT(c, CRT_COUNT);
        crt_rec &k = CRT[c];
        std::memset(&k, 0, sizeof k);
        k.in_use = 1;
        k.shown = 1;
        k.x = col;
        k.y = row;
        k.cell = col + MAP_W * row;
        k.facing = left ? -1 : 1;
        k.pic_base = base;
        k.frame = (int8_t)frame;
        k.flying = flies ? 1 : 0;
        k.side = 2;
        k.path_step = -1;
        k.strike_target = -1;
        k.tint_rate = 2;
        (flies ? us2 : us)[k.cell] = (int8_t)c;
        list.push_back({c, base, frame, col, row, left, flies});
    }

    // The cell whose anchor lies nearest view point (x, y) on row `row`.
    int col_at(int x, int row) const { return (x + j[cam_x] - 20 * row) / 40; }

    // How many view pixels changed just above the creature's anchor: where its feet
    // (or, for fliers, its body 32 pixels up) should be.
    int drawn_at_anchor(const placed &p) const
    {
        int ax = 40 * p.col + 20 * p.row - j[cam_x] + 30, ay = 20 * p.row - j[cam_y] + 14 - (p.flies ? 32 : 0);
        int n = 0;
        for (int y = ay - (p.flies ? 20 : 8); y < ay; y++)
            for (int x = ax - 8; x <= ax + 8; x++)
                if (x >= 0 && y >= 0 && x < VIEW_W && y < VIEW_H && vs[y * VIEW_W + x] != empty[(size_t)y * VIEW_W + x]) n++;
        return n;
    }

    void shot(const char *name)
    {
        fscr();
        mkdir("../demo", 0755);
        ASSERT_EQ(hl_write_bmp((std::string("../demo/") + name).c_str()), 0);
    }
};

TEST_F(CreaturesOnTheMap, EveryKindWalksOnItsCellAndIsLeftOnScreenshots)
{
    std::vector<art::sprite_info> sets = art::sprite_sets();
    const int per_shot = 27;
    for (size_t first = 0, shot_no = 0; first < sets.size(); first += per_shot, shot_no++) {
        clear_creatures();
        for (size_t i = first; i < sets.size() && i < first + per_shot; i++) {
            int k = (int)(i - first);
            int row = 76 + (k / 9) * 3, x = 20 + (k % 9) * 40;
            put(sets[i].base, (int)(i % 6), col_at(x, row), row, k % 2 == 1, sets[i].flies);
        }
        draw();
        for (const placed &p : list) EXPECT_GT(drawn_at_anchor(p), 3) << "set " << p.base << " frame " << p.frame;
        shot(("creatures_walking_" + std::to_string(shot_no) + ".bmp").c_str());
    }
}

TEST_F(CreaturesOnTheMap, FightersStrikeAimCastAndFall)
{
    // Party members striking, shooting and casting; the foes facing them in turn
    // winding up, striking and lying dead.  Nine pairs to a screenshot.
    std::vector<int> party, foes;
    std::vector<bool> foe_flies;
    for (const art::sprite_info &s : art::sprite_sets()) {
        if (s.base < 100) party.push_back(s.base);
        else if (s.base >= 400) foes.push_back(s.base), foe_flies.push_back(s.flies);
    }
    ASSERT_FALSE(party.empty());
    const int hero_frames[3] = {7, 6, 9}, foe_frames[3] = {6, 7, 8};
    for (size_t first = 0, shot_no = 0; first < foes.size(); first += 9, shot_no++) {
        clear_creatures();
        for (size_t i = first; i < foes.size() && i < first + 9; i++) {
            int k = (int)(i - first);
            int row = 76 + (k / 3) * 3, x = 40 + (k % 3) * 130;
            put(party[i % party.size()], hero_frames[i % 3], col_at(x, row), row, false, false);
            put(foes[i], foe_frames[(i / 3) % 3], col_at(x, row) + 1, row, true, foe_flies[i]);
        }
        draw();
        for (const placed &p : list) EXPECT_GT(drawn_at_anchor(p), 3) << "set " << p.base << " frame " << p.frame;
        shot(("creatures_fighting_" + std::to_string(shot_no) + ".bmp").c_str());
    }
}

TEST_F(CreaturesOnTheMap, EffectsPlayOverTheCreaturesTheyBelongTo)
{
    // Condition and aura animations (kind 0) are centred 16 pixels above a cell's
    // animation point, so they light up the body of whoever stands there; the area
    // and burst effects of the skills stand on their cells.
    const int effects[] = {0, 10, 20, 40, 70, 90, 110, 130, 150, 160, 170, 200, 220, 250, 300, 310, 320, 180};
    const int n = (int)(sizeof effects / sizeof effects[0]);
    std::vector<int> people;
    for (const art::sprite_info &s : art::sprite_sets())
        if (s.base < 100 || (s.base >= 100 && s.base < 240)) people.push_back(s.base);
    for (int i = 0; i < n; i++) {
        int row = 76 + (i / 6) * 3, x = 20 + (i % 6) * 64;
        put(people[(size_t)i % people.size()], 0, col_at(x, row), row, false, false);
    }
    draw();
    std::vector<uint16_t> bodies(vs, vs + VIEW_W * VIEW_H);
    for (int i = 0; i < n; i++) {
        const placed &p = list[(size_t)i];
        int ax = 40 * p.col + 20 * p.row - j[cam_x] + 30, ay = 20 * p.row - j[cam_y] + 8;
        draw_bmp(effects[i] + 4, 6, ax - 16, ay - 16 - 16, 1, 0);
        // The effect lights the body: pixels change between the feet and the head.
        int changed = 0;
        for (int y = ay - 36; y < ay + 6; y++)
            for (int x2 = ax - 10; x2 <= ax + 10; x2++)
                changed += vs[y * VIEW_W + x2] != bodies[(size_t)y * VIEW_W + x2];
        EXPECT_GT(changed, 8) << "animation " << effects[i];
    }
    // A quake, a burn, a fire blast and the doom beam on empty cells of the last row.
    const int row = 83;
    int ax0 = 40 * col_at(60, row) + 20 * row - j[cam_x] + 30, ay = 20 * row - j[cam_y] + 8;
    draw_bmp(344, 6, ax0 - 16, ay - 30, 1, 0);
    draw_bmp(355, 6, ax0 + 64 - 16, ay - 22, 1, 0);
    draw_bmp(375, 6, ax0 + 128 - 16, ay - 32, 1, 0);
    draw_bmp(385, 6, ax0 + 192 - 16, ay - 96, 1, 0);
    // Missiles in flight, and the shield orbs.
    draw_pic(1, 4, ax0 + 240, ay - 40, 1, 0);
    draw_pic(5, 4, ax0 + 270, ay - 40, 1, 0);
    draw_bmp(393, 6, ax0 + 300, ay - 40, 1, 0);
    draw_bmp(430, 6, ax0 + 256, ay - 70, 1, 0);
    shot("creatures_effects.bmp");
}

}  // namespace
}  // namespace hm
