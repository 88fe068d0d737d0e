// fuzz_save_block.cpp -- the extension block of a save behind a sound head: read, entered, played
#include "flow/flow.h"
#include "fuzz_harness.h"
#include "world/world.h"

using namespace hm;

namespace {

std::string head;   // a save in the village up to its last chest record

// The block of a save written now, and the head it follows.
std::string split_save(std::string *head_out)
{
    write_save("base.cha", 1);
    std::string s = read_whole("base.cha");
    int32_t c = 0;
    std::memcpy(&c, s.data() + offsetof(save_head, chest_count), 4);
    size_t at = (size_t)SAVE_BYTES + sizeof(chest_rec) * (size_t)c;
    if (head_out) *head_out = s.substr(0, at);
    return s.substr(at);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_start();
    make_new_state();
    make_level(1, 4, 26, 78);
    j[game_begun] = 150;
    std::string place = split_save(&head);
    if (seed_dir()) {
        put_seed("place", place);
        npc_walk_to(2, 30, 52, 500, 1);
        put_seed("walking", split_save(nullptr));
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string file = head;
    file.append((const char *)data, size);
    put_file("Fz.cha", file.data(), file.size());
    if (!read_save("Fz.cha")) return 0;
    enter_saved_game();
    int code = EXIT_NONE;
    play_frame(code);
    return 0;
}
