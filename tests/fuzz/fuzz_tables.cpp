// fuzz_tables.cpp -- the number tables: the first byte picks the file (creature types,
// stashes, items, price weights, text colours, characters, light times, palette,
// font, object tiles), the rest is its text, read and used as play uses it
#include "battle/battle.h"
#include "flow/flow.h"
#include "fuzz_harness.h"
#include "items/items.h"
#include "party/party.h"
#include "world/world.h"

using namespace hm;

namespace {

constexpr int ITEM_FILES = 57, CHAR_FILES = 13;

std::string table_file(int kind, int n)
{
    switch (kind) {
    case 0: return "crtinf.txt";
    case 1: return "crtstash.txt";
    case 2: return "i" + std::to_string(n % ITEM_FILES) + ".txt";
    case 3: return "atv1.txt";
    case 4: return "tcol1.txt";
    case 5: return "c" + std::to_string(n % CHAR_FILES) + ".txt";
    case 6: return "light_times.txt";
    case 7: return "jpal.txt";
    case 8: return "tex.txt";
    default: return "ls_tile.txt";
    }
}
constexpr int KINDS = 10;

void use_creatures()
{
    for (int type = 0; type < 40; type++) {
        int c = new_creature(type, 1 + type % 5, 2, -1, -1, -1, -1, 10 + type, 20 + type % 7);
        if (c >= 0) take_crtstash(c);
    }
    update_stats();
    clear_creatures();
}

void use_items(int type)
{
    for (int seed = 0; seed < 3; seed++) {
        int k = new_item(type, 0, 0, seed * 4099);
        if (k < 0) continue;
        calc_price(k);
        draw_istats(k);
    }
    update_stats();
}

void use_character(int n)
{
    int m = load_p1cr(n);
    if (m < 0) return;
    recieve_exp(m, 5000);
    int c = new_creature(p1cr[m].crt_type, p1cr[m].level, 1, p1cr[m].hp, p1cr[m].mana, m, -1, 30, 30);
    (void)c;
    update_stats();
    clear_creatures();
}

void use_level_light()
{
    make_level(1, 4, 26, 78);
    j[lev_light] = -1;
    for (int h = 0; h < 24; h += 5) {
        j[hour] = h;
        do_light_time(1);
    }
    int code = EXIT_NONE;
    play_frame(code);
}

void use_font()
{
    loadtex();
    wrt(10, 10, 600, 0, 1, 17, 0, 2, 2, 5, 12);
    const char all[] = "\x01 !azAZ09~^\x7f\x80\x84\xff";
    wrt2(5, 5, 600, 17, 3, 1, all);
    wnum(300, 100, -2147483647 - 1, 17, 0, 2);
}

// The shipped file back in place of the fuzzed one.
void restore(const std::string &name)
{
    unlink(name.c_str());
    if (symlink((fuzz_data_dir() + "/" + name).c_str(), name.c_str()) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        for (int kind = 0; kind < KINDS; kind++) {
            int files = kind == 2 ? ITEM_FILES : kind == 5 ? CHAR_FILES : 1;
            for (int n = 0; n < files; n += kind == 2 ? 7 : 1) {
                std::string name = table_file(kind, n);
                std::string s = read_whole(fuzz_data_dir() + "/" + name);
                if (s.empty()) continue;
                put_seed(std::to_string(kind) + "_" + name, std::string(1, (char)kind) + std::string(1, (char)n) + s);
            }
        }
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    int kind = data[0] % KINDS, n = data[1];
    std::string name = table_file(kind, n);
    put_file(name.c_str(), data + 2, size - 2);
    make_new_state();
    switch (kind) {
    case 0: case 1: use_creatures(); break;
    case 2: use_items(n % ITEM_FILES); break;
    case 3: case 4: use_items(n % ITEM_FILES); use_items((n + 1) % ITEM_FILES); break;
    case 5: use_character(n % CHAR_FILES); break;
    case 6: use_level_light(); break;
    case 7: load_jpal(0, 0, 0); use_level_light(); break;
    case 8: use_font(); break;
    default: load_ls_tile(); use_level_light(); break;
    }
    restore(name);
    if (kind == 7) load_jpal(0, 0, 0);
    if (kind == 8) loadtex();
    if (kind == 9) load_ls_tile();
    return 0;
}
