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

// Inputs of even length get the length and checksum their sections need, so
// that mutations reach the sections; odd ones test the checks themselves.
void seal(std::string &block)
{
    const size_t HEAD = 16;
    if (block.size() < HEAD || block.size() % 2 != 0) return;
    uint32_t body = (uint32_t)(block.size() - HEAD), h = 2166136261u;
    for (size_t i = HEAD; i < block.size(); i++) h = (h ^ (uint8_t)block[i]) * 16777619u;
    std::memcpy(&block[8], &body, 4);
    std::memcpy(&block[12], &h, 4);
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
    std::string block((const char *)data, size);
    seal(block);
    std::string file = head + block;
    put_file("Fz.cha", file.data(), file.size());
    if (!read_save("Fz.cha")) return 0;
    enter_saved_game();
    int code = EXIT_NONE;
    play_frame(code);
    return 0;
}
