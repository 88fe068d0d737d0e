// world_fixture.h -- the game's tables over the run directory or over pictures made for a test
#pragma once

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "battle/battle.h"
#include "chests/chests.h"
#include "../common/test_files.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"
#include "platform/headless.h"
#include "world/world.h"

namespace hm {

// Cells a walker reaches from (x, y) over the level's blocking, as the path
// finder walks: eight ways, never across a blocked corner.  Cells where stop
// holds are reached but not walked on from.
inline std::vector<bool> walk_reach(int x, int y, bool (*stop)(int x, int y) = nullptr)
{
    auto open = [](int cx, int cy) { return cell_ok(cx, cy) && grsc[cx + MAP_W * cy] == 0; };
    std::vector<bool> seen(MAP_CELLS, false);
    if (!open(x, y)) return seen;
    std::deque<int> todo = {x + MAP_W * y};
    seen[x + MAP_W * y] = true;
    while (!todo.empty()) {
        int c = todo.front(), cx = c % MAP_W, cy = c / MAP_W;
        todo.pop_front();
        if (stop && stop(cx, cy)) continue;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                int nx = cx + dx, ny = cy + dy;
                if ((!dx && !dy) || !open(nx, ny) || seen[nx + MAP_W * ny]) continue;
                if (dx && dy && (!open(cx + dx, cy) || !open(cx, cy + dy))) continue;
                seen[nx + MAP_W * ny] = true;
                todo.push_back(nx + MAP_W * ny);
            }
    }
    return seen;
}

class WorldTest : public ::testing::Test, public test_files {
protected:
    std::string home;      // the run directory the tests start in
    std::string scratch;   // a private folder, made on demand

    void SetUp() override
    {
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        home = cwd;
        start_game_tables();
        for (int i = 0; i < CHEST_STATE_BYTES; i++) chest_state[i] = CHEST_UNOPENED;
        for (int i = 0; i < CSPNS_BYTES; i++) cspns[i] = 1;
        for (int m = 0; m < P1CR_COUNT; m++) p1cr[m].crt = -1;
        j[box_crt] = -1;
        // As the occupancy layers stand with no creature about.
        std::memset(us, -1, MAP_CELLS);
        std::memset(us2, -1, MAP_CELLS);
    }

    void TearDown() override
    {
        ASSERT_EQ(chdir(home.c_str()), 0);
        delete_mem();
        if (!scratch.empty()) remove_tree(scratch);
    }

    void enter_scratch()
    {
        char tmpl[] = "/tmp/hm_world_test_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        scratch = tmpl;
        ASSERT_EQ(chdir(scratch.c_str()), 0);
    }




    // A picture made for a test: pixel (x, y) is paint(x, y).
    struct test_pic {
        int group, number, w, h;
        std::function<int(int, int)> paint;
    };

    // Works in a scratch folder whose archive holds exactly these pictures.
    void use_pictures(const std::vector<test_pic> &pics)
    {
        if (scratch.empty()) enter_scratch();
        remove_tree("art");
        mkdir("art", 0755);
        for (const test_pic &p : pics) {
            std::vector<uint8_t> f(1078, 0);
            f[0] = 'B';
            f[1] = 'M';
            f[18] = (uint8_t)p.w;
            f[19] = (uint8_t)(p.w >> 8);
            f[22] = (uint8_t)p.h;
            f[23] = (uint8_t)(p.h >> 8);
            f[26] = 1;
            f[28] = 8;
            for (int y = p.h - 1; y >= 0; y--)
                for (int x = 0; x < p.w; x++) f.push_back((uint8_t)p.paint(x, y));
            std::string name = std::string("art/") + PIC_PREFIX[p.group] + std::to_string(p.number) + ".bmp";
            write_file(name, std::string(f.begin(), f.end()));
        }
        ASSERT_EQ(create_bmp_data_file("art", "bmp_data.dat"), (int)pics.size());
        load_pic_dat();
        load_swad();
    }

    // A creature standing on the map, and the leader's link to it when side is 1.
    crt_rec &put_creature(int index, int x, int y, int side = 1, int pic_base = 0)
    {
        crt_rec &c = CRT[index];
        std::memset(&c, 0, sizeof c);
        c.in_use = 1;
        c.shown = 1;
        c.side = side;
        c.x = x;
        c.y = y;
        c.cell = x + MAP_W * y;
        c.facing = 1;
        c.pic_base = pic_base;
        c.path_step = -1;
        c.strike_target = -1;
        c.tint_rate = 2;
        us[c.cell] = (int8_t)index;
        return c;
    }

    void make_leader(int index) { p1cr[j[leader]].crt = index; }

    // A picture of w x h colours written as a 24-bit BMP, for looking at.
    static void write_bmp24(const std::string &file, int w, int h, const std::vector<uint16_t> &px)
    {
        std::vector<uint8_t> out(54, 0);
        int stride = (w * 3 + 3) & ~3;
        uint32_t size = 54 + (uint32_t)stride * h;
        auto put32 = [&](int at, uint32_t v) {
            for (int k = 0; k < 4; k++) out[at + k] = (uint8_t)(v >> (8 * k));
        };
        out[0] = 'B';
        out[1] = 'M';
        put32(2, size);
        put32(10, 54);
        put32(14, 40);
        put32(18, (uint32_t)w);
        put32(22, (uint32_t)h);
        out[26] = 1;
        out[28] = 24;
        for (int y = h - 1; y >= 0; y--) {
            for (int x = 0; x < w; x++) {
                uint16_t p = px[(size_t)y * w + x];
                out.push_back((uint8_t)((p & 31) << 3));
                out.push_back((uint8_t)(((p >> 5) & 63) << 2));
                out.push_back((uint8_t)((p >> 11) << 3));
            }
            for (int k = w * 3; k < stride; k++) out.push_back(0);
        }
        FILE *f = std::fopen(file.c_str(), "wb");
        ASSERT_NE(f, nullptr) << file;
        std::fwrite(out.data(), 1, out.size(), f);
        std::fclose(f);
    }

    // The current level drawn whole, view by view: the pixels no picture covered
    // inside the views' inner parts (away from the map's own edge) are counted;
    // map, when given, receives the picture (40 x 100 + 20 x 100 by 20 x 100 + 100).
    static int draw_whole_map(std::vector<uint16_t> *map)
    {
        const uint16_t HOLE = 0xf81f;   // a colour no picture uses through slice 0
        const int map_w = 40 * MAP_W + 20 * MAP_W, map_h = 20 * MAP_W + 100;
        if (map) map->assign((size_t)map_w * map_h, 0);
        int holes = 0;
        for (int cy = -100; cy < 20 * MAP_W; cy += VIEW_H - 60) {
            for (int cx = -120; cx < map_w; cx += VIEW_W - 120) {
                j[cam_x] = cx;
                j[cam_y] = cy;
                for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = HOLE;
                draw_all();
                // Pixels near the view's edges may show cells the passes leave to the next camera.
                for (int y = 30; y < VIEW_H - 30; y++)
                    for (int x = 60; x < VIEW_W - 60; x++) {
                        uint16_t v = vs[y * VIEW_W + x];
                        int mx = cx + x, my = cy + y + 100;
                        if (map && v != HOLE && mx >= 0 && mx < map_w && my >= 0 && my < map_h)
                            (*map)[(size_t)my * map_w + mx] = v;
                        if (v != HOLE) continue;
                        int c = get_square(x, y);
                        if (c < 0) continue;
                        int col = c % MAP_W, row = c / MAP_W;
                        if (col >= 2 && col <= 97 && row >= 2 && row <= 97) holes++;
                    }
            }
        }
        return holes;
    }

    uint16_t view_px(int x, int y) const { return vs[y * VIEW_W + x]; }
    static uint16_t colour(int index, int shade = 0) { return jpal_buf[shade * 256 + index]; }
};

}  // namespace hm
