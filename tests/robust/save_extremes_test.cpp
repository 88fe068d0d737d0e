// save_extremes_test.cpp -- saves whose state slots hold extreme values, one slot at a
// time: each is refused or clamped on loading, and a battle played after it runs clean
#include <cfloat>
#include <climits>
#include <algorithm>
#include <cmath>
#include <vector>

#include "../flow/flow_fixture.h"

namespace hm {
namespace {

struct named {
    const char *name;
    int slot;
};
#define HM_SLOT_ROW(name, n) {#name, n},
const named J_NAMED[] = {J_SLOTS(HM_SLOT_ROW)};
const named F_NAMED[] = {F_SLOTS(HM_SLOT_ROW)};
#undef HM_SLOT_ROW
constexpr int J_NAMED_COUNT = (int)(sizeof J_NAMED / sizeof J_NAMED[0]);

const int J_EXTREMES[] = {INT_MIN, INT_MAX};
const float F_EXTREMES[] = {NAN, FLT_MAX, -FLT_MAX, 1e30f, -1e30f};

class SaveExtremes : public FlowTest {
protected:
    std::string base;   // a game in play on the meadow, as F5 writes it
    std::vector<int32_t> entered_j;   // the slots once the save as written is entered
    std::vector<float> entered_f;
    uint32_t whim = 1;
    int exit_code = EXIT_NONE;

    void SetUp() override
    {
        FlowTest::SetUp();
        ASSERT_EQ(create("Edge"), 1);
        make_level(1, 98, 40, 50);
        j[game_begun] = 150;
        ASSERT_EQ(write_save("Edge.cha", 1), 0);
        base = read_file("Edge.cha");
        ASSERT_GT(base.size(), (size_t)SAVE_BYTES);
        int32_t same = 98;
        ASSERT_EQ(load_and_fight((size_t)level_no * 4, &same), 5);
    }

    int next(int n)
    {
        whim = whim * 1103515245u + 12345u;
        return (int)((whim >> 16) % (uint32_t)n);
    }

    // Loads the save with one value changed, enters its level, and fights rats
    // beside the leader for a while under a player who clicks about.
    // The highest battle stage reached.
    int load_and_fight(size_t offset, const void *value)
    {
        std::string bytes = base;
        std::memcpy(&bytes[offset], value, 4);
        write_file("Edge.cha", bytes);
        // Every case starts alike: the pointer, the player's whims.
        mx = my = omx = omy = 10;
        whim = 1;
        if (!read_save("Edge.cha")) return 0;   // refused: nothing more to play
        enter_saved_game();
        // A value that entering the level sets afresh plays the battle of the
        // save as written, which is played once on its own.
        if (entered_j.empty()) {
            entered_j.assign(j, j + SLOT_COUNT);
            entered_f.assign(f, f + SLOT_COUNT);
        } else if (std::equal(j, j + SLOT_COUNT, entered_j.begin()) &&
                   std::memcmp(f, entered_f.data(), sizeof(float) * SLOT_COUNT) == 0) {
            return 5;
        }
        int c = leader_crt();
        EXPECT_GE(c, 0);
        if (c < 0) return 0;
        for (int i = 0; i < 2; i++) new_creature(14, 1, 2, -1, -1, -1, -1, CRT[c].x + 3, CRT[c].y + i);
        j[battle_stage] = 1;
        int stage = 0;
        for (int frame = 0; frame < 40; frame++) {
            hl_set_button(0, false);
            hl_set_key(K_ENTER, frame == 8);
            int r = next(100);
            if (r < 30) hl_add_mickeys(VIEW_X + 4 + next(VIEW_W - 8) - mx, VIEW_Y + 4 + next(VIEW_H - 8) - my);
            else if (r < 55) hl_set_button(0, true);
            play_frame(exit_code);
            stage = std::max(stage, j[battle_stage]);
        }
        hl_set_key(K_ENTER, false);
        hl_set_button(0, false);
        // Whatever was loaded, the camera and the clock stay where arithmetic holds.
        EXPECT_TRUE(std::isfinite(f[cam_fx]) && std::isfinite(f[cam_fy]));
        return stage;
    }

    void j_slots(int first, int last)
    {
        for (int i = first; i < last && i < J_NAMED_COUNT; i++)
            for (int v : J_EXTREMES) {
                SCOPED_TRACE(std::string("j ") + J_NAMED[i].name + " = " + std::to_string(v));
                load_and_fight((size_t)J_NAMED[i].slot * 4, &v);
            }
    }
};

// Four groups, so that ctest runs them side by side.
TEST_F(SaveExtremes, IntegerSlotsFirstQuarter) { j_slots(0, J_NAMED_COUNT / 4); }
TEST_F(SaveExtremes, IntegerSlotsSecondQuarter) { j_slots(J_NAMED_COUNT / 4, J_NAMED_COUNT / 2); }
TEST_F(SaveExtremes, IntegerSlotsThirdQuarter) { j_slots(J_NAMED_COUNT / 2, 3 * J_NAMED_COUNT / 4); }
TEST_F(SaveExtremes, IntegerSlotsLastQuarter) { j_slots(3 * J_NAMED_COUNT / 4, J_NAMED_COUNT); }

TEST_F(SaveExtremes, FloatSlotsNotANumberAndHugeOfBothSigns)
{
    for (const named &s : F_NAMED)
        for (float v : F_EXTREMES) {
            SCOPED_TRACE(std::string("f ") + s.name + " = " + std::to_string(v));
            load_and_fight(4000 + (size_t)s.slot * 4, &v);
        }
}

}  // namespace
}  // namespace hm
