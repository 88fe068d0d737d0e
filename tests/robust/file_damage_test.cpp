// file_damage_test.cpp -- every kind of file the game reads, cut at a dense sample of
// offsets and mutated ten thousand times, read by the game's reader each time: no
// sanitizer report, and what is refused leaves the game as it was
#include "../common/mini_archive.h"
#include "robust_fixture.h"

namespace hm {
namespace {

constexpr int MUTATIONS = 10000;

TEST_F(Robust, LevelFiles)
{
    for (int n = 0; n < LEVEL_COUNT; n++) {
        std::string name = "l" + std::to_string(n) + ".txt";
        if (!exists(home + "/" + name) || (n != 4 && n % 4 != 0)) continue;   // the village and a sample
        damage({name}, 151, MUTATIONS / 8, [n] {
            load_level(n, 0);
            update_grsc();
            load_lev_chests();
            for (int k = 0; k < SPAWNER_COUNT; k++) {
                if (crt_spawner[k].active) {
                    EXPECT_TRUE(cell_ok(crt_spawner[k].x, crt_spawner[k].y));
                }
            }
        });
    }
}

TEST_F(Robust, SaveFilesWithTheirChestsAndBlock)
{
    ASSERT_EQ(create("Keep"), 1);
    make_level(1, 4, 26, 78);
    j[game_begun] = 150;
    npc_walk_to(2, 30, 52, 500, 1);
    ASSERT_EQ(write_save("Keep.cha", 1), 0);
    std::string whole = read_file("Keep.cha");
    const std::string tables((const char *)p1cr, sizeof(p1cr_rec) * P1CR_COUNT);
    j[gold] = 4321;
    own("Keep.cha", whole);
    int loaded = 0;
    auto read = [&] {
        j[gold] = 4321;
        if (read_save("Keep.cha")) {
            loaded++;
            EXPECT_TRUE(leader_crt() >= -1);
            int m = j[leader];
            ASSERT_TRUE(m >= 0 && m < PARTY_SIZE && p1cr[m].in_use);
        } else {
            EXPECT_EQ(j[gold], 4321);   // a refused file changes nothing
        }
    };
    truncations("Keep.cha", whole, 401, read);
    mutations("Keep.cha", whole, MUTATIONS, read);
    EXPECT_GT(loaded, MUTATIONS / 2);
}

TEST_F(Robust, PictureArchiveAndItsRecords)
{
    const std::string mini = mini_archive(1);
    auto read = [] {
        load_pic_dat();
        load_swad();
        const uint8_t *rows[PIC_MAX_SIDE];
        int lens[PIC_MAX_SIDE];
        for (int g = 0, drawn = 0; g < PIC_GROUPS && drawn < 16; g++)
            for (int n = 0; n < PICT_SIZE[g] && drawn < 16; n++) {
                if (PIC_dat[g][n] == 0) continue;
                drawn++;
                int slot = pic_slot(n, g);
                if (slot >= 0 && pic_is_rle(n, g)) rle_rows(slot, rows, lens, PIC_MAX_SIDE);
            }
    };
    own("bmp_data.dat", mini);
    truncations("bmp_data.dat", mini, 23, read);
    mutations("bmp_data.dat", mini, MUTATIONS, read);
    // The whole archive, cut: whatever is left of the index names no picture past the cut.
    truncations("bmp_data.dat", shipped("bmp_data.dat"), 5297, read);
}

TEST_F(Robust, TextArchiveLaidOut)
{
    auto read = [] {
        init_wrt();
        init_wrt_data();
        for (int file : {0, 1, 7, 99})
            for (int t : {0, 3, 9999}) wrt(5, 5, 600, t, file, 17, 0, 2, 1, 7);
        wrt_around_box(10, 10, 600, 2, 1, 17, 0, 1, 2, 3, 2);
    };
    damage({"txt_dat.dat"}, 17, MUTATIONS, read);
}

TEST_F(Robust, CreatureTypesAndStashes)
{
    auto read = [] {
        for (int type = 1; type < 30; type += 7) {
            int c = new_creature(type, 1 + type % 4, 2, -1, -1, -1, -1, 5 + 3 * type, 40);
            if (c >= 0) take_crtstash(c);
        }
        update_stats();
        clear_creatures();
    };
    damage({"crtinf.txt", "crtstash.txt"}, 5, MUTATIONS, read);
}

TEST_F(Robust, ItemTypesPriceWeightsAndColours)
{
    std::vector<std::string> names = numbered("i", 99, ".txt");
    names.push_back("atv1.txt");
    names.push_back("tcol1.txt");
    for (const std::string &name : names) {
        int type = name[0] == 'i' ? std::atoi(name.c_str() + 1) : 3;
        damage({name}, 3, MUTATIONS / (int)names.size() + 1, [type] {
            int k = new_item(type, -1, 0, 77);
            if (k < 0) return;
            calc_price(k);
            draw_istats(k);
            delete_item(k);
        });
    }
}

TEST_F(Robust, CharactersLightTimesPaletteFontAndObjectTiles)
{
    for (const std::string &name : numbered("c", 49, ".txt")) {
        int n = std::atoi(name.c_str() + 1);
        damage({name}, 1, 300, [n] {
            int m = load_p1cr(n);
            if (m >= 0) {
                recieve_exp(m, 100000);
                p1cr[m].in_use = 0;
            }
        });
    }
    j[lev_light] = -1;
    damage({"light_times.txt"}, 1, 3000, [] {
        for (int h = 0; h < 24; h += 3) {
            j[hour] = h;
            do_light_time(1);
        }
    });
    damage({"jpal.txt"}, 3, 2000, [] { load_jpal(0, 0, 0); });
    damage({"tex.txt"}, 17, 2000, [] {
        loadtex();
        wrt2(5, 5, 600, 17, 3, 1, "Aa~^z\x7f\x84\xff");
        wnum(5, 20, -2147483647 - 1, 17, 0, 2);
    });
    damage({"ls_tile.txt"}, 61, 3000, [] {
        load_ls_tile();
        update_grsc();
    });
}

TEST_F(Robust, NpcFilesAndSpeech)
{
    std::vector<std::string> names = numbered("npc", NPC_COUNT - 1, ".txt");
    for (const std::string &name : names) {
        int n = std::atoi(name.c_str() + 3);
        damage({name}, 4, MUTATIONS / (int)names.size() + 1, [n] {
            load_npc(n);
            if (load_npc_spch(n) == 0) {
                EXPECT_LE(npc_spch.count, SPCH_ENTRIES);
            }
            for (int t = 0; t < 10; t++) npc_spch_type(t);
            j[talk_npc] = n;
            load_npc_items();
            delete_npc_items();
        });
    }
}

TEST_F(Robust, PlayersListsAndWorldMapTerrain)
{
    const std::string list = "Alba~Bryn~Cade~ Dell 2~Alba~^";
    auto read = [] {
        LorS_pnames(1);
        char row[64];
        for (int r = 0; r < 8; r++) row_text(r, row);
        for (int k = 0; pname_at(k) >= 0; k++) EXPECT_LE(pname_copy(k, row) >= 0 ? (int)std::strlen(row) : 0, PNAME_MAX);
    };
    truncations("pnames.txt", list, 1, read);
    mutations("pnames.txt", list, MUTATIONS, read);
    damage({"wmap10.txt"}, 509, MUTATIONS, [this] {
        for (int i = 0; i < 6; i++) {
            int c = get_wmp(WMAP_NO, next(WMAP_W + 4) - 2, next(WMAP_H + 4) - 2);
            EXPECT_TRUE(c >= 0 && c <= 9);
        }
    });
}

}  // namespace
}  // namespace hm
