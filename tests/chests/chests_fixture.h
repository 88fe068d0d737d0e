// chests_fixture.h -- chests made for a test, and frames of the chest screens driven by hand
#pragma once

#include <functional>

#include "../world/world_fixture.h"
#include "chests/chests.h"
#include "items/items.h"

namespace hm {

class ChestTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        j[level_no] = 4;
        j[cur_chest] = -1;
        j[istk_shown] = -1;
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
    }

    // A chest of the current level, unopened, with no items and a lock of `discs`
    // discs of resistance `resist`.
    int add_chest(int n, int x, int y, int trap = LOCK_LOCKED, int discs = 2, int resist = 20)
    {
        int slot = new_chest_n();
        EXPECT_GE(slot, 0);
        chest_rec &c = chest[slot];
        std::memset(&c, 0, sizeof c);
        c.in_use = 1;
        c.chest_id = j[level_no] * CHESTS_PER_LEVEL + n;
        c.x = x;
        c.y = y;
        c.chest_pic = 99;
        for (int i = 0; i < CHEST_SLOTS; i++) {
            c.item_types[i] = -1;
            c.item_chance[i] = 100;
        }
        c.trap_state = (uint8_t)trap;
        c.n_discs = discs;
        c.difficulty = 100;
        c.lock_seed = 77;
        c.face_side = 4;
        for (int i = 0; i < LOCK_DISCS; i++) c.disc_r[i] = (int8_t)resist;
        chest_state[c.chest_id] = CHEST_UNOPENED;
        return slot;
    }

    // One frame of the chest screens; button edges last one frame.
    void frame(int n = 1)
    {
        for (int k = 0; k < n; k++) {
            chest_main();
            j[lmb_down] = j[lmb_up] = j[rmb_down] = j[rmb_up] = 0;
        }
    }

    void point(int x, int y)
    {
        j[mouse_x] = x;
        j[mouse_y] = y;
    }
    void press_at(int x, int y)
    {
        point(x, y);
        j[lmb_down] = 1;
        frame();
    }
    void release_at(int x, int y)
    {
        point(x, y);
        j[lmb_up] = 1;
        frame();
    }

    // Frames until the condition holds; false when it did not within `limit`.
    bool run_until(const std::function<bool()> &cond, int limit = 2000)
    {
        for (int k = 0; k < limit; k++) {
            if (cond()) return true;
            frame();
        }
        return cond();
    }

    int screen() const { return j[chest_screen]; }

    // Opens the lock of chest c and lifts its cover: the pick may be set.
    void open_cover(int c)
    {
        use_chest(c);
        frame();
        ASSERT_EQ(screen(), LOCK_COVER);
        press_at(120, 120);
        ASSERT_TRUE(run_until([this] { return screen() == LOCK_SET_PICK; }));
    }

    // Live items listed in stack s.
    std::vector<int> stack_items(int s) const
    {
        std::vector<int> out;
        for (int32_t e : ISTK[s].item)
            if (e >= 0 && e < ITEM_COUNT && ITEM[e].in_use == ITEM_LIVE) out.push_back(e);
        return out;
    }

    // What the inventory screen does when an item is taken out or put in.
    void take_out(int item)
    {
        ASSERT_EQ(swap_item_istk(item, STK_CHEST, STK_INVENTORY), 1);
        ITEM[item].origin = ORIGIN_PLAIN;
    }
    void put_in(int item)
    {
        ASSERT_EQ(swap_item_istk(item, STK_INVENTORY, STK_CHEST), 1);
        ITEM[item].origin = ORIGIN_CHEST;
    }
    void close_inventory()
    {
        j[istk_shown] = -1;
        frame();
    }
};

}  // namespace hm
